#include "analysis/session_outcomes.h"

#include <algorithm>
#include <cmath>

int SessionsFor(const CSessionPlan& plan) {
    // About 10^8 hands drawn a second on two cores.
    const double dHands = static_cast<double>(plan.nRounds) * plan.nHands;
    return static_cast<int>(std::clamp(1.2e8 / std::max(dHands, 1.0), 2000.0, 100000.0));
}

namespace {

// The session's result in coins, and whether the coins gave out before the end.
std::int64_t PlaySession(const CRoundModel& model, const CSessionPlan& plan, CRandomBits& random,
                         bool& bRuined) {
    const std::int64_t nStake = static_cast<std::int64_t>(plan.nBet) * plan.nHands;
    std::int64_t nCoins = plan.nBankroll;
    bRuined = false;
    for (int nRound = 0; nRound < plan.nRounds; ++nRound) {
        if (nCoins < nStake) {
            bRuined = true;
            break;
        }
        nCoins += plan.nBet * model.DrawRound(random, plan.nHands) - nStake;
    }
    return nCoins - plan.nBankroll;
}

CEstimate Chance(std::int64_t nCount, int nSessions) {
    const double p = static_cast<double>(nCount) / nSessions;
    return {p, std::sqrt(p * (1.0 - p) / nSessions)};
}

// The order statistic of the percentile, its error half the span of the ranks one standard
// deviation of the binomial either side.
CEstimate Percentile(const std::vector<std::int64_t>& vecSorted, double dShare) {
    const double dCount = static_cast<double>(vecSorted.size());
    const double dRank = dShare * (dCount - 1.0);
    const double dSpread = std::sqrt(dCount * dShare * (1.0 - dShare));
    const auto at = [&](double dAt) {
        return static_cast<double>(
            vecSorted[static_cast<std::size_t>(std::clamp(std::round(dAt), 0.0, dCount - 1.0))]);
    };
    return {at(dRank), (at(dRank + dSpread) - at(dRank - dSpread)) / 2.0};
}

}  // namespace

CSessionOutcomes PlaySessions(const CRoundModel& model, const CSessionPlan& plan,
                              const CProgressFunction& progress) {
    const int nSessions = plan.nSessions > 0 ? plan.nSessions : SessionsFor(plan);
    std::vector<std::int64_t> vecResults(static_cast<std::size_t>(nSessions));
    std::vector<char> vecRuined(static_cast<std::size_t>(nSessions), 0);
    std::vector<char> vecPlayed(static_cast<std::size_t>(nSessions), 0);
    ParallelFor(
        nSessions, 64,
        [&](int nBegin, int nEnd) {
            for (int i = nBegin; i < nEnd; ++i) {
                // Each session its own stream, so the outcome does not depend on the threads.
                CRandomBits random(plan.nSeed * 0x100000001b3u + static_cast<std::uint64_t>(i));
                bool bRuined = false;
                const std::size_t n = static_cast<std::size_t>(i);
                vecResults[n] = PlaySession(model, plan, random, bRuined);
                vecRuined[n] = bRuined;
                vecPlayed[n] = 1;
            }
        },
        progress);

    CSessionOutcomes outcomes;
    std::int64_t nAhead = 0, nRuined = 0;
    double dSum = 0, dSquares = 0;
    for (std::size_t i = 0; i < vecResults.size(); ++i) {
        if (!vecPlayed[i]) continue;
        const std::int64_t n = vecResults[i];
        outcomes.vecResults.push_back(n);
        nAhead += n > 0;
        nRuined += vecRuined[i];
        dSum += static_cast<double>(n);
        dSquares += static_cast<double>(n) * static_cast<double>(n);
    }
    const int nPlayed = static_cast<int>(outcomes.vecResults.size());
    outcomes.nSessions = nPlayed;
    outcomes.dExpected =
        static_cast<double>(plan.nRounds) * plan.nHands * plan.nBet * (model.GetMean() - 1.0);
    if (nPlayed == 0) return outcomes;
    std::sort(outcomes.vecResults.begin(), outcomes.vecResults.end());
    for (std::size_t i = 0; i < outcomes.arrPercentiles.size(); ++i)
        outcomes.arrPercentiles[i] =
            Percentile(outcomes.vecResults, CSessionOutcomes::kPercents[i] / 100.0);
    const double dMean = dSum / nPlayed;
    outcomes.mean = {dMean, std::sqrt(std::max(0.0, dSquares / nPlayed - dMean * dMean) / nPlayed)};
    outcomes.ahead = Chance(nAhead, nPlayed);
    outcomes.ruin = Chance(nRuined, nPlayed);
    return outcomes;
}
