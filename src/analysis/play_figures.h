// How a table pays over time under best play, beyond its return: the variance of one hand's
// pay, and how the hands of one deal move together, which makes a round of many hands swing
// far more than as many hands of their own deals.
#pragma once

#include "analysis/outcome_table.h"

struct CPlayFigures {
    CGameReturn gameReturn;  // as ComputeReturn gives it
    // Of one hand's pay per coin bet, in coins per coin squared: the best hold played on each
    // deal, and of holds that tie on expected pay the less volatile one.
    double dVariance = 0.0;
    // Of two hands of one deal: the variance over deals of a hand's expected pay given the deal.
    double dCovariance = 0.0;

    // Of the total pay of nHands hands of one deal per coin bet on each:
    // nHands σ² + nHands (nHands - 1) c.
    double RoundVariance(int nHands) const;
    double RoundDeviation(int nHands) const;
};

// One pass over the classes of deals, on every core: about twice ComputeReturn's time.
CPlayFigures ComputePlayFigures(const COutcomeTable& counts, const CPayTable& table, int nBet,
                                const CProgressFunction& progress = {});

// Of the deal's 32 holds (values and squares as CHoldPays gives them), the one played: the
// highest expected pay, and of those tied on it the smallest expected square.
int PlayedHold(const std::int64_t* pValues, const std::int64_t* pSquares);
