#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/card_code.h"
#include "analysis/hold_analyzer.h"
#include "analyzers.h"
#include "games/game.h"

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
    EXPECT_TRUE(std::is_sorted(vecProgress.begin(), vecProgress.end()));
}

// Published returns under the best play, to the digits they are published with: of the standard
// full-pay tables, and of the four variants as built (royal flush 250 per coin, no ace-low
// straight), as the README gives them: a change of the rules or of the pay tables shows here.
TEST(GameReturnTest, ReturnsAreThePublishedFigures) {
    struct {
        const char* pszTable;
        const CHoldAnalyzer& analyzer;
        double dPercent, dTolerance;
    } const kCases[] = {
        {"Jacks or Better 9/6", StandardAnalyzer(GAME_JACKS_OR_BETTER), 99.5439, 0.00005},
        {"full-pay Deuces Wild", StandardAnalyzer(GAME_DUCES_WILD), 100.762, 0.0005},
        {"Bonus 8/5", StandardAnalyzer(GAME_BONUS), 99.166, 0.0005},
        {"Double Bonus 10/7", StandardAnalyzer(GAME_DOUBLE_BONUS), 100.1725, 0.00005},
        {"Duces Wild as built", GameAnalyzer(GAME_DUCES_WILD), 99.318339, 5e-7},
        {"Jacks or Better as built", GameAnalyzer(GAME_JACKS_OR_BETTER), 98.075018, 5e-7},
        {"Bonus as built", GameAnalyzer(GAME_BONUS), 97.651246, 5e-7},
        {"Double Bonus as built", GameAnalyzer(GAME_DOUBLE_BONUS), 98.677343, 5e-7},
    };
    for (const auto& c : kCases)
        EXPECT_NEAR(c.analyzer.ComputeReturn().dReturn * 100.0, c.dPercent, c.dTolerance)
            << c.pszTable;
}

}  // namespace
