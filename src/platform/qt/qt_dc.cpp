#include "platform/qt/qt_dc.h"

#include <algorithm>

#include "platform/bitmap.h"
#include "platform/qt/qt_image.h"

namespace {

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

}  // namespace

CQtDC::CQtDC(QPainter& painter) : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setBrush(Qt::white);
    m_painter.setPen(Qt::black);
    OnPenSelected(*GetCurrentPen());
}

bool CQtDC::BitBlt(int x, int y, int nWidth, int nHeight, const CBitmap* pSrc, int xSrc, int ySrc,
                   DWORD dwRop) {
    ASSERT(dwRop == SRCCOPY);
    const auto* pImage = pSrc ? dynamic_cast<const CQtImage*>(pSrc->GetSafeHandle()) : nullptr;
    if (pImage == nullptr) return false;

    // Only the part of the block that lies on the picture is copied: nothing is read outside it.
    const int xEnd = std::min(xSrc + nWidth, pImage->GetWidth());
    const int yEnd = std::min(ySrc + nHeight, pImage->GetHeight());
    const int x0 = std::max(xSrc, 0);
    const int y0 = std::max(ySrc, 0);
    if (xEnd <= x0 || yEnd <= y0) return true;

    const QImage& image = pImage->GetImage();
    const qreal dpr = image.devicePixelRatio();
    const QRectF target(x + (x0 - xSrc), y + (y0 - ySrc), xEnd - x0, yEnd - y0);
    const QRectF source(x0 * dpr, y0 * dpr, (xEnd - x0) * dpr, (yEnd - y0) * dpr);
    const QPainter::CompositionMode oldMode = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.drawImage(target, image, source);
    m_painter.setCompositionMode(oldMode);
    return true;
}

bool CQtDC::RoundRect(const RECT* lpRect, POINT point) {
    // The box covers left..right-1 and top..bottom-1; a stroked QRect covers its size plus one.
    const QRect box(lpRect->left, lpRect->top, lpRect->right - lpRect->left - 1,
                    lpRect->bottom - lpRect->top - 1);
    if (box.width() < 0 || box.height() < 0) return false;
    m_painter.drawRoundedRect(box, point.x / 2.0, point.y / 2.0);
    return true;
}

int CQtDC::DrawText(const std::string& str, RECT* lpRect, UINT nFormat) {
    const QRect box(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                    lpRect->bottom - lpRect->top);
    int flags = (nFormat & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    // Vertical centring applies to single lines only; otherwise text starts at the top.
    flags |=
        ((nFormat & DT_SINGLELINE) && (nFormat & DT_VCENTER)) ? Qt::AlignVCenter : Qt::AlignTop;
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    m_painter.setPen(Qt::black);
    if (GetBkMode() == OPAQUE) {
        m_painter.setBackgroundMode(Qt::OpaqueMode);
        m_painter.setBackground(Qt::white);
    } else {
        m_painter.setBackgroundMode(Qt::TransparentMode);
    }
    QRect bounding;
    m_painter.drawText(box, flags, QString::fromStdString(str), &bounding);
    m_painter.restore();
    return bounding.height();
}

bool CQtDC::DrawIcon(int x, int y, HICON hIcon) {
    const auto* pIcon = dynamic_cast<const CQtIcon*>(hIcon);
    if (pIcon == nullptr) return false;
    pIcon->GetIcon().paint(&m_painter, QRect(x, y, pIcon->GetWidth(), pIcon->GetHeight()));
    return true;
}

void CQtDC::OnPenSelected(const CPen& pen) {
    QPen qpen(ToQColor(pen.GetColor()));
    qpen.setWidth(std::max(pen.GetWidth(), 1));
    qpen.setCosmetic(true);
    qpen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(qpen);
}
