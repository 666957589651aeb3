// The player's tables as the settings keep them: a table survives its text, and text that is
// no playable table is refused with the field it concerns.
#include <gtest/gtest.h>

#include "games/game_variants.h"
#include "games/pay_table_text.h"
#include "support/golden.h"

namespace {

TEST(PayTableTextTest, APlayersTableSurvivesItsText) {
    for (const CPayTable& table :
         {MakePlayerPayTable(GetFamily("jacks"), "Mine", kCasinoRules,
                             {250, 50, 25, 9, 6, 4, 3, 2, 1}, 800),
          MakePlayerPayTable(GetFamily("bonus"), "B 0s", kAsBuiltRules,
                             {100000, 50, 80, 40, 25, 8, 5, 4, 3, 2, 0}, 50),
          MakePlayerPayTable(GetFamily("deuces"), "Deuces: 1", kCasinoRules,
                             {300, 200, 25, 15, 9, 5, 3, 2, 2, 1}, 1000)}) {
        CPayTable parsed;
        EXPECT_EQ(ParsePayTable(FormatPayTable(table), parsed), "") << table.strName;
        EXPECT_EQ(parsed, table);
    }
    // The royal's own pay at 5 coins; the other bets pay the same per coin.
    const CPayTable table = MakePlayerPayTable(GetFamily("jacks"), "Mine", kCasinoRules,
                                               {250, 50, 25, 9, 6, 4, 3, 2, 1}, 800);
    EXPECT_EQ(table.Pay(0, 4), 250);
    EXPECT_EQ(table.Pay(0, 5), 800);
    EXPECT_EQ(table.Pay(3, 5), 9);
}

TEST(PayTableTextTest, TextThatIsNoPlayableTableIsRefusedNamingTheField) {
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/pay_table_text_refusals.txt");
    EXPECT_GE(cases.size(), 11u);
    for (const std::vector<std::string>& c : cases) {
        ASSERT_EQ(c.size(), 6u) << c[0];
        CPayTable table = AsBuiltPayTable(GAME_JACKS_OR_BETTER);
        const std::string strWhy = ParsePayTable({c[0], c[1], c[2], c[3], c[4]}, table);
        EXPECT_EQ(strWhy.rfind(c[5], 0), 0u) << c[3] << ": " << strWhy;
        EXPECT_EQ(table, AsBuiltPayTable(GAME_JACKS_OR_BETTER)) << "a refusal changed the table";
    }
}

TEST(PayTableTextTest, AnOwnTableNeedsANameNoOtherTableHas) {
    const std::vector<CPayTable> vecOwn{MakePlayerPayTable(
        GetFamily("bonus"), "Mine", kCasinoRules, {250, 50, 80, 40, 25, 8, 5, 4, 3, 2, 1}, 800)};
    for (const char* pszName : {"mine", "jacks or better 9/6", "Jacks or Better as built"}) {
        CPayTable table = vecOwn[0];
        table.strName = pszName;
        EXPECT_NE(CheckOwnTableName(table, vecOwn), "") << pszName;
    }
    EXPECT_EQ(CheckOwnTableName(vecOwn[0], vecOwn, 0), "") << "editing keeps its own name";
    // The game's choices: as built first, the tables under its box, the rest of its family's,
    // then the player's own of any family.
    const std::vector<CPayTable> vecChoices = PayTableChoices(GAME_DOUBLE_BONUS, vecOwn);
    EXPECT_EQ(vecChoices.front(), AsBuiltPayTable(GAME_DOUBLE_BONUS));
    EXPECT_EQ(vecChoices[1].strName, "Double Bonus 10/7");
    EXPECT_EQ(vecChoices.back(), vecOwn[0]);
    const std::vector<CPayTable> vecJacks = PayTableChoices(GAME_JACKS_OR_BETTER, vecOwn);
    EXPECT_EQ(vecJacks.back(), vecOwn[0]) << "an own table of another family is offered too";
    EXPECT_EQ(vecJacks[vecJacks.size() - 2].strName, "All American");
}

}  // namespace
