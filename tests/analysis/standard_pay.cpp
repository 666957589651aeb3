#include "standard_pay.h"

#include <algorithm>
#include <array>

#include "model/card.h"
#include "model/hand.h"

namespace {

struct CCounts {
    std::array<int, 15> arrRank{};  // natural cards by rank 2..14
    std::array<int, 5> arrSuit{};   // natural cards by suit code / 100
    int nWild = 0;
    int nNatural = 0;
};

CCounts Count(const CHand* pHand, bool bDeucesWild) {
    CCounts counts;
    for (int i = 0; i < 5; ++i) {
        const CCard* pCard = pHand->GetCard(i);
        if (bDeucesWild && pCard->GetRank() == 2) {
            ++counts.nWild;
            continue;
        }
        ++counts.arrRank[pCard->GetRank()];
        ++counts.arrSuit[pCard->GetSuit() / 100];
        ++counts.nNatural;
    }
    return counts;
}

bool IsFlush(const CCounts& c) {
    return std::any_of(c.arrSuit.begin() + 1, c.arrSuit.end(),
                       [&](int n) { return n == c.nNatural; });
}

// The natural cards are of different ranks and fit in five consecutive ranks, the ace low or
// high; wild cards fill the gaps.
bool IsStraight(const CCounts& c) {
    if (*std::max_element(c.arrRank.begin(), c.arrRank.end()) > 1) return false;
    for (int nLow = 1; nLow <= 10; ++nLow) {
        int nInside = 0;
        for (int r = nLow; r < nLow + 5; ++r) nInside += c.arrRank[r == 1 ? 14 : r];
        if (nInside == c.nNatural) return true;
    }
    return false;
}

bool IsRoyalRanks(const CCounts& c) {
    int nHigh = 0;
    for (int r = 10; r <= 14; ++r) nHigh += c.arrRank[r] == 1 ? 1 : 0;
    return nHigh == c.nNatural;
}

int MostOfOneRank(const CCounts& c) {
    return *std::max_element(c.arrRank.begin(), c.arrRank.end());
}

int PairCount(const CCounts& c) {
    return static_cast<int>(std::count(c.arrRank.begin(), c.arrRank.end(), 2));
}

int StandardPay(const CStandardPays& pays, const CHand* pHand) {
    const CCounts c = Count(pHand, false);
    const bool bFlush = IsFlush(c);
    const bool bStraight = IsStraight(c);
    if (bFlush && bStraight) return IsRoyalRanks(c) ? pays.nRoyalFlush : pays.nStraightFlush;
    const int nMost = MostOfOneRank(c);
    if (nMost == 4) {
        if (c.arrRank[14] == 4) return pays.nFourAces;
        if (c.arrRank[2] == 4 || c.arrRank[3] == 4 || c.arrRank[4] == 4) return pays.nFourLow;
        return pays.nFourHigh;
    }
    const int nPairs = PairCount(c);
    if (nMost == 3) return nPairs == 1 ? pays.nFullHouse : pays.nThreeOfAKind;
    if (bFlush) return pays.nFlush;
    if (bStraight) return pays.nStraight;
    if (nPairs == 2) return pays.nTwoPair;
    if (nPairs == 1) {
        for (int r = 11; r <= 14; ++r)
            if (c.arrRank[r] == 2) return pays.nJacksOrBetter;
    }
    return 0;
}

int DeucesPay(const CHand* pHand) {
    const CCounts c = Count(pHand, true);
    const bool bFlush = IsFlush(c);
    const bool bStraight = IsStraight(c);
    if (c.nWild == 0 && bFlush && bStraight && IsRoyalRanks(c)) return 800;
    if (c.nWild == 4) return 200;
    if (bFlush && bStraight && IsRoyalRanks(c)) return 25;
    const int nMost = MostOfOneRank(c) + c.nWild;
    if (nMost >= 5) return 15;
    if (bFlush && bStraight) return 9;
    if (nMost == 4) return 5;
    const int nPairs = PairCount(c);
    if ((c.nWild == 0 && MostOfOneRank(c) == 3 && nPairs == 1) || (c.nWild == 1 && nPairs == 2))
        return 3;
    if (bFlush) return 2;
    if (bStraight) return 2;
    if (nMost == 3) return 1;
    return 0;
}

}  // namespace

CPayFunction StandardPayFunction(const CStandardPays& pays) {
    return [pays](CHand* pHand) { return StandardPay(pays, pHand); };
}

CPayFunction StandardDeucesWild() {
    return [](CHand* pHand) { return DeucesPay(pHand); };
}
