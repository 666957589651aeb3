// A picture held by the platform: the card pictures and the icon. The Qt side derives from it;
// tests without a window system use CPlainImage.
#pragma once

#include <memory>

class CPlatformImage {
public:
    virtual ~CPlatformImage() = default;
    // Size in logical pixels, the unit every layout uses.
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
};

using HIMAGE = std::shared_ptr<const CPlatformImage>;
using HICON = const CPlatformImage*;

class CPlainImage : public CPlatformImage {
public:
    CPlainImage(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {}
    int GetWidth() const override { return m_nWidth; }
    int GetHeight() const override { return m_nHeight; }

private:
    int m_nWidth;
    int m_nHeight;
};
