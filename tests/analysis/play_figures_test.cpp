// The figures of a table beyond its return, held to published ones, and the round's formula to
// rounds played out card by card.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "analysis/break_even.h"
#include "analysis/play_figures.h"
#include "analyzers.h"
#include "games/game_variants.h"

namespace {

// At 5 coins. Full-pay Deuces Wild has holds tied on expected pay but not on variance: the less
// volatile played gives 25.8346, the other 25.8379.
TEST(PlayFiguresTest, VarianceAndCovarianceAreThePublishedFigures) {
    const struct {
        const char* pszFamily;
        const char* pszTable;
        double dVariance, dCovariance;
    } kCases[] = {
        {"jacks", "9/6", 19.5147, 1.9664},       {"double-double-bonus", "9/6", 41.9850, 4.8090},
        {"deuces", "full-pay", 25.8346, 3.1400}, {"deuces", "not-so-ugly", 25.7803, NAN},
        {"joker", "20/7", 26.2450, NAN},
    };
    for (const auto& c : kCases) {
        const CPayTable& table = Library(GetFamily(c.pszFamily), c.pszTable);
        const CPlayFigures figures = ComputePlayFigures(Counts(table), table, 5);
        EXPECT_NEAR(figures.dVariance, c.dVariance, 0.0001) << table.strName;
        if (!std::isnan(c.dCovariance)) {
            EXPECT_NEAR(figures.dCovariance, c.dCovariance, 0.0001) << table.strName;
        }
        EXPECT_GT(figures.dCovariance, 0.0) << table.strName;
        EXPECT_DOUBLE_EQ(figures.RoundVariance(1), figures.dVariance);
        EXPECT_DOUBLE_EQ(figures.RoundVariance(50),
                         50 * figures.dVariance + 50 * 49 * figures.dCovariance);
    }
}

// Published: Jacks or Better 8/5 breaks even with the royal at 1,734 per coin, the least whole
// pay at which it returns 100 %: 1,733 falls short. A table already over 100 % breaks even below
// its own royal.
TEST(PlayFiguresTest, BreakEvenRoyal) {
    const CPayTable& jacks85 = Library(GetFamily("jacks"), "8/5");
    const double dPay = BreakEvenRoyalPay(Counts(jacks85), jacks85, 5);
    EXPECT_EQ(std::ceil(dPay), 1734) << dPay;
    for (const int nRoyal : {1733, 1734}) {
        CPayTable progressive = jacks85;
        progressive.arrPays[0].fill(nRoyal);
        EXPECT_EQ(Counts(jacks85).ComputeReturn(progressive, 5).dReturn >= 1.0, nRoyal == 1734);
    }
    const CPayTable& deuces = Library(GetFamily("deuces"), "full-pay");
    const double dDeuces = BreakEvenRoyalPay(Counts(deuces), deuces, 5);
    EXPECT_GT(dDeuces, 0);
    EXPECT_LT(dDeuces, 800);
}

// Rounds of 5 hands dealt and drawn card by card, with the engine's best hold: their pays'
// variance is the formula's, within a generous bound. The royal pays little here, so that a
// few thousand rounds measure the variance well.
TEST(PlayFiguresTest, RoundVarianceMatchesRoundsPlayedOut) {
    const CPayTable table =
        MakeFlatPayTable(JacksFamily(), "low royal", kCasinoRules, {25, 25, 15, 9, 6, 4, 3, 2, 1});
    const COutcomeTable& counts = Counts(table);
    const CPlayFigures figures = ComputePlayFigures(counts, table, 5);
    constexpr int kHands = 5, kRounds = 40000;
    std::mt19937_64 random(20261209);
    double dSum = 0, dSquares = 0;
    std::array<int, 52> arrDeck{};
    for (int i = 0; i < 52; ++i) arrDeck[static_cast<std::size_t>(i)] = i;
    for (int nRound = 0; nRound < kRounds; ++nRound) {
        std::shuffle(arrDeck.begin(), arrDeck.end(), random);
        std::array<int, 5> arrDeal;
        std::copy_n(arrDeck.begin(), 5, arrDeal.begin());
        const int nHold = counts.BestHold(arrDeal, table, 5).nHoldMask;
        double dRound = 0;
        for (int nHand = 0; nHand < kHands; ++nHand) {
            std::shuffle(arrDeck.begin() + 5, arrDeck.end(), random);
            int arrHand[5], nNext = 5;
            for (int i = 0; i < 5; ++i)
                arrHand[i] = (nHold >> i) & 1 ? arrDeal[static_cast<std::size_t>(i)]
                                              : arrDeck[static_cast<std::size_t>(nNext++)];
            SortCodes(arrHand, 5);
            dRound += table.Pay(counts.GetScorer().Score(arrHand), 5);
        }
        dSum += dRound;
        dSquares += dRound * dRound;
    }
    const double dMean = dSum / kRounds;
    const double dVariance = dSquares / kRounds - dMean * dMean;
    EXPECT_NEAR(dMean, kHands * figures.gameReturn.dReturn, 0.05);
    EXPECT_NEAR(dVariance / figures.RoundVariance(kHands), 1.0, 0.08)
        << dVariance << " against " << figures.RoundVariance(kHands);
    // Hands of one deal move together: as if independent, the variance would be well less.
    EXPECT_GT(dVariance, 1.1 * kHands * figures.dVariance);
}

}  // namespace
