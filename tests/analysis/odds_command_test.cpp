// Runs the built handfall-odds as a user would and checks what it prints and how it exits.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "support/golden.h"

namespace {

struct CRun {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

// Standard output through a pipe, standard error through a file of this process's own: ctest
// runs test cases in parallel processes.
CRun RunOdds(const std::string& strArgs) {
    const std::string strErr = ::testing::TempDir() + "handfall_odds_" + std::to_string(getpid());
    const std::string strCommand =
        std::string("'") + HANDFALL_ODDS_PATH + "' " + strArgs + " </dev/null 2>'" + strErr + "'";
    FILE* pOut = popen(strCommand.c_str(), "r");
    CRun run;
    for (int c; pOut != nullptr && (c = std::fgetc(pOut)) != EOF;)
        run.strOut += static_cast<char>(c);
    const int nStatus = pOut != nullptr ? pclose(pOut) : -1;
    run.nExit = nStatus != -1 && WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    std::ifstream err(strErr);
    run.strErr.assign(std::istreambuf_iterator<char>(err), {});
    std::remove(strErr.c_str());
    return run;
}

struct CBadInput {
    const char* pszName;  // names the test case
    const char* pszArgs;
    const char* pszMessagePart;  // what the error on standard error must name
};

// Names the case in ctest's list, which would otherwise show the addresses of its texts.
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
        CBadInput{"TooManyHands", "--hold Jh --hands 51 --bet 1 'Jh Qh Kh 10h 2c'", "1 to 50"},
        CBadInput{"ReturnWithBadCounts", "--return --hands 500 --bet -3", "not '500'"},
        CBadInput{"ReturnWithBadBet", "--return --bet -3", "--bet takes 1 to 5, not '-3'"},
        CBadInput{"ReturnWithCounts", "--return --hands 5 --bet 1", "--return takes no --hands"},
        CBadInput{"ControlsEscaped", "--game \"$(printf 'x\\033[2Jy\\nz')\"",
                  "unknown variant 'x\\x1b[2Jy\\nz'"}),
    [](const ::testing::TestParamInfo<CBadInput>& info) { return info.param.pszName; });

// Whatever was given, the message is its own line and the line pointing to --help, fit for a
// terminal and short.
TEST(OddsCommandTest, AMessageQuotesAHostileValueOnOneShortLine) {
    for (const char* pszArgs : {
             "--game \"$(printf 'a\\nb\\033]0;title\\007')\"",
             "--colour=\"$(printf '\\r\\033[2J')\"",
             "\"$(head -c 100000 /dev/zero | tr '\\0' x)h\" Qh Kh 10h 2c",
             "--hold Jh --hands 5 --bet \"$(head -c 100000 /dev/zero | tr '\\0' 7)\" Jh Qh Kh Ah "
             "2c",
         }) {
        const CRun run = RunOdds(pszArgs);
        EXPECT_EQ(run.nExit, 2) << pszArgs;
        EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 2) << run.strErr;
        EXPECT_EQ(run.strErr.find_first_of("\r\x1b\x07"), std::string::npos) << run.strErr;
        EXPECT_LT(run.strErr.size(), 200u) << pszArgs;
    }
}

// The help, and the 32 holds best first with their exact expected pay: a golden file each. Cards
// may come as one argument or several, in either case.
TEST(OddsCommandTest, HelpAndHoldListingsAreTheGoldenFiles) {
    for (const auto& [pszArgs, pszCase] :
         {std::pair{"--help", "help"},
          std::pair{"--game jacks 'Jh Qh Kh 10h 2c'", "jacks_four_to_a_royal"},
          std::pair{"--game=deuces 2c 2d 2h 2s ah", "deuces_four_wild"}}) {
        const CRun run = RunOdds(pszArgs);
        ASSERT_EQ(run.nExit, 0) << run.strErr;
        std::vector<std::string> lines;
        std::istringstream in(run.strOut);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        ExpectGolden(std::string(HANDFALL_GOLDEN_DIR) + "/odds_" + pszCase + ".txt", lines);
    }
}

TEST(OddsCommandTest, HoldListsEachCategoryWithItsDrawsAndTheWinOverHands) {
    const CRun run =
        RunOdds("--game jacks --hold 'jh qh kh 10h' --hands 10 --bet 2 'Jh Qh Kh 10h 2c'");
    ASSERT_EQ(run.nExit, 0) << run.strErr;
    // Counted by hand as in the coach's test: 375/47 per coin; pays squared add up to 65357.
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
