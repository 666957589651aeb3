// The one counting engine: for a family and its rules, how many draws of every hold of every
// deal end in each category. What the hands holding a set of cards make depends only on the
// set's kind (its ranks, and whether its natural cards share a suit), so the hands holding a
// set of each kind are counted per category, a few thousand kinds in all; a hold's counts then
// take 32 look-ups per deal. A pay table applies to the counts when asked, so a new pay table
// costs no new table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/card_code.h"
#include "analysis/hand_scorer.h"
#include "analysis/hold_value.h"
#include "games/family.h"
#include "games/pay_table.h"
#include "work/parallel_for.h"

// The most outcomes a family has: its categories and the losing hand.
constexpr int MAX_OUTCOMES = MAX_CATEGORIES + 1;

struct CHoldOutcomes {
    int nHoldMask = 0;         // bit i set: the card at position i of the deal is kept
    int nHeld = 0;             // cards kept, 0 to 5
    std::int64_t nDraws = 0;   // equally likely draws: C(unseen cards, 5 - nHeld)
    std::int64_t nPaySum = 0;  // pays per coin of every draw added up
    std::int64_t nPaySquareSum = 0;
    std::array<std::int64_t, MAX_OUTCOMES> arrCounts{};  // draws ending in each outcome

    // As the strategy ranks holds.
    CHoldValue Value() const;
    // The standard deviation of one hand's pay per coin over the draws.
    double PayDeviation() const;
};

class COutcomeTable;

// A pay table applied to the counts at a bet: what every hold of any deal is expected to pay,
// exactly, in 32 look-ups per deal. It reads the counts, so it lives no longer than they do.
class CHoldPays {
public:
    // Each hold's expected pay per coin times the table's GetDrawLcm(), a whole number, by mask
    // over the five codes (ascending, different, of the table's deck).
    void HoldValues(const int* pSortedCodes, std::int64_t* pValues) const;
    // The same for each hold's expected pay squared: what its variance is worked out from.
    void HoldSquareValues(const int* pSortedCodes, std::int64_t* pValues) const;
    std::int64_t Pay(int nOutcome) const { return m_arrPays[static_cast<std::size_t>(nOutcome)]; }
    const COutcomeTable& GetTable() const { return m_table; }

private:
    friend class COutcomeTable;
    explicit CHoldPays(const COutcomeTable& table) : m_table(table) {}
    using CSums = std::array<std::vector<std::int64_t>, 5>;
    void Values(const int* pSortedCodes, const CSums& sums, bool bSquare,
                std::int64_t* pValues) const;

    const COutcomeTable& m_table;
    std::array<std::int64_t, MAX_OUTCOMES> m_arrPays{};
    // [k][slot of a kind]: the pays of every hand holding a k-card set (up to four cards) of
    // that kind added up.
    CSums m_arrSums;
    CSums m_arrSquareSums;                     // the same of the pays squared
    std::array<std::int64_t, 6> m_arrScale{};  // the draw LCM over the draws, by cards held
};

class COutcomeTable {
public:
    // Counts the kinds of sets: a few milliseconds, the first table of a family and rules also
    // asking the classifier once per kind of hand.
    COutcomeTable(const CFamily& family, const CRules& rules,
                  const CProgressFunction& progress = {});
    COutcomeTable(const COutcomeTable&) = delete;
    COutcomeTable& operator=(const COutcomeTable&) = delete;

    const CFamily& GetFamily() const { return *m_pFamily; }
    // Cards in the deck, hands of five of them (deals), and the cards a hold draws from.
    int GetCards() const { return m_nCards; }
    std::int64_t GetDeals() const { return Binomial(m_nCards, 5); }
    int GetUnseen() const { return m_nCards - 5; }
    // What hold values are scaled by: the least common multiple of the draw counts.
    std::int64_t GetDrawLcm() const { return DrawLcm(GetUnseen()); }
    // Whether five codes are a deal of this deck: different cards, each in it.
    bool IsDeal(const std::array<int, 5>& arrCodes) const;
    const CRules& GetRules() const { return m_rules; }
    // Whether a pay table is played on these counts.
    bool Fits(const CPayTable& table) const {
        return table.pFamily == m_pFamily && table.rules == m_rules;
    }
    // The family's categories in pay-table order, then the losing hand.
    int GetCategoryCount() const { return m_nCategories + 1; }
    // As the family writes it; "" for the losing hand.
    std::string GetCategoryName(int nOutcome) const;
    // What tells each hand's outcome and each set's kind.
    const CHandScorer& GetScorer() const { return m_scorer; }

    // The 32 holds of a deal by hold mask, paid by the table at the bet (which must fit these
    // counts); false for a deal that is not five different cards.
    bool CountHolds(const std::array<int, 5>& arrCodes, const CPayTable& table, int nBet,
                    std::array<CHoldOutcomes, 32>& arrHolds) const;
    // The 32 holds ranked by IsBetterHold; empty for a bad deal.
    std::vector<CHoldValue> RankHolds(const std::array<int, 5>& arrCodes, const CPayTable& table,
                                      int nBet) const;
    // The first of RankHolds; a hold of nothing with no draws for a bad deal.
    CHoldValue BestHold(const std::array<int, 5>& arrCodes, const CPayTable& table, int nBet) const;
    // The return per coin with the best hold on each deal of the deck, on every core:
    // one deal of each class of deals equal up to suits, weighted by the class's size.
    CGameReturn ComputeReturn(const CPayTable& table, int nBet,
                              const CProgressFunction& progress = {}) const;
    // The table (which must fit these counts) applied at the bet: a few milliseconds.
    CHoldPays ApplyPays(const CPayTable& table, int nBet) const;

    // The bytes the table keeps.
    std::size_t GetMemoryBytes() const;

private:
    void BuildCounts(int nCount);
    // The hands holding a set of nCount cards of the slot's kind, counted per paying category.
    template <typename Visit>
    void ForSetCounts(int nCount, std::size_t nSlot, Visit visit) const;

    const CFamily* m_pFamily;
    int m_nCards;  // in the deck: 52, or 53 with the joker
    CRules m_rules;
    int m_nCategories;  // paying categories; the losing hand is the next
    const CHandScorer& m_scorer;
    std::array<std::vector<std::uint32_t>, 5> m_arrCounts;  // [k][slot * categories + category]
};
