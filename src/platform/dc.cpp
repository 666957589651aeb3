#include "platform/dc.h"

bool CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    m_nStyle = nPenStyle;
    m_nWidth = nWidth;
    m_crColor = crColor;
    m_bCreated = true;
    return true;
}

CPen* CDC::SelectObject(CPen* pPen) {
    ASSERT(pPen != nullptr);
    if (pPen == nullptr) return nullptr;
    CPen* pOld = m_pPen;
    m_pPen = pPen;
    OnPenSelected(*pPen);
    return pOld;
}

int CDC::SetBkMode(int nBkMode) {
    const int nOld = m_nBkMode;
    m_nBkMode = nBkMode;
    OnBkModeSet(nBkMode);
    return nOld;
}
