// What a session can do to a bankroll under best play: sessions played round by round, each
// round drawn from its exact distribution (CRoundModel), many times over.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/round_model.h"

// The most coins a session may start with, and the most rounds it may last.
constexpr int kMaxBankroll = 100000000;
constexpr int kMaxRounds = 100000;

struct CSessionPlan {
    std::int64_t nBankroll = 1000;  // coins at the start
    int nBet = 5;                   // coins a hand
    int nHands = 1;                 // hands a round, of one deal
    int nRounds = 100;              // rounds to play, unless the coins give out first
    int nSessions = 0;              // sessions to play; 0: as many as SessionsFor says
    std::uint64_t nSeed = 1;
};

// As many sessions as take about a second on two cores: more for short ones, up to 100,000,
// at least 2,000.
int SessionsFor(const CSessionPlan& plan);

// A figure worked out from the sessions played, with its standard error.
struct CEstimate {
    double dValue = 0;
    double dError = 0;
};

struct CSessionOutcomes {
    static constexpr std::array<int, 5> kPercents = {5, 25, 50, 75, 95};
    int nSessions = 0;
    // Of the session's result, coins at the end less the bankroll.
    std::array<CEstimate, 5> arrPercentiles;
    CEstimate mean;
    // Exact: the rounds' expected result, as though the coins never gave out.
    double dExpected = 0;
    CEstimate ahead;  // chance to end with more coins than at the start
    // Chance that the coins no longer cover a round's stake before the last round is played.
    CEstimate ruin;
    std::vector<std::int64_t> vecResults;  // every session's, ascending
};

// Stopped (see CStoppableWork), it returns what it has: nSessions tells how many.
CSessionOutcomes PlaySessions(const CRoundModel& model, const CSessionPlan& plan,
                              const CProgressFunction& progress = {});
