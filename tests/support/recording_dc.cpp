#include "support/recording_dc.h"

#include <sstream>

#include "platform/bitmap.h"

bool CRecordingDC::BitBlt(int x, int y, int nWidth, int nHeight, const CBitmap* pSrc, int xSrc,
                          int ySrc, DWORD dwRop) {
    const CPlatformImage* pImage = pSrc ? pSrc->GetSafeHandle() : nullptr;
    m_calls.push_back({CDCCall::BitBlt,
                       {x, y, x + nWidth, y + nHeight},
                       {xSrc, ySrc},
                       pImage,
                       {},
                       0,
                       0,
                       static_cast<int>(dwRop)});
    return pImage != nullptr;
}

bool CRecordingDC::RoundRect(const RECT* lpRect, POINT point) {
    m_calls.push_back(
        {CDCCall::RoundRect, *lpRect, point, nullptr, {}, 0, GetCurrentPen()->GetColor(), 0});
    return true;
}

int CRecordingDC::DrawText(const std::string& str, RECT* lpRect, UINT nFormat) {
    m_calls.push_back({CDCCall::DrawText, *lpRect, {}, nullptr, str, nFormat, 0, GetBkMode()});
    return lpRect->bottom - lpRect->top;
}

bool CRecordingDC::DrawIcon(int x, int y, HICON hIcon) {
    const int w = hIcon ? hIcon->GetWidth() : 0;
    const int h = hIcon ? hIcon->GetHeight() : 0;
    m_calls.push_back({CDCCall::DrawIcon, {x, y, x + w, y + h}, {}, hIcon, {}, 0, 0, 0});
    return hIcon != nullptr;
}

void CRecordingDC::OnPenSelected(const CPen& pen) {
    m_calls.push_back({CDCCall::SelectPen, {}, {}, nullptr, {}, 0, pen.GetColor(), pen.GetWidth()});
}

void CRecordingDC::OnBkModeSet(int nBkMode) {
    m_calls.push_back({CDCCall::SetBkMode, {}, {}, nullptr, {}, 0, 0, nBkMode});
}

std::vector<std::string> CRecordingDC::Describe(const CImageNamer& nameImage) const {
    std::vector<std::string> lines;
    for (const CDCCall& call : m_calls) lines.push_back(DescribeCall(call, nameImage));
    return lines;
}

std::string DescribeCall(const CDCCall& c, const CImageNamer& nameImage) {
    static const char* const kKinds[] = {"BitBlt",   "RoundRect", "DrawText",
                                         "DrawIcon", "SelectPen", "SetBkMode"};
    std::ostringstream out;
    out << kKinds[c.kind];
    const auto rgb = [&] {
        out << " rgb " << GetRValue(c.crPen) << ',' << GetGValue(c.crPen) << ','
            << GetBValue(c.crPen);
    };
    if (c.kind == CDCCall::DrawText) out << " \"" << c.text << '"';
    if (c.kind <= CDCCall::DrawIcon)
        out << ' ' << c.rect.left << ',' << c.rect.top << '-' << c.rect.right << ','
            << c.rect.bottom;
    if (c.kind == CDCCall::BitBlt)
        out << " from " << c.point.x << ',' << c.point.y << " rop " << std::hex << c.nValue
            << std::dec;
    if (c.kind == CDCCall::RoundRect) out << " corner " << c.point.x << ',' << c.point.y << " pen";
    if (c.kind == CDCCall::RoundRect || c.kind == CDCCall::SelectPen) rgb();
    if (c.kind == CDCCall::SelectPen) out << " width " << c.nValue;
    if (c.kind == CDCCall::DrawText) out << " format " << c.nFormat << " bkmode " << c.nValue;
    if (c.kind == CDCCall::SetBkMode) out << ' ' << c.nValue;
    if (c.kind == CDCCall::BitBlt || c.kind == CDCCall::DrawIcon)
        out << ' ' << (nameImage ? nameImage(c.pImage) : c.pImage ? "image" : "none");
    return out.str();
}
