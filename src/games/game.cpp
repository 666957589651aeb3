#include "games/game.h"

#include <algorithm>
#include <bit>

#include "model/card.h"
#include "model/hand.h"
#include "platform/dc.h"

IMPLEMENT_DYNAMIC(CGame, CObject)

namespace {

constexpr int kCardsInHand = 5;
constexpr int kLowestRank = 2;

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
    // The cards are fetched first and counted after, so that the counting runs in registers
    // without calls in between.
    const CCard* arrCards[kCardsInHand] = {};
    if (m_pHand != nullptr) {
        const int nSize = m_pHand->GetSize();
        ASSERT(nSize == kCardsInHand);
        // Only positions that exist are read, so a short hand is asked for nothing it lacks.
        const int nCards = std::min(nSize, kCardsInHand);
        for (int i = 0; i < nCards; ++i) arrCards[i] = m_pHand->GetCard(i);
    }

    // The ranks held at least once, twice, ... five times.
    unsigned n1 = 0, n2 = 0, n3 = 0, n4 = 0, n5 = 0;
    // Four bits of count per suit index 0 to 4; index 0 takes what must not count.
    unsigned nSuits = 0;
    int nRanked = 0;
    int nDeuces = 0;
    for (const CCard* pCard : arrCards) {
        if (pCard == nullptr) continue;
        const int nRank = pCard->GetRank();
        const int nSuit = pCard->GetSuit() / 100;
        const bool bRanked = nRank >= kLowestRank && nRank <= RANK_ACE;
        const unsigned nBit = bRanked ? 1u << nRank : 0u;
        n5 |= n4 & nBit;
        n4 |= n3 & nBit;
        n3 |= n2 & nBit;
        n2 |= n1 & nBit;
        n1 |= nBit;
        nRanked += bRanked ? 1 : 0;
        nDeuces += nRank == 2 ? 1 : 0;
        const bool bSuited = nSuit >= 1 && nSuit <= 4 && !(bDeucesWild && nRank == 2);
        nSuits += 1u << (4 * (bSuited ? nSuit : 0));
    }

    CCounts counts;
    for (int i = 0; i < 5; ++i) counts.arrSuit[i] = static_cast<int>((nSuits >> (4 * i)) & 0xF);
    counts.arrRanksHeld[0] = RANKS_ALL & ~n1;
    counts.arrRanksHeld[1] = n1 & ~n2;
    counts.arrRanksHeld[2] = n2 & ~n3;
    counts.arrRanksHeld[3] = n3 & ~n4;
    counts.arrRanksHeld[4] = n4 & ~n5;
    counts.arrRanksHeld[5] = n5;
    counts.nRanked = nRanked;
    counts.nDeuces = nDeuces;
    return counts;
}

CGame::CNatural CGame::ClassifyNatural() const {
    const CCounts counts = CountCards(false);
    const unsigned nSingles = counts.arrRanksHeld[1];
    const unsigned nPairs = counts.arrRanksHeld[2];
    constexpr unsigned kHighRanks = 0xFu << RANK_JACK;
    constexpr unsigned kRoyalRanks = 0x1Fu << 10;

    const bool bFlush = counts.arrSuit[1] == 5 || counts.arrSuit[2] == 5 ||
                        counts.arrSuit[3] == 5 || counts.arrSuit[4] == 5;
    // A window low..low+4 matches when each of its ranks is held exactly once. The ace is bit 14
    // only, so there is no window below 2-6 and A-2-3-4-5 is no straight.
    const bool bStraight =
        (nSingles & (nSingles >> 1) & (nSingles >> 2) & (nSingles >> 3) & (nSingles >> 4)) != 0;

    if (bFlush && (nSingles & kRoyalRanks) == kRoyalRanks) return {ENatural::RoyalFlush, 0};
    if (bStraight && bFlush) return {ENatural::StraightFlush, 0};
    if (bStraight) return {ENatural::Straight, 0};
    if (bFlush) return {ENatural::Flush, 0};
    // The lowest rank held four times is the first that an upward scan meets.
    if (counts.arrRanksHeld[4] != 0) {
        return {ENatural::FourOfAKind, std::countr_zero(counts.arrRanksHeld[4])};
    }

    const int p = (counts.arrRanksHeld[3] != 0 ? 3 : 0) + CountRanks(nPairs);
    if (p < 2 && (nPairs & kHighRanks) == 0) return {ENatural::Nothing, 0};
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

    // The label is as wide as the row of cards.
    const int nHeight = bLarge ? pFirst->GetLargeHeight() : pFirst->GetSmallHeight();
    const int nWidth = bLarge ? HAND_LARGE_WIDTH : HAND_SMALL_WIDTH;
    const RECT rcBox{ptHand.x, ptHand.y + nHeight + LABEL_TOP, ptHand.x + nWidth,
                     ptHand.y + nHeight + LABEL_BOTTOM};

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

int CGame::ScoreNatural(std::span<const CPayLine> lines, std::string& strName) const {
    const bool bSplitQuads = lines.size() == 12;
    ASSERT(lines.size() == 10 || bSplitQuads);
    if (lines.size() != 10 && !bSplitQuads) {
        strName.clear();
        return 0;
    }
    const CNatural natural = ClassifyNatural();
    // The line in the ten-line order...
    int nLine = 9;
    switch (natural.eCategory) {
        case ENatural::RoyalFlush:
            nLine = 0;
            break;
        case ENatural::StraightFlush:
            nLine = 1;
            break;
        case ENatural::FourOfAKind:
            nLine = 2;
            break;
        case ENatural::FullHouse:
            nLine = 3;
            break;
        case ENatural::Flush:
            nLine = 4;
            break;
        case ENatural::Straight:
            nLine = 5;
            break;
        case ENatural::ThreeOfAKind:
            nLine = 6;
            break;
        case ENatural::TwoPair:
            nLine = 7;
            break;
        case ENatural::Pair:
            nLine = 8;
            break;
        case ENatural::Nothing:
            break;
    }
    // ... where the split four of a kind takes three lines in place of one.
    if (bSplitQuads && natural.eCategory == ENatural::FourOfAKind) {
        nLine += natural.nQuadRank == RANK_ACE ? 0 : natural.nQuadRank <= 4 ? 1 : 2;
    } else if (bSplitQuads && nLine > 2) {
        nLine += 2;
    }
    const CPayLine& line = lines[static_cast<std::size_t>(nLine)];
    strName = line.pszName;
    return line.nMultiplier;
}
