#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/card_code.h"
#include "analysis/outcome_table.h"
#include "analyzers.h"
#include "games/game.h"
#include "games/game_variants.h"

namespace {

// Published returns under the best play at 5 coins, to the digits they are published with, one
// row per table and bet; and the four games as built (royal flush 250 per coin at every bet, no
// ace-low straight), as the README gives them: a change of the rules or of the pays shows here.
TEST(GameReturnTest, ReturnsAreThePublishedFigures) {
    struct {
        const CPayTable& table;
        int nBet;
        double dPercent, dTolerance;
    } const kCases[] = {
        {Library(GetFamily("jacks"), "9/6"), 5, 99.5439, 0.00005},
        {Library(GetFamily("jacks"), "8/5"), 5, 97.2984, 0.00005},
        {Library(GetFamily("bonus"), "Bonus Poker 8/5"), 5, 99.1660, 0.00005},
        {Library(GetFamily("bonus"), "Bonus Poker 7/5"), 5, 98.0147, 0.00005},
        {Library(GetFamily("bonus"), "10/7"), 5, 100.1725, 0.00005},
        {Library(GetFamily("bonus"), "9/7"), 5, 99.1065, 0.00005},
        {Library(GetFamily("deuces"), "full-pay"), 5, 100.7620, 0.00005},
        {Library(GetFamily("deuces"), "not-so-ugly"), 5, 99.7283, 0.00005},
        {AsBuiltPayTable(GAME_DUCES_WILD), 1, 99.318339, 5e-7},
        {AsBuiltPayTable(GAME_JACKS_OR_BETTER), 5, 98.075018, 5e-7},
        {AsBuiltPayTable(GAME_BONUS), 1, 97.651246, 5e-7},
        {AsBuiltPayTable(GAME_DOUBLE_BONUS), 3, 98.677343, 5e-7},
    };
    for (const auto& c : kCases)
        EXPECT_NEAR(Counts(c.table).ComputeReturn(c.table, c.nBet).dReturn * 100.0, c.dPercent,
                    c.dTolerance)
            << c.table.strName << " at " << c.nBet;
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
