// handfall-odds' commands run in-process as a user would type them: what they print and how they
// exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/odds_commands.h"
#include "support/golden.h"

namespace {

struct CRun {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

// The arguments split as a shell would: words, or runs in single quotes.
CRun RunOdds(const std::string& strArgs) {
    std::vector<std::string> vecArgs;
    std::string strWord;
    bool bQuoted = false, bWord = false;
    for (char c : strArgs) {
        if (c == '\'') {
            bQuoted = !bQuoted;
            bWord = true;
        } else if (c == ' ' && !bQuoted) {
            if (bWord) vecArgs.push_back(strWord);
            strWord.clear();
            bWord = false;
        } else {
            strWord += c;
            bWord = true;
        }
    }
    if (bWord) vecArgs.push_back(strWord);
    std::ostringstream out, err;
    std::istringstream in;
    COddsIo io{in, out, err, false};
    CRun run;
    run.nExit = ::RunOdds(vecArgs, io);
    run.strOut = out.str();
    run.strErr = err.str();
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
    // The message and the line pointing to --help, no more.
    EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 2) << run.strErr;
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
        CBadInput{"ReturnChecksHandsAndBet", "--return --bet -3", "--bet takes 1 to 5, not '-3'"},
        CBadInput{"ReturnWithBadCounts", "--return --hands 500 --bet -3", "not '500'"},
        CBadInput{"ReturnTakesNoHands", "--return --hands 5 --bet 1", "--return takes no --hands"},
        CBadInput{"GivenTwice", "--hold Jh --hold Qh 'Jh Qh Kh 10h 2c'", "--hold is given twice"},
        CBadInput{"UnknownPayTable", "--game jacks --pays 10/7 'Jh Qh Kh 10h 2c'",
                  "unknown pay table '10/7' for Jacks or Better (as-built, 9/6"},
        CBadInput{"ShortPays", "--pays '800 50 25' 'Jh Qh Kh 10h 2c'", "takes 9 pays"},
        CBadInput{"PayOutOfRange", "--pays '800 50 25 9 6 4 3 2 100001' --return",
                  "Pair at 1 coin: a pay is a whole number from 0 to 100000"},
        CBadInput{"LowerReadingPaysMore",
                  "--game deuces --pays '800 200 25 15 4 5 3 2 2 1' --return",
                  "Straight Flush at 1 coin: a hand that makes it is also 4 of a Kind"},
        CBadInput{"RulesWithANamedTable", "--pays 9/6 --rules casino --return",
                  "--rules goes with"},
        CBadInput{"ListTakesOnlyGame", "--pays list --bet 5", "--pays list takes only --game"},
        // An echoed value stays on one line, with no terminal controls, and short.
        CBadInput{"ControlsEscaped", "--game '\x1b]0;t\x07\n' x",
                  "unknown variant '\\x1b]0;t\\x07\\n'"}),
    [](const ::testing::TestParamInfo<CBadInput>& info) { return info.param.pszName; });

// Whatever was given, the message is its own line and the line pointing to --help, fit for a
// terminal and short.
TEST(OddsCommandTest, AMessageQuotesAHostileValueOnOneShortLine) {
    const std::string strLong(100000, 'x');
    for (const std::vector<std::string>& vecArgs : std::vector<std::vector<std::string>>{
             {"--game", "a\nb\x1b]0;title\x07"},
             {"--colour=\r\x1b[2J"},
             {strLong + "h", "Qh", "Kh", "10h", "2c"},
             {"--hold", "Jh", "--hands", "5", "--bet", std::string(100000, '7'), "Jh", "Qh", "Kh",
              "Ah", "2c"},
         }) {
        std::ostringstream out, err;
        std::istringstream in;
        COddsIo io{in, out, err, false};
        CRun run{::RunOdds(vecArgs, io), out.str(), err.str()};
        const std::string pszArgs = vecArgs.front();
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
          std::pair{"--game=deuces 2c 2d 2h 2s ah", "deuces_four_wild"},
          std::pair{"--game JACKS --pays 9/6 --bet 4 'Ac 2d 3h 4s 9c'", "jacks_96_wheel_draw"},
          std::pair{"--pays list", "pays_list"}}) {
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
