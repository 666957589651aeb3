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

// Decisions every published chart of a table agrees on: golden/<case>_holds.txt.
class PublishedChartTest
    : public ::testing::TestWithParam<std::tuple<const char*, const char*, const char*>> {};

TEST_P(PublishedChartTest, HoldsAsEveryPublishedChart) {
    const auto& [pszFamily, pszPays, pszCase] = GetParam();
    const auto pChart = SharedStrategyChart(Library(GetFamily(pszFamily), pszPays), 5);
    ASSERT_NE(pChart, nullptr);
    const std::vector<std::vector<std::string>> cases =
        ReadCases(std::string(HANDFALL_GOLDEN_DIR "/") + pszCase + "_holds.txt");
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

INSTANTIATE_TEST_SUITE_P(Tables, PublishedChartTest,
                         ::testing::Values(std::tuple{"jacks", "9/6", "jacks_96"},
                                           std::tuple{"double-double-bonus", "9/6",
                                                      "double_double_bonus_96"},
                                           std::tuple{"deuces", "full-pay", "deuces_full_pay"}),
                         [](const auto& info) { return std::string(std::get<2>(info.param)); });

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

// A penalty card sends a deal to the line it names only where the hold discards a card of its
// ranks and suit, and the deal has a hold on that line (another hold, on its own line).
TEST(StrategyChartTest, APenaltyCardSendsTheDealToItsLine) {
    const CPayTable& table = Library(GetFamily("jacks"), "9/6");
    const auto pClasses = SharedHoldClasses(table.Family(), table.rules);
    const auto classNamed = [&](const std::string& strName) {
        for (int c = 0; c < pClasses->GetClassCount(); ++c)
            if (pClasses->GetName(c) == strName) return c;
        ADD_FAILURE() << strName;
        return 0;
    };
    std::vector<CChartLine> vecLines(3);
    vecLines[0].vecClasses = {classNamed("Suited J 10")};
    vecLines[0].vecExceptions = {{RanksFrom(2, 6), true, 1}};
    vecLines[1].vecClasses = {classNamed("K J unsuited")};
    vecLines[2].vecClasses = {classNamed("Nothing: draw five new cards")};
    const CStrategyChart chart(table, 5, pClasses, vecLines);
    EXPECT_EQ(chart.GetRowCount(), 4);
    EXPECT_EQ(chart.GetLines()[0].vecExceptions[0].Name(chart.GetLines()[1].strName),
              "but K J unsuited if a 2 to 6 of that suit is discarded");
    const std::pair<const char*, const char*> kCases[] = {
        {"Jh 10h Kc 4h 8s", "Jh Kc"},   // a 4 of the suit held goes
        {"Jh 10h Kc 4s 8d", "Jh 10h"},  // a 4 of another suit
        {"Jh 10h Kc 9h 8s", "Jh 10h"},  // a 9 is no penalty card here
        {"Jh 10h Qc 4h 8s", "Jh 10h"},  // no K J to keep instead
    };
    for (const auto& [pszDeal, pszHeld] : kCases) {
        const std::array<int, 5> arrDeal = Codes(pszDeal);
        const CChartChoice choice = chart.Choose(arrDeal);
        EXPECT_EQ(Held(arrDeal, choice.nHoldMask), pszHeld) << pszDeal;
    }
    // One naming its own line keeps the line's lower cards, where it has other cards to keep.
    std::vector<CChartLine> vecOwn(2);
    vecOwn[0].vecClasses = {classNamed("Queen alone"), classNamed("King alone")};
    vecOwn[0].vecExceptions = {{RanksFrom(9, 9), false, 0}};
    vecOwn[1].vecClasses = {classNamed("Nothing: draw five new cards")};
    const CStrategyChart own(table, 5, pClasses, vecOwn);
    EXPECT_EQ(ExceptionText(own.GetLines(), 0, own.GetLines()[0].vecExceptions[0]),
              "but the lower cards if a 9 is discarded");
    for (const auto& [pszDeal, pszHeld] :
         {std::pair{"Kc Qd 9h 4s 2d", "Qd"}, std::pair{"Kc Qd 8h 4s 2d", "Kc"},
          std::pair{"Kc 9d 8h 4s 2d", "Kc"}}) {
        const std::array<int, 5> arrDeal = Codes(pszDeal);
        const CChartChoice choice = own.Choose(arrDeal);
        EXPECT_EQ(Held(arrDeal, choice.nHoldMask), pszHeld) << pszDeal;
        EXPECT_EQ(choice.nLine, 0) << pszDeal;
    }
}

// A class its line lost to goes above that line with the penalty cards that send back the deals
// it should not take: in full-pay Deuces Wild a deuce with an ace and a 10 of one suit is kept,
// but the deuce alone where a card of that suit is thrown away (each as the engine's best hold).
TEST(StrategyChartTest, AClassGoesAboveTheLineItBeatWithItsPenaltyCards) {
    const auto pChart = SharedStrategyChart(Library(GetFamily("deuces"), "full-pay"), 5);
    ASSERT_NE(pChart, nullptr);
    for (const auto& [pszDeal, pszHeld] :
         {std::pair{"2s 7h 8d 10c Ac", "2s 10c Ac"}, std::pair{"2s 6h 8d 10c Ac", "2s 10c Ac"},
          std::pair{"2s 5h 6c 10c Ac", "2s"}}) {
        const std::array<int, 5> arrDeal = Codes(pszDeal);
        EXPECT_EQ(Held(arrDeal, pChart->Choose(arrDeal).nHoldMask), pszHeld) << pszDeal;
    }
}

// What each chart reaches, as counted: at most 50 rows (lines and their penalty cards) and a gap
// to the best play within the bound, in percentage points: 0.01, and less where penalty cards
// are to bring it down. Bounds above 0.01 are where the hold classes and the room for penalty
// cards fall short: in Joker Poker Kings 20/7 the card to keep beside the joker turns on the
// straights the discards block, in Not So Ugly Deuces two deuces' draws on their ranks.
// Every table of the library in an optimised build; in others (seconds a chart), the four as
// built and the tables whose charts players compare.
TEST(StrategyChartTest, EveryTablesChartComesCloseToTheBestPlay) {
    struct CBound {
        const char* pszName;
        double dGap;
    };
    const CBound kBounds[] = {
        {"Jacks or Better 9/6", 0.0005},
        {"Double Double Bonus 9/6", 0.002},
        {"Not So Ugly Deuces", 0.0115},
        {"Joker Poker Kings 20/7", 0.0103},
    };
    std::vector<CPayTable> vecTables;
    for (int nGame = GAME_DUCES_WILD; nGame <= GAME_DOUBLE_BONUS; ++nGame)
        vecTables.push_back(AsBuiltPayTable(nGame));
#ifdef NDEBUG
    for (const CLibraryPayTable& library : PayTableLibrary()) vecTables.push_back(library.table);
    EXPECT_GE(vecTables.size(), 60u);
#else
    for (const char* pszName :
         {"Jacks or Better 9/6", "Tens or Better 6/5", "Double Bonus 9/6",
          "Double Double Bonus 9/6", "Triple Double Bonus 9/6", "Double Jackpot 8/5",
          "Deuces Wild full pay", "Joker Poker Kings 20/7"})
        for (const CLibraryPayTable& library : PayTableLibrary())
            if (library.table.strName == pszName) vecTables.push_back(library.table);
    EXPECT_EQ(vecTables.size(), 12u);
#endif
    for (const CPayTable& table : vecTables) {
        double dBound = 0.01;
        for (const CBound& bound : kBounds)
            if (table.strName == bound.pszName) dBound = bound.dGap;
        const auto pChart = SharedStrategyChart(table, 5);
        ASSERT_NE(pChart, nullptr);
        EXPECT_LE(pChart->GetRowCount(), 50) << table.strName;
        EXPECT_GE(pChart->GapPoints(), 0.0) << table.strName;
        EXPECT_LE(pChart->GapPoints(), dBound) << table.strName;
        if (table.pFamily->eWild != EWild::None) {
            // Every line keeps every wild card dealt.
            const CChartChoice choice = pChart->Choose(
                Codes(table.pFamily->eWild == EWild::Joker ? "Jk 2d 9h 5s Kc" : "2c 2d 9h 5s Kc"));
            EXPECT_EQ(choice.nHoldMask & 1, 1) << table.strName;
        }
    }
}

}  // namespace
