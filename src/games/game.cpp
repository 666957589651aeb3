#include "games/game.h"

#include <algorithm>

#include "model/card.h"
#include "model/hand.h"
#include "platform/dc.h"

IMPLEMENT_DYNAMIC(CGame, CObject)

namespace {

constexpr int kCardsInHand = 5;
constexpr int kLowestRank = 2;

constexpr unsigned RankBit(int nRank) {
    return 1u << nRank;
}

}  // namespace

CGame::CGame(CHand* pHand) : m_pHand(pHand) {
    if (m_pHand != nullptr) m_nPayout = CGame::Evaluate(m_strName);
}

CGame::~CGame() {
    m_strName.clear();
}

int CGame::Evaluate(std::string& strName) const {
    strName.clear();
    return 0;
}

CGame::CCounts CGame::CountCards(bool bDeucesWild) const {
    CCounts counts{};
    if (m_pHand == nullptr) return counts;
    const int nSize = m_pHand->GetSize();
    ASSERT(nSize == kCardsInHand);
    // Only positions that exist are read, so a short hand asks the hand for nothing it lacks.
    const int nCards = std::min(nSize, kCardsInHand);
    for (int i = 0; i < nCards; ++i) {
        const CCard* pCard = m_pHand->GetCard(i);
        if (pCard == nullptr) continue;
        const int nRank = pCard->GetRank();
        const int nSuit = pCard->GetSuit() / 100;
        const bool bRankKnown = nRank >= kLowestRank && nRank <= RANK_ACE;
        if (bRankKnown) ++counts.arrRank[nRank];
        if (nSuit >= 1 && nSuit <= 4 && !(bDeucesWild && nRank == 2)) ++counts.arrSuit[nSuit];
    }
    return counts;
}

CGame::CNatural CGame::ClassifyNatural() const {
    const CCounts counts = CountCards(false);

    // One pass over the ranks finds everything the steps ask for: the ranks held once (for the
    // straight windows), the pairs, and the first three and four of a kind.
    unsigned nSingles = 0;
    int nPairs = 0;
    int nHighPairs = 0;
    int nTripsRank = 0;
    int nQuadRank = 0;
    for (int nRank = kLowestRank; nRank <= RANK_ACE; ++nRank) {
        switch (counts.arrRank[nRank]) {
            case 1:
                nSingles |= RankBit(nRank);
                break;
            case 2:
                ++nPairs;
                if (nRank >= RANK_JACK) ++nHighPairs;
                break;
            case 3:
                if (nTripsRank == 0) nTripsRank = nRank;
                break;
            case 4:
                if (nQuadRank == 0) nQuadRank = nRank;
                break;
            default:
                break;
        }
    }
    const bool bFlush = counts.arrSuit[1] == 5 || counts.arrSuit[2] == 5 ||
                        counts.arrSuit[3] == 5 || counts.arrSuit[4] == 5;
    // A window low..low+4 matches when each of its ranks is held exactly once. The ace is bit 14
    // only, so there is no window below 2-6 and A-2-3-4-5 is no straight.
    const bool bStraight =
        (nSingles & (nSingles >> 1) & (nSingles >> 2) & (nSingles >> 3) & (nSingles >> 4)) != 0;
    constexpr unsigned kRoyalRanks = 0x1Fu << 10;

    if (bFlush && (nSingles & kRoyalRanks) == kRoyalRanks) return {ENatural::RoyalFlush, 0};
    if (bStraight && bFlush) return {ENatural::StraightFlush, 0};
    if (bStraight) return {ENatural::Straight, 0};
    if (bFlush) return {ENatural::Flush, 0};
    if (nQuadRank != 0) return {ENatural::FourOfAKind, nQuadRank};

    const int p = (nTripsRank != 0 ? 3 : 0) + nPairs;
    if (p < 2 && nHighPairs == 0) return {ENatural::Nothing, 0};
    switch (p) {
        case 1:
            return {ENatural::Pair, 0};
        case 2:
            return {ENatural::TwoPair, 0};
        case 3:
            return {ENatural::ThreeOfAKind, 0};
        default:
            return {ENatural::FullHouse, 0};  // three of a kind and a pair
    }
}

void CGame::DrawResult(CDC* pDC, POINT ptHand, bool bLarge) const {
    ASSERT(pDC != nullptr);
    if (pDC == nullptr || m_pHand == nullptr || m_pHand->GetSize() == 0) return;
    const CCard* pFirst = m_pHand->GetCard(0);
    // Without a first card there is nothing to take the label's size from.
    if (pFirst == nullptr) return;

    // The label is as wide as the row of cards: large cards stand 4 pixels apart, small ones 1.
    const int nHeight = bLarge ? pFirst->GetLargeHeight() : pFirst->GetSmallHeight();
    const int nWidth = bLarge ? 5 * pFirst->GetLargeWidth() + 16 : 5 * pFirst->GetSmallWidth() + 4;
    const RECT rcBox{ptHand.x, ptHand.y + nHeight + 1, ptHand.x + nWidth, ptHand.y + nHeight + 20};

    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    std::string strName;
    Evaluate(strName);
    if (!strName.empty()) {
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->RoundRect(&rcBox, POINT{3, 3});
        pDC->SelectObject(pOldPen);

        RECT rcText{rcBox.left + 1, rcBox.top + 1, rcBox.right - 1, rcBox.bottom - 1};
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(strName, &rcText, DT_CENTER | DT_VCENTER);
    }
    pen.DeleteObject();
}
