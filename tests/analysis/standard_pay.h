// The standard full-pay tables whose returns are published: royal flush 800 per coin and
// A-2-3-4-5 a straight, unlike the game. Only the tests score with them.
#pragma once

#include "analysis/pay_function.h"

// Pays of a table without wild cards, per coin.
struct CStandardPays {
    int nRoyalFlush;
    int nStraightFlush;
    int nFourAces;
    int nFourLow;   // four 2s, 3s or 4s
    int nFourHigh;  // four 5s to kings
    int nFullHouse;
    int nFlush;
    int nStraight;
    int nThreeOfAKind;
    int nTwoPair;
    int nJacksOrBetter;
};

constexpr CStandardPays kJacksOrBetter96 = {800, 50, 25, 25, 25, 9, 6, 4, 3, 2, 1};
constexpr CStandardPays kBonus85 = {800, 50, 80, 40, 25, 8, 5, 4, 3, 2, 1};
constexpr CStandardPays kDoubleBonus107 = {800, 50, 160, 80, 50, 10, 7, 5, 3, 1, 1};

CPayFunction StandardPayFunction(const CStandardPays& pays);
// Full-pay Deuces Wild: natural royal 800, four deuces 200, wild royal 25, five of a kind 15,
// straight flush 9, four of a kind 5, full house 3, flush 2, straight 2, three of a kind 1.
CPayFunction StandardDeucesWild();
