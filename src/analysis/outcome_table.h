// How often each category of a variant comes up over the draws of a hold: for every five-card
// hand its category, and for every set of up to four cards the hands holding it counted per
// category. A hold's counts then take 32 look-ups per deal, as its pay does in CDrawTable.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/hold_analyzer.h"

// The most categories a variant has: eleven pay lines and the losing hand.
constexpr int MAX_CATEGORIES = 12;

struct CHoldOutcomes {
    int nHoldMask = 0;         // bit i set: the card at position i of the deal is kept
    int nHeld = 0;             // cards kept, 0 to 5
    std::int64_t nDraws = 0;   // equally likely draws: C(47, 5 - nHeld)
    std::int64_t nPaySum = 0;  // pays per coin of every draw added up
    std::int64_t nPaySquareSum = 0;
    std::array<std::int64_t, MAX_CATEGORIES> arrCounts{};  // draws ending in each category

    // As the strategy ranks holds.
    CHoldValue Value() const;
    // The standard deviation of one hand's pay per coin over the draws.
    double PayDeviation() const;
};

class COutcomeTable {
public:
    // Scores every hand as the variant of the game code does, on every core: a few seconds
    // of work, so callers with a window build it off the window's thread.
    explicit COutcomeTable(int nGame, const CProgressFunction& progress = {});
    COutcomeTable(const COutcomeTable&) = delete;
    COutcomeTable& operator=(const COutcomeTable&) = delete;

    int GetGame() const { return m_nGame; }
    // The pay lines in pay-table order, then the losing hand.
    int GetCategoryCount() const { return m_nCategories; }
    // As the game writes it; "" for the losing hand.
    std::string GetCategoryName(int nCategory) const;
    int GetMultiplier(int nCategory) const;
    // The category index of a five-card hand, codes in ascending order.
    int GetCategory(const int* pSortedCodes) const {
        return m_vecCategory[static_cast<std::size_t>(ColexIndex(pSortedCodes, 5))];
    }

    // The 32 holds of a deal by hold mask; false for a deal that is not five different cards.
    bool CountHolds(const std::array<int, 5>& arrCodes,
                    std::array<CHoldOutcomes, 32>& arrHolds) const;

    // The bytes the table keeps.
    std::size_t GetMemoryBytes() const;

private:
    void BuildCounts(int nCount);

    int m_nGame;
    int m_nCategories;
    std::array<int, MAX_CATEGORIES> m_arrMultiplier{};     // by category; the losing hand's is 0
    std::vector<std::uint8_t> m_vecCategory;               // by slot of the five-card hand
    std::array<std::vector<std::int32_t>, 5> m_vecCounts;  // [k][slot * categories + category]
};
