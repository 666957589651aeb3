// A second, independent count for the tests: every hand read by the plain reading of hand_pay.h
// and its pay summed per set of cards it holds; a hold's draws are the hands that hold its cards
// and none of the deal's others (inclusion and exclusion over those sets). It shares nothing with
// the engine but the card codes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "support/oracle/hand_pay.h"

// Calls visit with every set of five codes below nCards, ascending, once each.
void ForEveryHand(int nCards, const std::function<void(const int* pHand)>& visit);

struct COracleHold {
    int nHoldMask = 0;  // bit i: the card dealt at i is kept
    int nHeld = 0;
    std::int64_t nPaySum = 0;  // over every draw
    std::int64_t nDraws = 0;
};

struct COracleReturn {
    std::int64_t nNumerator = 0;  // over the least common multiple of the draw counts
    std::int64_t nDenominator = 1;
};

class CHoldAnalyzer {
public:
    explicit CHoldAnalyzer(COraclePay pay);

    // The 32 holds of five different codes below 52, the higher expected pay first, then the
    // more cards kept; empty for anything else.
    std::vector<COracleHold> AnalyzeDeal(const std::array<int, 5>& arrCodes) const;
    // The return with the best hold on each of the 2,598,960 deals, every one of them counted.
    COracleReturn ComputeReturn() const;

private:
    // By mask of positions in the ascending deal: the pays of the hands holding exactly those
    // of its cards.
    void ExactSums(const int* pSorted, std::int64_t* pExact) const;

    COraclePay m_pay;
    std::array<std::vector<std::int64_t>, 5> m_vecSums;  // [k]: by index of each k-card set
};
