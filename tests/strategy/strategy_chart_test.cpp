#include "strategy/strategy_chart.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <sstream>
#include <utility>

#include "analysis/analyzers.h"
#include "analysis/outcome_cache.h"
#include "games/game.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "strategy/chart_cache.h"
#include "support/golden.h"

namespace {

std::string Held(const std::array<int, 5>& arrCodes, int nMask) {
    std::string str;
    for (int i = 0; i < 5; ++i)
        if (nMask & (1 << i)) {
            if (!str.empty()) str += ' ';
            str += CardCodeText(arrCodes[static_cast<std::size_t>(i)]);
        }
    return str.empty() ? "-" : str;
}

// Decisions every published chart of Jacks or Better 9/6 agrees on: golden/jacks_96_holds.txt.
TEST(StrategyChartTest, JacksOrBetterNineSixHoldsAsEveryPublishedChart) {
    const auto pChart = SharedStrategyChart(Library(GetFamily("jacks"), "9/6"), 5);
    ASSERT_NE(pChart, nullptr);
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/jacks_96_holds.txt");
    EXPECT_GE(cases.size(), 11u);
    for (const std::vector<std::string>& c : cases) {
        ASSERT_GE(c.size(), 2u) << c[0];
        const std::array<int, 5> arrDeal = Codes(c[0]);
        const CChartChoice choice = pChart->Choose(arrDeal);
        ASSERT_GE(choice.nLine, 0) << c[0];
        EXPECT_EQ(Held(arrDeal, choice.nHoldMask), c[1])
            << c[0] << ": line " << choice.nLine + 1 << " "
            << pChart->GetLines()[static_cast<std::size_t>(choice.nLine)].strName;
        EXPECT_EQ(pChart->LineOfHold(arrDeal, choice.nHoldMask), choice.nLine);
    }
    const CChartChoice bad = pChart->Choose(Codes("As As Qs Js 9s"));
    EXPECT_EQ(bad.nLine, -1);
}

// The chart's holds valued by the independent count, on deals drawn with a fixed seed, agree
// with the engine's figures, and its lines add up to the chart's return.
TEST(StrategyChartTest, AChartsFiguresAgreeWithAnIndependentCount) {
    const CPayTable& table = AsBuiltPayTable(GAME_JACKS_OR_BETTER);
    const auto pChart = SharedStrategyChart(table, 1);
    ASSERT_NE(pChart, nullptr);
    const CHoldAnalyzer oracle(OraclePay("jacks", false));
    const auto pCounts = SharedOutcomeTable(table.Family(), table.rules);
    std::mt19937 random(20261208);
    for (int nDeal = 0; nDeal < 300; ++nDeal) {
        std::vector<int> vecDeck(CARD_CODES);
        for (int i = 0; i < CARD_CODES; ++i) vecDeck[static_cast<std::size_t>(i)] = i;
        std::shuffle(vecDeck.begin(), vecDeck.end(), random);
        std::array<int, 5> arrDeal;
        std::copy_n(vecDeck.begin(), 5, arrDeal.begin());
        const CChartChoice choice = pChart->Choose(arrDeal);
        const std::vector<COracleHold> vecHolds = oracle.AnalyzeDeal(arrDeal);
        ASSERT_EQ(vecHolds.size(), 32u);
        const auto chosen =
            std::find_if(vecHolds.begin(), vecHolds.end(),
                         [&](const COracleHold& h) { return h.nHoldMask == choice.nHoldMask; });
        ASSERT_NE(chosen, vecHolds.end());
        // The engine's value of the same hold, as the chart's cost counts it.
        std::array<CHoldOutcomes, 32> arrCounted;
        ASSERT_TRUE(pCounts->CountHolds(arrDeal, table, 1, arrCounted));
        EXPECT_EQ(arrCounted[static_cast<std::size_t>(choice.nHoldMask)].nPaySum, chosen->nPaySum);
        EXPECT_LE(chosen->nPaySum * vecHolds.front().nDraws,
                  vecHolds.front().nPaySum * chosen->nDraws);
    }

    std::int64_t nDeals = 0, nPay = 0, nLoss = 0;
    for (const CChartLine& line : pChart->GetLines()) {
        EXPECT_GT(line.nDeals, 0) << line.strName;  // a line deciding nothing is left off
        nDeals += line.nDeals;
        nPay += line.nPaySum;
        nLoss += line.nLossSum;
    }
    EXPECT_EQ(nDeals, 2598960);
    EXPECT_EQ(nPay, pChart->GetReturn().nNumerator);
    EXPECT_EQ(pChart->GetReturn().nNumerator + nLoss, pChart->GetOptimalReturn().nNumerator);
    const COracleReturn best = oracle.ComputeReturn();
    // In lowest terms: the cross products of these denominators overflow 64 bits.
    const auto lowest = [](std::int64_t nNum, std::int64_t nDen) {
        const std::int64_t nGcd = std::gcd(nNum, nDen);
        return std::pair(nNum / nGcd, nDen / nGcd);
    };
    EXPECT_EQ(
        lowest(pChart->GetOptimalReturn().nNumerator, pChart->GetOptimalReturn().nDenominator),
        lowest(best.nNumerator, best.nDenominator));
}

// What each chart of the four games reaches, as counted: at most 50 lines, and a gap to the best
// play within the bound, in percentage points. The Double Bonus charts are cut down to 50 lines:
// untrimmed they run over, and trimmed by dropping lines alone, never joining two, they miss
// their bounds. The bounds above 0.01 are where hold classes alone
// fall short: Double Bonus's and Not So Ugly Deuces' best holds turn on the discards. The
// library's other tables are left out: the charts of families whose fours pay by kicker, and of
// the joker's, do not come close yet, and each chart takes seconds to make in a debug build.
TEST(StrategyChartTest, TheGamesChartsComeCloseToTheBestPlay) {
    struct CBound {
        const char* pszName;
        double dGap;
    };
    const CBound kBounds[] = {
        {"Double Bonus 10/7", 0.014},
        {"Double Bonus 9/7", 0.0155},
        {"Double Bonus 9/6", 0.014},
        {"Not So Ugly Deuces", 0.013},
    };
    std::vector<CPayTable> vecTables;
    for (int nGame = GAME_DUCES_WILD; nGame <= GAME_DOUBLE_BONUS; ++nGame)
        vecTables.push_back(AsBuiltPayTable(nGame));
    for (const char* pszName :
         {"Jacks or Better 9/6", "Jacks or Better 9/5", "Jacks or Better 8/6",
          "Jacks or Better 8/5", "Jacks or Better 7/5", "Jacks or Better 6/5",
          "Bonus Poker Deluxe 9/6", "Bonus Poker Deluxe 8/6", "Bonus Poker 8/5", "Bonus Poker 7/5",
          "Bonus Poker 6/5", "Double Bonus 10/7", "Double Bonus 9/7", "Double Bonus 9/6",
          "Deuces Wild full pay", "Not So Ugly Deuces"})
        for (const CLibraryPayTable& library : PayTableLibrary())
            if (library.table.strName == pszName) vecTables.push_back(library.table);
    EXPECT_EQ(vecTables.size(), 20u);
    for (const CPayTable& table : vecTables) {
        double dBound = 0.01;
        for (const CBound& bound : kBounds)
            if (table.strName == bound.pszName) dBound = bound.dGap;
        const auto pChart = SharedStrategyChart(table, 5);
        ASSERT_NE(pChart, nullptr);
        EXPECT_LE(pChart->GetLines().size(), 50u) << table.strName;
        EXPECT_GE(pChart->GapPoints(), 0.0) << table.strName;
        EXPECT_LE(pChart->GapPoints(), dBound) << table.strName;
        if (table.pFamily == &GetFamily("deuces")) {
            // Every line keeps every deuce dealt.
            const CChartChoice choice = pChart->Choose(Codes("2c 2d 9h 5s Kc"));
            EXPECT_EQ(choice.nHoldMask & 3, 3) << table.strName;
        }
    }
}

}  // namespace
