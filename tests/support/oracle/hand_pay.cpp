#include "support/oracle/hand_pay.h"

#include <algorithm>
#include <bit>

namespace {

// Per coin; a game without a hand pays it 0.
struct CPays {
    int nRoyal, nFourDeuces, nWildRoyal, nFive, nStraightFlush, nFourAces, nFourLow, nFour;
    int nFullHouse, nFlush, nStraight, nThree, nTwoPair, nJacks;
};
constexpr CPays kJacks = {250, 0, 0, 0, 50, 25, 25, 25, 9, 6, 4, 3, 2, 1};
constexpr CPays kBonus = {250, 0, 0, 0, 50, 80, 40, 25, 8, 5, 4, 3, 2, 1};
constexpr CPays kDoubleBonus = {250, 0, 0, 0, 50, 160, 80, 50, 10, 7, 5, 3, 1, 1};
constexpr CPays kDeuces = {250, 200, 25, 15, 9, 5, 5, 5, 3, 2, 2, 1, 0, 0};

// The best of every hand the cards make: deuces, when wild, stand for whatever helps.
int Pay(const CPays& pays, bool bWild, bool bCasino, const int* pCodes) {
    int arrCount[15] = {};
    int nWild = 0;
    unsigned nSuits = 0;
    for (int i = 0; i < 5; ++i) {
        const int nRank = pCodes[i] / 4 + 2;
        if (bWild && nRank == 2) {
            ++nWild;
            continue;
        }
        ++arrCount[nRank];
        nSuits |= 1u << pCodes[i] % 4;
    }
    int nMost = 0, nMostRank = 0, nPairs = 0, nLow = 15, nHigh = 0;
    bool bHighPair = false, bWheelRanks = true;
    for (int r = 2; r <= 14; ++r) {
        if (arrCount[r] == 0) continue;
        nLow = std::min(nLow, r);
        nHigh = r;
        if (arrCount[r] > nMost) nMost = arrCount[r], nMostRank = r;
        if (arrCount[r] == 2) ++nPairs, bHighPair |= r >= 11;
        bWheelRanks &= r <= 5 || r == 14;
    }
    const bool bFlush = std::popcount(nSuits) <= 1;
    const bool bDistinct = nMost <= 1;
    const bool bStraight = bDistinct && (nHigh - nLow <= 4 || (bCasino && bWheelRanks));
    int nPay = 0;
    const auto take = [&nPay](bool bMade, int nPays) {
        if (bMade) nPay = std::max(nPay, nPays);
    };
    take(nWild == 0 && bFlush && bStraight && nLow == 10, bCasino ? 800 : pays.nRoyal);
    take(nWild == 4, pays.nFourDeuces);
    take(nWild > 0 && bFlush && bDistinct && nLow >= 10, pays.nWildRoyal);
    take(nMost + nWild == 5, pays.nFive);
    take(bFlush && bStraight, pays.nStraightFlush);
    take(nMost + nWild >= 4, nMostRank == 14                    ? pays.nFourAces
                             : nMostRank <= 4 && nMostRank != 0 ? pays.nFourLow
                                                                : pays.nFour);
    take((nMost == 3 && nPairs == 1) || (nWild == 1 && nPairs == 2), pays.nFullHouse);
    take(bFlush, pays.nFlush);
    take(bStraight, pays.nStraight);
    take(nMost + nWild >= 3, pays.nThree);
    take(nPairs == 2, pays.nTwoPair);
    take(bHighPair, pays.nJacks);
    return nPay;
}

}  // namespace

COraclePay OraclePay(const std::string& strGame, bool bCasino) {
    const bool bWild = strGame == "deuces";
    const CPays& pays = bWild                       ? kDeuces
                        : strGame == "bonus"        ? kBonus
                        : strGame == "double-bonus" ? kDoubleBonus
                                                    : kJacks;
    return [&pays, bWild, bCasino](const int* pCodes) { return Pay(pays, bWild, bCasino, pCodes); };
}
