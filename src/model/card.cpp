#include "model/card.h"

#include "platform/dc.h"

IMPLEMENT_DYNAMIC(CCard, CObject)

UINT CardLargeBitmapID(int nSuit, int nRank) {
    int k = 0;
    switch (nSuit) {
        case SUIT_SPADES:
            k = 1;
            break;
        case SUIT_HEARTS:
            k = 2;
            break;
        case SUIT_CLUBS:
            k = 3;
            break;
        case SUIT_DIAMONDS:
            k = 4;
            break;
        case SUIT_JOKER:
            return IDB_JOKER_LARGE;
        default:
            return IDB_CARD_BACK_LARGE;
    }
    const int p = nRank == RANK_ACE ? 1 : nRank;
    return static_cast<UINT>(1000 + 100 * k + p);
}

UINT CardSmallBitmapID(int nSuit, int nRank) {
    return CardLargeBitmapID(nSuit, nRank) + 1000;
}

CCard::CCard(int nSuit, int nRank, UINT nLargeID, UINT nSmallID) : m_nSuit(nSuit), m_nRank(nRank) {
    // Only the low 16 bits of an id name a resource.
    if (nLargeID != 0) m_bLargeLoaded = m_bmpLarge.LoadBitmap(nLargeID & 0xFFFF);
    if (nSmallID != 0) m_bSmallLoaded = m_bmpSmall.LoadBitmap(nSmallID & 0xFFFF);
}

CCard::~CCard() {
    if (m_bLargeLoaded) m_bmpLarge.DeleteObject();
    if (m_bSmallLoaded) m_bmpSmall.DeleteObject();
}

void CCard::Draw(CDC* pDC, const POINT* pPoint, bool bLarge) const {
    const CBitmap& bitmap = bLarge ? m_bmpLarge : m_bmpSmall;
    const int nWidth = bLarge ? GetLargeWidth() : GetSmallWidth();
    const int nHeight = bLarge ? GetLargeHeight() : GetSmallHeight();
    pDC->BitBlt(pPoint->x, pPoint->y, nWidth, nHeight, &bitmap, 0, 0, SRCCOPY);
}
