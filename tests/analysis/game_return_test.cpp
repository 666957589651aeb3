#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "analysis/card_code.h"
#include "analysis/outcome_table.h"
#include "analysis/play_figures.h"
#include "analyzers.h"
#include "games/game.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"

namespace {

// The four games as built (royal flush 250 per coin at every bet, no ace-low straight), as the
// README gives them: a change of the rules, the pays or the engine shows here.
TEST(GameReturnTest, TheGamesAsBuiltReturnTheReadmeFigures) {
    const struct {
        int nGame, nBet;
        double dPercent;
    } kCases[] = {
        {GAME_DUCES_WILD, 1, 99.318339},
        {GAME_JACKS_OR_BETTER, 5, 98.075018},
        {GAME_BONUS, 1, 97.651246},
        {GAME_DOUBLE_BONUS, 3, 98.677343},
    };
    for (const auto& c : kCases) {
        const CPayTable& table = AsBuiltPayTable(c.nGame);
        EXPECT_NEAR(Counts(table).ComputeReturn(table, c.nBet).dReturn * 100.0, c.dPercent, 5e-7)
            << table.strName << " at " << c.nBet;
    }
}

// The library's tables held to independently worked out figures (golden/paytables.tsv: family,
// name, pays at 5 coins, return at 5 coins in per cent, variance, ...), matched by name: the pays
// are the library's and the engine's return and variance are within 0.0001.
void ExpectIndependentReturns() {
    std::ifstream in(std::string(HANDFALL_GOLDEN_DIR) + "/paytables.tsv");
    std::string strLine;
    ASSERT_TRUE(std::getline(in, strLine)) << "the header";
    int nRows = 0;
    while (std::getline(in, strLine)) {
        std::istringstream row(strLine);
        std::string strFamily, strName, strPays, strReturn, strVariance;
        std::getline(row, strFamily, '\t');
        std::getline(row, strName, '\t');
        std::getline(row, strPays, '\t');
        std::getline(row, strReturn, '\t');
        std::getline(row, strVariance, '\t');
        ++nRows;
        const CLibraryPayTable* pEntry = FindLibraryPayTable(GetFamily(strFamily), 0, strName);
        ASSERT_NE(pEntry, nullptr) << strName;
        const CPayTable& table = pEntry->table;
        EXPECT_EQ(&table.Family(), FindFamily(strFamily)) << strName;
        std::istringstream pays(strPays);
        int c = 0;
        for (int nPay = 0; pays >> nPay; ++c)
            EXPECT_EQ(table.Pay(c, 5), nPay) << strName << " " << c;
        EXPECT_EQ(c, table.CategoryCount()) << strName;
        const CPlayFigures figures = ComputePlayFigures(Counts(table), table, 5);
        EXPECT_EQ(figures.gameReturn.nNumerator, Counts(table).ComputeReturn(table, 5).nNumerator);
        EXPECT_NEAR(figures.gameReturn.dReturn * 100.0, std::stod(strReturn), 0.0001) << strName;
        EXPECT_NEAR(figures.dVariance, std::stod(strVariance), 0.0001) << strName;
    }
    EXPECT_EQ(nRows, 58);
}

TEST(GameReturnTest, LibraryReturnsAreTheIndependentFigures) {
    ExpectIndependentReturns();
}

// The engine (category counts times pays) and the independent count (pays summed per set of
// held cards) give the same return to the last unit, as built and under casino rules.
TEST(GameReturnTest, EngineAndIndependentCountAgreeExactly) {
    const struct {
        int nGame;
        const CPayTable& casino;
    } kCases[] = {
        {GAME_JACKS_OR_BETTER, Library(GetFamily("jacks"), "9/6")},
        {GAME_DUCES_WILD, Library(GetFamily("deuces"), "full-pay")},
        {GAME_DOUBLE_BONUS, Library(GetFamily("bonus"), "10/7")},
    };
    for (const auto& c : kCases) {
        const CPayTable& asBuilt = AsBuiltPayTable(c.nGame);
        EXPECT_EQ(Counts(asBuilt).ComputeReturn(asBuilt, 1).nNumerator,
                  GameAnalyzer(c.nGame).ComputeReturn().nNumerator)
            << c.nGame;
        EXPECT_EQ(Counts(c.casino).ComputeReturn(c.casino, 5).nNumerator,
                  StandardAnalyzer(c.nGame).ComputeReturn().nNumerator)
            << c.casino.strName;
    }
}

}  // namespace
