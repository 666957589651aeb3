// Runs the built handfall-odds as a user would and checks what it prints and how it exits.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

struct CRun {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

std::string ReadFile(const std::string& strPath) {
    std::ifstream in(strPath);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

CRun RunOdds(const std::string& strArgs) {
    // ctest runs test cases in parallel processes: each needs files of its own.
    const std::string strStem = ::testing::TempDir() + "handfall_odds_" + std::to_string(getpid());
    const std::string strOut = strStem + ".out";
    const std::string strErr = strStem + ".err";
    const std::string strCommand = std::string("'") + HANDFALL_ODDS_PATH + "' " + strArgs +
                                   " </dev/null >'" + strOut + "' 2>'" + strErr + "'";
    const int nStatus = std::system(strCommand.c_str());
    CRun run;
    if (nStatus != -1 && WIFEXITED(nStatus)) run.nExit = WEXITSTATUS(nStatus);
    run.strOut = ReadFile(strOut);
    run.strErr = ReadFile(strErr);
    std::remove(strOut.c_str());
    std::remove(strErr.c_str());
    return run;
}

int CountLines(const std::string& strText) {
    int nLines = 0;
    for (char c : strText) nLines += c == '\n' ? 1 : 0;
    return nLines;
}

struct CBadInput {
    const char* pszName;  // names the test case
    const char* pszArgs;
    const char* pszMessagePart;  // what the error on standard error must name
};

void PrintTo(const CBadInput& input, std::ostream* pOut) {
    *pOut << input.pszArgs;
}

class OddsBadInputTest : public ::testing::TestWithParam<CBadInput> {};

TEST_P(OddsBadInputTest, ExitsWithTwoAndSaysWhy) {
    const CRun run = RunOdds(GetParam().pszArgs);
    EXPECT_EQ(run.nExit, 2) << GetParam().pszArgs;
    EXPECT_NE(run.strErr.find(GetParam().pszMessagePart), std::string::npos) << run.strErr;
    EXPECT_TRUE(run.strOut.empty()) << run.strOut;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, OddsBadInputTest,
    ::testing::Values(
        CBadInput{"NoCards", "", "five cards, not 0"},
        CBadInput{"FourCards", "--game jacks 'Jh Qh Kh 10h'", "five cards, not 4"},
        CBadInput{"SixCards", "Jh Qh Kh 10h 2c 3c", "five cards, not 6"},
        CBadInput{"RankOne", "'Jh Qh Kh 1h 2c'", "'1h' is not a card"},
        CBadInput{"UnknownSuit", "'Jh Qh Kh 10x 2c'", "'10x' is not a card"},
        CBadInput{"RepeatedCard", "'Jh Qh Kh 10h jh'", "Jh is dealt twice"},
        CBadInput{"UnknownVariant", "--game poker 'Jh Qh Kh 10h 2c'", "unknown variant 'poker'"},
        CBadInput{"VariantMissing", "'Jh Qh Kh 10h 2c' --game", "--game needs a variant"},
        CBadInput{"UnknownOption", "--colour 'Jh Qh Kh 10h 2c'", "unknown option '--colour'"},
        CBadInput{"ReturnWithCards", "--return 'Jh Qh Kh 10h 2c'", "--return takes no cards"},
        CBadInput{"ReturnOfUnknownVariant", "--return --game=bogus", "unknown variant 'bogus'"},
        CBadInput{"HeldCardNotDealt", "--hold 'Jh As' 'Jh Qh Kh 10h 2c'", "As is not in the deal"},
        CBadInput{"HeldTwice", "--hold 'Jh jh' 'Jh Qh Kh 10h 2c'", "Jh is held twice"},
        CBadInput{"HandsWithoutBet", "--hold Jh --hands 5 'Jh Qh Kh 10h 2c'", "go together"},
        CBadInput{"TooManyHands", "--hold Jh --hands 51 --bet 1 'Jh Qh Kh 10h 2c'", "1 to 50"}),
    [](const ::testing::TestParamInfo<CBadInput>& info) { return info.param.pszName; });

TEST(OddsCommandTest, HelpExitsWithZero) {
    const CRun run = RunOdds("--help");
    EXPECT_EQ(run.nExit, 0);
    EXPECT_NE(run.strOut.find("Usage: handfall-odds"), std::string::npos);
    EXPECT_NE(run.strOut.find("double-bonus"), std::string::npos);
}

TEST(OddsCommandTest, ListsThe32HoldsBestFirst) {
    const CRun run = RunOdds("--game jacks 'Jh Qh Kh 10h 2c'");
    ASSERT_EQ(run.nExit, 0) << run.strErr;
    EXPECT_EQ(run.strOut.rfind("Jacks or Better, dealt Jh Qh Kh 10h 2c\n", 0), 0u) << run.strOut;
    EXPECT_EQ(CountLines(run.strOut), 2 + 32);
    // Four to a royal: Ah royal, 9h straight flush, 7 more hearts flushes, three 9s and three
    // aces straights, nine jacks to kings high pairs.
    const std::string strBest = "   1  Jh  Qh  Kh  10h --";
    EXPECT_NE(run.strOut.find(strBest), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("375/47"), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("  32  "), std::string::npos);
}

TEST(OddsCommandTest, CardsMayComeAsSeparateArgumentsInAnyCase) {
    const CRun run = RunOdds("--game=deuces 2c 2d 2h 2s ah");
    ASSERT_EQ(run.nExit, 0) << run.strErr;
    EXPECT_EQ(run.strOut.rfind("Duces Wild, dealt 2c 2d 2h 2s Ah\n", 0), 0u) << run.strOut;
    EXPECT_NE(run.strOut.find("   1  2c  2d  2h  2s  Ah "), std::string::npos) << run.strOut;
    EXPECT_NE(run.strOut.find("200/1"), std::string::npos);
}

TEST(OddsCommandTest, HoldListsEachCategoryWithItsDrawsAndTheWinOverHands) {
    const CRun run =
        RunOdds("--game jacks --hold 'jh qh kh 10h' --hands 10 --bet 2 'Jh Qh Kh 10h 2c'");
    ASSERT_EQ(run.nExit, 0) << run.strErr;
    // Counted by hand as in the ranking test: 375/47 per coin; pays squared add up to 65357.
    for (const char* pszLine :
         {"Royal Flush                   1  0.0212765957    0.2128\n",
          "Pair                          9  0.1914893617    1.9149\n",
          "No win                       23  0.4893617021    4.8936\n",
          "Expected pay per coin  7.9787234043  375/47\n", "Standard deviation per hand  36.4268",
          "Expected total win  159.5745  coins over 10 hands at 2",
          "Standard deviation  230.3835  coins\n"})
        EXPECT_NE(run.strOut.find(pszLine), std::string::npos) << pszLine << "\n" << run.strOut;
    EXPECT_EQ(run.strOut.find("Full House"), std::string::npos) << "a category that cannot come up";
}

}  // namespace
