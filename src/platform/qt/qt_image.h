// Qt pictures behind the platform's image handle.
#pragma once

#include <QIcon>
#include <QImage>

#include "platform/image.h"

// A bitmap held at the screen's device pixel ratio; its size is reported in logical pixels.
class CQtImage : public CPlatformImage {
public:
    explicit CQtImage(QImage image) : m_image(std::move(image)) {}
    int GetWidth() const override;
    int GetHeight() const override;
    const QImage& GetImage() const { return m_image; }

private:
    QImage m_image;
};

// An icon drawn at whatever size is asked, from the best of its sizes.
class CQtIcon : public CPlatformImage {
public:
    CQtIcon(QIcon icon, int nSize) : m_icon(std::move(icon)), m_nSize(nSize) {}
    int GetWidth() const override { return m_nSize; }
    int GetHeight() const override { return m_nSize; }
    const QIcon& GetIcon() const { return m_icon; }

private:
    QIcon m_icon;
    int m_nSize;
};
