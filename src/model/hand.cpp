#include "model/hand.h"

#include "model/card.h"

IMPLEMENT_DYNAMIC(CHand, CObject)

CHand::CHand(const CCardArray* pCards) {
    if (pCards != nullptr) m_arrCards = *pCards;
}

CHand::~CHand() {
    m_arrCards.RemoveAll();
}

void CHand::SetCards(const CCardArray* pCards) {
    ASSERT(pCards != nullptr);
    if (pCards == nullptr) return;
    m_arrCards = *pCards;
}

void CHand::SetCard(int nIndex, CCard* pCard) {
    m_arrCards.SetAt(nIndex, pCard);
}

CCard* CHand::GetCard(int nIndex) const {
    return m_arrCards.GetAt(nIndex);
}

void CHand::Draw(CDC* pDC, const POINT* pPoint, bool bLarge) const {
    POINT pt = *pPoint;
    for (int i = 0; i < m_arrCards.GetSize(); ++i) {
        const CCard* pCard = m_arrCards[i];
        if (pCard == nullptr) continue;
        pt.x = pPoint->x + i * (bLarge ? CARD_LARGE_STEP : CARD_SMALL_STEP);
        pCard->Draw(pDC, &pt, bLarge);
    }
}

int CHand::GetSmallWidth() const {
    int nWidth = 0;
    for (int i = 0; i < m_arrCards.GetSize(); ++i) {
        const CCard* pCard = m_arrCards[i];
        nWidth += (pCard ? pCard->GetSmallWidth() : CARD_SMALL_WIDTH) + 1;
    }
    return nWidth - 1;
}

int CHand::GetSmallHeight() const {
    ASSERT(!m_arrCards.IsEmpty());
    const CCard* pFirst = m_arrCards.IsEmpty() ? nullptr : m_arrCards[0];
    return pFirst ? pFirst->GetSmallHeight() : 0;
}
