// A player's own table is played only when it can be: each refusal names the field and why.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "support/assert_counter.h"
#include "support/golden.h"

namespace {

// The cases of golden/pay_table_refusals.txt: each refusal names the field and why.
TEST(PayTableTest, OwnTablesAreRefusedWithTheFieldAndTheReason) {
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/pay_table_refusals.txt");
    EXPECT_GE(cases.size(), 41u);
    for (const std::vector<std::string>& c : cases) {
        ASSERT_GE(c.size(), 4u) << c[0];
        std::istringstream in(c[2]);
        const std::vector<int> vecPays{std::istream_iterator<int>(in), {}};
        const std::string strError =
            ValidatePayTable(MakeCasinoPayTable(GetFamily(c[0]), c[1], kCasinoRules, vecPays));
        if (c[3].empty())
            EXPECT_EQ(strError, "") << c[1];
        else
            EXPECT_EQ(strError.rfind(c[3], 0), 0u) << c[1] << ": " << strError;
    }
}

// Names are the same in any case of any script; text that is no UTF-8 matches only itself.
TEST(PayTableTest, NamesCompareInAnyCaseOfAnyScript) {
    const struct {
        const char* pszA;
        const char* pszB;
        bool bSame;
    } kCases[] = {
        {"Mine", "mINE", true},
        {"\u03a9mega", "\u03c9MEGA", true},        // Greek
        {"\u00c9t\u00e9", "\u00e9T\u00c9", true},  // Latin-1
        {"\U00010400", "\U00010428", true},        // Deseret, four bytes
        {"\u00e9", "e", false},
        {"Mine", "Mine ", false},
        {"\xC3", "\xC3", true},
        {"\xC3", "\xE3", false},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(SameName(c.pszA, c.pszB), c.bSame) << c.pszA << " " << c.pszB;
}

// The library: every row of the data file is a table, every family has some, every table plays,
// the published pays at 5 coins and 250 for the royal below, full names unique, short names
// unique within a family, found by full or short name in any case; the as-built tables pay
// alike at every bet.
TEST(PayTableTest, TheLibraryAndTheTablesAsBuilt) {
    std::istringstream text{std::string(PayTableLibraryText())};
    std::size_t nRows = 0;
    for (std::string strLine; std::getline(text, strLine);)
        nRows += !strLine.empty() && strLine[0] != '#';
    EXPECT_EQ(PayTableLibrary().size(), nRows);
    EXPECT_GE(nRows, 60u);
    std::set<std::string> names, shortNames, families;
    for (const CLibraryPayTable& entry : PayTableLibrary()) {
        EXPECT_EQ(ValidatePayTable(entry.table), "") << entry.table.strName;
        EXPECT_TRUE(names.insert(entry.table.strName).second) << entry.table.strName;
        EXPECT_TRUE(shortNames.insert(entry.table.Family().pszKey + (" " + entry.strShort)).second)
            << entry.strShort;
        families.insert(entry.table.Family().pszKey);
        EXPECT_EQ(entry.table.Pay(0, 5), 800);
        EXPECT_EQ(entry.table.Pay(0, 4), 250);
        EXPECT_TRUE(entry.table.rules.bWheelStraight);
        EXPECT_EQ(FindLibraryPayTable(entry.table.Family(), entry.nGame, entry.strShort), &entry);
    }
    EXPECT_EQ(families.size(), Families().size());
    EXPECT_EQ(FindLibraryPayTable(GetFamily("bonus"), GAME_DOUBLE_BONUS, "9/6")->table.strName,
              "Double Bonus 9/6");
    EXPECT_EQ(FindLibraryPayTable(GetFamily("bonus"), 0, "BONUS POKER 7/5")->table.Pay(5, 5), 7);
    // Offered to both games of the family, so found from either by its short name.
    EXPECT_EQ(FindLibraryPayTable(GetFamily("bonus"), GAME_BONUS, "10/7")->table.strName,
              "Double Bonus 10/7");
    EXPECT_EQ(FindLibraryPayTable(GetFamily("bonus"), GAME_DOUBLE_BONUS, "8/5")->table.strName,
              "Bonus Poker 8/5");
    EXPECT_EQ(FindLibraryPayTable(GetFamily("jacks"), GAME_JACKS_OR_BETTER, "10/7"), nullptr);
    for (const CGameVariant& variant : GameVariants()) {
        const CPayTable& table = AsBuiltPayTable(variant.nGame);
        EXPECT_EQ(ValidatePayTable(table), "");
        EXPECT_FALSE(table.rules.bWheelStraight);
        for (int c = 0; c < table.CategoryCount(); ++c)
            EXPECT_EQ(table.Pay(c, 1), table.Pay(c, 5)) << variant.pszCaption << " " << c;
    }
}

// A box playing a table of a family descended from its own shows that family's lines: the
// template of its own family would pay the wrong lines.
TEST(PayTableTest, AGameShowsATableOfAnotherFamilyInThatFamilysLines) {
    const CPayTable table =
        MakeCasinoPayTable(GetFamily("double-double-bonus"), "DDB", kCasinoRules,
                           {800, 50, 400, 160, 160, 80, 50, 9, 6, 4, 3, 1, 1});
    const std::string strText = PayTableText(*FindGameVariant(GAME_DOUBLE_BONUS), table, 5);
    EXPECT_EQ(strText.substr(0, 45), "Royal Flush\t800\r\nStraight Flush\t50\r\n4 Aces w/");
    EXPECT_NE(strText.find("4 2-4 w/ A-4\t160\r\n4 Aces\t\t160"), std::string::npos) << strText;
    EXPECT_EQ(std::count(strText.begin(), strText.end(), '\n'), 12);
}

// A row that is no playable table is our own mistake: reported, left out, the rows around it
// read.
TEST(PayTableTest, ALibraryRowThatIsNoTableIsReportedAndLeftOut) {
    const std::string strGood = "jacks\tjacks\t9/6\tMine 9/6\t800 50 25 9 6 4 3 2 1\n";
    for (const char* pszRow : {
             "jacks\tjacks\t9/6\tToo few fields",
             "jacks\tjacks\t9/6\tExtra field\t800 50 25 9 6 4 3 2 1\tx",
             "poker\tjacks\t9/6\tNo such box\t800 50 25 9 6 4 3 2 1",
             "jacks\tpoker\t9/6\tNo such family\t800 50 25 9 6 4 3 2 1",
             "jacks\tjacks\t\tNo short name\t800 50 25 9 6 4 3 2 1",
             "jacks\tjacks\t9/6\tEight pays\t800 50 25 9 6 4 3 2",
             "jacks\tjacks\t9/6\tNot a number\t800 50 25 9 6 4 3 2 1x",
             "jacks\tjacks\t9/6\tA line from another system\t800 50 25 9 6 4 3 2 1\r",
             "jacks\tjacks\t9/6\tPair over two pair\t800 50 25 9 6 4 3 1 2",
             "jacks\tjacks\t9/6\t\t800 50 25 9 6 4 3 2 1",
         }) {
        CAssertCounter asserts;
        const std::vector<CLibraryPayTable> vecRead =
            ReadPayTableLibrary("# a comment\n\n" + strGood + pszRow + "\n" + strGood);
        EXPECT_EQ(asserts.Count(), 1) << pszRow;
        EXPECT_EQ(vecRead.size(), 2u) << pszRow;
    }
}

}  // namespace
