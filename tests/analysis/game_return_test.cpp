#include <gtest/gtest.h>

#include "analysis/card_code.h"
#include "analysis/hold_analyzer.h"
#include "games/game.h"
#include "shared_analyzers.h"

namespace {

// Hold an ace when one is dealt (it always pays), else draw five. So the return is 1 less the
// chance that neither the deal nor the draw of five from the 47 unseen holds an ace.
TEST(GameReturnTest, AnyAceGameReturnIsCountedExactly) {
    std::vector<double> vecProgress;
    const CGameReturn result =
        AnyAceAnalyzer().ComputeReturn([&](double dDone) { vecProgress.push_back(dDone); });
    const double dNoAce = static_cast<double>(Binomial(48, 5)) * Binomial(43, 5) /
                          (static_cast<double>(Binomial(52, 5)) * Binomial(47, 5));
    EXPECT_NEAR(result.dReturn, 1.0 - dNoAce, 1e-14);
    EXPECT_EQ(result.nDenominator, 7669695LL * 2598960LL);
    EXPECT_DOUBLE_EQ(static_cast<double>(result.nNumerator) / result.nDenominator, result.dReturn);
    ASSERT_FALSE(vecProgress.empty());
    EXPECT_EQ(vecProgress.back(), 1.0);
    for (size_t i = 1; i < vecProgress.size(); ++i) EXPECT_LE(vecProgress[i - 1], vecProgress[i]);
}

double ReturnPercent(const CHoldAnalyzer& analyzer) {
    return analyzer.ComputeReturn().dReturn * 100.0;
}

// Published returns of the standard full-pay tables under the best play, to the digits they
// are published with.
TEST(GameReturnTest, StandardJacksOrBetter96Returns995439) {
    EXPECT_NEAR(ReturnPercent(StandardJacksOrBetterAnalyzer()), 99.5439, 0.00005);
}

TEST(GameReturnTest, StandardFullPayDeucesWildReturns100762) {
    EXPECT_NEAR(ReturnPercent(StandardDeucesWildAnalyzer()), 100.762, 0.0005);
}

TEST(GameReturnTest, StandardBonus85Returns99166) {
    EXPECT_NEAR(ReturnPercent(StandardBonusAnalyzer()), 99.166, 0.0005);
}

TEST(GameReturnTest, StandardDoubleBonus107Returns1001725) {
    EXPECT_NEAR(ReturnPercent(StandardDoubleBonusAnalyzer()), 100.1725, 0.00005);
}

// The returns of the game as built (royal flush 250 per coin, no ace-low straight), as the
// README gives them: a change of the rules or of the pay tables must show up here.
TEST(GameReturnTest, TheFourVariantsAsBuiltReturnTheFiguresPublishedForThem) {
    EXPECT_NEAR(ReturnPercent(GameAnalyzer(GAME_DUCES_WILD)), 99.318339, 5e-7);
    EXPECT_NEAR(ReturnPercent(GameAnalyzer(GAME_JACKS_OR_BETTER)), 98.075018, 5e-7);
    EXPECT_NEAR(ReturnPercent(GameAnalyzer(GAME_BONUS)), 97.651246, 5e-7);
    EXPECT_NEAR(ReturnPercent(GameAnalyzer(GAME_DOUBLE_BONUS)), 98.677343, 5e-7);
}

}  // namespace
