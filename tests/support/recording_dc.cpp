#include "support/recording_dc.h"

#include "platform/bitmap.h"

bool CRecordingDC::BitBlt(int x, int y, int nWidth, int nHeight, const CBitmap* pSrc, int xSrc,
                          int ySrc, DWORD dwRop) {
    m_calls.push_back({CDCCall::BitBlt,
                       {x, y, x + nWidth, y + nHeight},
                       {xSrc, ySrc},
                       pSrc ? pSrc->GetSafeHandle() : nullptr,
                       {},
                       0,
                       0,
                       static_cast<int>(dwRop)});
    return pSrc != nullptr && pSrc->GetSafeHandle() != nullptr;
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

std::vector<CDCCall> CRecordingDC::CallsOf(CDCCall::Kind kind) const {
    std::vector<CDCCall> result;
    for (const CDCCall& call : m_calls) {
        if (call.kind == kind) result.push_back(call);
    }
    return result;
}
