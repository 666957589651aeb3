// The exact distribution of one round under best play: a deal, then the hands drawn to the best
// hold of it, which given the deal are independent of one another. Deals whose best holds end
// alike (the same chances of each pay) are one entry, so a round is drawn in one look-up for
// the deal and one per hand.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/outcome_table.h"

// Chooses among n outcomes with given chances in one step (Walker's alias method): a 64-bit
// random number picks a column with its high half and the column's outcome or its alias with
// its low half.
class CAliasTable {
public:
    CAliasTable() = default;
    explicit CAliasTable(const std::vector<double>& vecWeights);
    int Draw(std::uint64_t nRandom) const {
        const std::size_t n = static_cast<std::size_t>(((nRandom >> 32) * m_vecCut.size()) >> 32);
        return (nRandom & 0xffffffffu) < m_vecCut[n] ? static_cast<int>(n) : m_vecAlias[n];
    }

private:
    std::vector<std::uint64_t> m_vecCut;  // below it the column's own outcome, scaled to 2^32
    std::vector<int> m_vecAlias;
};

// A small, quick generator of random numbers (xoshiro256**), seeded through splitmix64, so a
// session can be played again from its seed.
class CRandomBits {
public:
    explicit CRandomBits(std::uint64_t nSeed);
    std::uint64_t Next();

private:
    std::uint64_t m_arrState[4];
};

// What a hand pays per coin once the deal is known: one entry per way the best holds end.
struct CHandOutcomes {
    std::vector<int> vecPays;
    std::vector<double> vecChances;
    double dDeals = 0;  // how many of the deck's deals end this way
};

class CRoundModel {
public:
    // One pass over the classes of deals, on every core, counting the played hold of each (the
    // best, of tied holds the less volatile).
    CRoundModel(const COutcomeTable& counts, const CPayTable& table, int nBet,
                const CProgressFunction& progress = {});

    // The total pay of nHands hands of one random deal, per coin bet on each.
    std::int64_t DrawRound(CRandomBits& random, int nHands) const;
    const std::vector<CHandOutcomes>& GetOutcomes() const { return m_vecOutcomes; }
    // Expected pay of a hand per coin bet; its variance; the covariance of two hands of a deal.
    double GetMean() const { return m_dMean; }
    double GetVariance() const { return m_dVariance; }
    double GetCovariance() const { return m_dCovariance; }

private:
    std::vector<CHandOutcomes> m_vecOutcomes;
    CAliasTable m_deals;
    std::vector<CAliasTable> m_vecHands;
    double m_dMean = 0, m_dVariance = 0, m_dCovariance = 0;
};
