#include "platform/qt/qt_image.h"

#include <cmath>

int CQtImage::GetWidth() const {
    return static_cast<int>(std::lround(m_image.width() / m_image.devicePixelRatio()));
}

int CQtImage::GetHeight() const {
    return static_cast<int>(std::lround(m_image.height() / m_image.devicePixelRatio()));
}
