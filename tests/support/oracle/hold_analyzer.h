// A second, independent count for the tests: the exact expected pay of every hold of a deal and
// the return of a pay function played with the best hold, from the pays of every hand summed per
// set of held cards, with no categories in between.
#pragma once

#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "analysis/hold_value.h"
#include "support/oracle/draw_table.h"

class CHoldAnalyzer {
public:
    // Scores every hand as the variant of the game code does (see GamePayFunction).
    explicit CHoldAnalyzer(int nGame, const CProgressFunction& progress = {});
    explicit CHoldAnalyzer(const CPayFunction& payFunction, const CProgressFunction& progress = {});

    // The 32 holds of a deal, ranked by IsBetterHold; empty for a deal that is not five
    // different cards.
    std::vector<CHoldValue> AnalyzeDeal(const std::array<int, 5>& arrCodes) const;

    // The return to the player with the best hold on each of the 2,598,960 deals, on every
    // core: one deal of each class of deals equal up to suits, weighted by the class's size.
    CGameReturn ComputeReturn(const CProgressFunction& progress = {}) const;

private:
    // The 32 holds, unranked, in the order of hold masks; false for a bad deal.
    bool ValueHolds(const std::array<int, 5>& arrCodes, std::array<CHoldValue, 32>& arrHolds) const;
    // Pays summed over the draws of each hold of a sorted deal, by mask of sorted positions.
    void SumHolds(const int* pSortedCodes, std::int64_t* pSums) const;

    CDrawTable m_table;
};
