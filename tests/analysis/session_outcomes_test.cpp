// Sessions drawn from the exact round: the round's figures agree with the engine's, and the
// chance of ruin of a two-point gamble is the closed form's.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/play_figures.h"
#include "analysis/session_outcomes.h"
#include "analyzers.h"

namespace {

// The round model sums the same deals as the figures: its moments are theirs, and rounds drawn
// from it have the round formula's mean and variance.
TEST(SessionOutcomesTest, RoundModelHasTheEnginesFigures) {
    const CPayTable& table = Library(GetFamily("deuces"), "full-pay");
    const CRoundModel model(Counts(table), table, 5);
    const CPlayFigures figures = ComputePlayFigures(Counts(table), table, 5);
    EXPECT_NEAR(model.GetMean(), figures.gameReturn.dReturn, 1e-12);
    EXPECT_NEAR(model.GetVariance(), figures.dVariance, 1e-9);
    EXPECT_NEAR(model.GetCovariance(), figures.dCovariance, 1e-9);
    double dDeals = 0;
    for (const CHandOutcomes& outcomes : model.GetOutcomes()) dDeals += outcomes.dDeals;
    EXPECT_EQ(dDeals, 2598960.0);

    // Rounds drawn from it, of a table whose royal pays little so that the sample is steady.
    const CPayTable lowRoyal =
        MakeFlatPayTable(JacksFamily(), "low royal", kCasinoRules, {25, 25, 15, 9, 6, 4, 3, 2, 1});
    const CRoundModel lowModel(Counts(lowRoyal), lowRoyal, 5);
    CRandomBits random(7);
    constexpr int kHands = 10, kRounds = 400000;
    double dSum = 0, dSquares = 0;
    for (int i = 0; i < kRounds; ++i) {
        const double d = static_cast<double>(lowModel.DrawRound(random, kHands));
        dSum += d;
        dSquares += d * d;
    }
    const double dMean = dSum / kRounds, dVariance = dSquares / kRounds - dMean * dMean;
    const CPlayFigures lowFigures = ComputePlayFigures(Counts(lowRoyal), lowRoyal, 5);
    EXPECT_NEAR(dMean / kHands, lowFigures.gameReturn.dReturn, 0.002);
    EXPECT_NEAR(dVariance / lowFigures.RoundVariance(kHands), 1.0, 0.02);
}

// log C(n, k) p^k q^(n - k).
double LogBinomialChance(int n, int k, double p) {
    return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
           k * std::log(p) + (n - k) * std::log1p(-p);
}

// A table paying only two pair, 6 per coin, one hand of 1 coin: each round wins 5 with the
// chance p of two pair under best play or loses 1. Such a walk steps down by one at most, so
// it first reaches -B at round n with chance B/n P(S_n = -B) (the hitting time theorem), and
// the coins give out before the end when that happens before the last round.
TEST(SessionOutcomesTest, RuinOfATwoPointGambleIsTheClosedForm) {
    const CPayTable table =
        MakeFlatPayTable(JacksFamily(), "two pair", kCasinoRules, {0, 0, 0, 0, 0, 0, 0, 6, 0});
    const CRoundModel model(Counts(table), table, 1);
    const double p = model.GetMean() / 6.0;
    CSessionPlan plan;
    plan.nBankroll = 30;
    plan.nBet = 1;
    plan.nRounds = 300;
    plan.nSessions = 40000;
    plan.nSeed = 35;
    double dRuin = 0;
    for (int n = 1; n < plan.nRounds; ++n) {
        const int nWins = n - static_cast<int>(plan.nBankroll);
        if (nWins < 0 || nWins % 6 != 0) continue;
        dRuin +=
            static_cast<double>(plan.nBankroll) / n * std::exp(LogBinomialChance(n, nWins / 6, p));
    }
    const CSessionOutcomes outcomes = PlaySessions(model, plan);
    ASSERT_EQ(outcomes.nSessions, 40000);
    EXPECT_GT(dRuin, 0.2);
    EXPECT_LT(dRuin, 0.8) << p;
    EXPECT_NEAR(outcomes.ruin.dValue, dRuin, 4 * outcomes.ruin.dError) << p;
    // Every round wins 5 or loses 1, and no session loses more than the bankroll.
    for (const std::int64_t nResult : outcomes.vecResults) {
        EXPECT_EQ(nResult % 6, 0) << nResult;
        EXPECT_GE(nResult, -30);
    }
}

}  // namespace
