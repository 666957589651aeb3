#include "platform/qt/qt_image.h"

#include <cmath>

CQtImage::CQtImage(QImage image)
    : m_image(std::move(image)),
      m_nWidth(static_cast<int>(std::lround(m_image.width() / m_image.devicePixelRatio()))),
      m_nHeight(static_cast<int>(std::lround(m_image.height() / m_image.devicePixelRatio()))) {}

CQtImage::CQtImage(int nWidth, int nHeight, std::function<QImage()> maker)
    : m_maker(std::move(maker)), m_nWidth(nWidth), m_nHeight(nHeight) {}

const QImage& CQtImage::GetImage() const {
    if (m_maker) {
        m_image = m_maker();
        m_maker = nullptr;
    }
    return m_image;
}
