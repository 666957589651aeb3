// Qt pictures behind the platform's image handle.
#pragma once

#include <QIcon>
#include <QImage>

#include <functional>

#include "platform/image.h"

// A bitmap held at the screen's device pixel ratio; its size is reported in logical pixels.
// It may be given as a maker instead, run when the pixels are first asked for (on the window's
// thread, as all painting is), so that start-up does not wait for pictures nobody sees yet.
class CQtImage : public CPlatformImage {
public:
    explicit CQtImage(QImage image);
    CQtImage(int nWidth, int nHeight, std::function<QImage()> maker);
    int GetWidth() const override { return m_nWidth; }
    int GetHeight() const override { return m_nHeight; }
    const QImage& GetImage() const;

private:
    mutable QImage m_image;
    mutable std::function<QImage()> m_maker;
    int m_nWidth;
    int m_nHeight;
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
