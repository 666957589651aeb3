// handfall-odds' commands run in-process as a user would type them: what they print and how they
// exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/card_code.h"
#include "cli/odds_commands.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "strategy/chart_cache.h"
#include "support/golden.h"

namespace {

struct CRun {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

std::vector<std::string> Lines(const std::string& strText) {
    std::vector<std::string> lines;
    std::istringstream in(strText);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

CRun RunOdds(const std::vector<std::string>& vecArgs, const std::string& strInput = "") {
    std::ostringstream out, err;
    std::istringstream in(strInput);
    COddsIo io{in, out, err, false};
    const int nExit = ::RunOdds(vecArgs, io);
    return {nExit, out.str(), err.str()};
}

// The arguments split as a shell would: words, or runs in single quotes; strInput is standard
// input.
CRun RunOdds(const std::string& strArgs, const std::string& strInput = "") {
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
    return RunOdds(vecArgs, strInput);
}

// The name of a case from a case file, for ctest's list.
std::string CaseName(const ::testing::TestParamInfo<std::vector<std::string>>& info) {
    return info.param.front();
}

// A case of golden/bad_input.txt: its name, the arguments, and what the message must name.
class OddsBadInputTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(OddsBadInputTest, ExitsWithTwoAndSaysWhy) {
    ASSERT_EQ(GetParam().size(), 3u);
    const std::string& strArgs = GetParam()[1];
    const CRun run = RunOdds(strArgs);
    EXPECT_EQ(run.nExit, 2) << strArgs;
    EXPECT_NE(run.strErr.find(GetParam()[2]), std::string::npos) << run.strErr;
    EXPECT_TRUE(run.strOut.empty()) << run.strOut;
    // The message and the line pointing to --help, no more.
    EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 2) << run.strErr;
}

INSTANTIATE_TEST_SUITE_P(Errors, OddsBadInputTest,
                         ::testing::ValuesIn(ReadCases(HANDFALL_GOLDEN_DIR "/bad_input.txt")),
                         CaseName);

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
        const CRun run = RunOdds(vecArgs);
        const std::string pszArgs = vecArgs.front();
        EXPECT_EQ(run.nExit, 2) << pszArgs;
        EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 2) << run.strErr;
        EXPECT_EQ(run.strErr.find_first_of("\r\x1b\x07"), std::string::npos) << run.strErr;
        EXPECT_LT(run.strErr.size(), 256u) << pszArgs;
    }
}

// The 32 holds best first with their exact expected pay, a table's figures over time: a golden
// file each. Cards may come as one argument or several, in either case. A session is played
// from a fixed seed, so it gives the same figures every run.
TEST(OddsCommandTest, HoldListingsAreTheGoldenFiles) {
    for (const auto& [pszArgs, pszCase] :
         {std::pair{"--game jacks 'Jh Qh Kh 10h 2c'", "jacks_four_to_a_royal"},
          std::pair{"--game=deuces 2c 2d 2h 2s ah", "deuces_four_wild"},
          std::pair{"--game JACKS --pays 9/6 --bet 4 'Ac 2d 3h 4s 9c'", "jacks_96_wheel_draw"},
          std::pair{"--pays list", "pays_list"},
          std::pair{"--return --pays 9/6 --hands 50", "return_jacks_96_50_hands"},
          std::pair{"--break-even --game jacks --pays 8/5", "break_even_jacks_85"},
          std::pair{"--session --game deuces --pays full-pay --bankroll 60 --rounds 50 --hands 5 "
                    "--bet 1",
                    "session_deuces_full_pay"}}) {
        const CRun run = RunOdds(pszArgs);
        ASSERT_EQ(run.nExit, 0) << run.strErr;
        ExpectGolden(std::string(HANDFALL_GOLDEN_DIR) + "/odds_" + pszCase + ".txt",
                     Lines(run.strOut));
    }
}

// --list gives every table of the library, every family's, with what plays it and its return
// at 5 coins; a family that no variant is named after plays its first table unless told, or a
// list of pays in its category order, and says which in the title.
TEST(OddsCommandTest, TheLibraryListAndAFamilyOfTheLibraryPlayed) {
    const CRun list = RunOdds("--list");
    ASSERT_EQ(list.nExit, 0) << list.strErr;
    const std::vector<std::string> vecLines = Lines(list.strOut);
    ASSERT_EQ(vecLines.size(), PayTableLibrary().size() + 1) << list.strOut;
    for (std::size_t i = 0; i < PayTableLibrary().size(); ++i) {
        const CLibraryPayTable& entry = PayTableLibrary()[i];
        std::istringstream line(vecLines[i + 1]);
        std::string strKey, strShort, strPercent;
        line >> strKey >> strShort;
        EXPECT_EQ(strKey, entry.table.Family().pszKey) << vecLines[i + 1];
        EXPECT_EQ(strShort, entry.strShort) << vecLines[i + 1];
        EXPECT_NE(vecLines[i + 1].find("  " + entry.table.strName + "  "), std::string::npos);
        EXPECT_TRUE(vecLines[i + 1].ends_with(" %")) << vecLines[i + 1];
    }
    for (const auto& [pszArgs, pszTitle] : {
             std::pair{"--game TENS 'Jh Qh Kh 10h 2c'",
                       "Tens or Better (Tens or Better 6/5, 5 coins), dealt Jh Qh Kh 10h 2c"},
             std::pair{"--game double-double-bonus --bet 1 --pays "
                       "'4000 50 400 160 160 80 50 9 6 4 3 1 1' 'Jh Qh Kh 10h 2c'",
                       "Double Double Bonus (your table, 1 coin), dealt Jh Qh Kh 10h 2c"},
         }) {
        const CRun run = RunOdds(pszArgs);
        ASSERT_EQ(run.nExit, 0) << run.strErr;
        const std::vector<std::string> vecRanked = Lines(run.strOut);
        ASSERT_EQ(vecRanked.size(), 34u) << run.strOut;
        EXPECT_EQ(vecRanked[0], pszTitle);
        EXPECT_TRUE(vecRanked[2].starts_with("   1  Jh  Qh  Kh  10h --")) << vecRanked[2];
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

// The chart of one table per family, its lines and its exact cost: a golden file each, made
// again when the chart generator changes.
class StrategyGoldenTest : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(StrategyGoldenTest, ChartIsTheGoldenFile) {
    const auto& [pszArgs, pszCase] = GetParam();
    const CRun run = RunOdds(pszArgs);
    ASSERT_EQ(run.nExit, 0) << run.strErr;
    EXPECT_EQ(run.strErr, "");
    ExpectGolden(std::string(HANDFALL_GOLDEN_DIR) + "/strategy_" + pszCase + ".txt",
                 Lines(run.strOut));
}

INSTANTIATE_TEST_SUITE_P(
    Families, StrategyGoldenTest,
    ::testing::Values(std::pair{"--strategy --game jacks --pays 9/6", "jacks_96"},
                      std::pair{"--strategy --game double-bonus --pays 10/7 --bet 1",
                                "double_bonus_107_1_coin"},
                      std::pair{"--strategy --game deuces --pays full-pay", "deuces_full_pay"}),
    [](const auto& info) { return std::string(info.param.second); });

// A case of golden/chart_holds_bad_lines.txt: its name, standard input, and each line of
// standard error. Every line is told with its number and nothing is written for it; blank lines
// are skipped but counted.
class ChartHoldsBadLineTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(ChartHoldsBadLineTest, ToldOnStandardErrorByLineNumber) {
    ASSERT_GE(GetParam().size(), 3u);
    const CRun run = RunOdds("--chart-holds", GetParam()[1]);
    EXPECT_EQ(run.nExit, 2);
    EXPECT_EQ(run.strOut, "");
    EXPECT_EQ(Lines(run.strErr),
              std::vector<std::string>(GetParam().begin() + 2, GetParam().end()));
}

INSTANTIATE_TEST_SUITE_P(Lines, ChartHoldsBadLineTest,
                         ::testing::ValuesIn(ReadCases(HANDFALL_GOLDEN_DIR
                                                       "/chart_holds_bad_lines.txt")),
                         CaseName);

// A deal in dealt order as the chart writes it, and the held cards: the chart's own Choose.
std::string ExpectedHolds(const CStrategyChart& chart, const std::array<int, 5>& arrCodes) {
    const CChartChoice choice = chart.Choose(arrCodes);
    std::string strDeal, strHeld;
    for (int i = 0; i < 5; ++i) {
        const std::string strCard = CardCodeText(arrCodes[static_cast<std::size_t>(i)]);
        strDeal += (i > 0 ? " " : "") + strCard;
        if ((choice.nHoldMask >> i) & 1) strHeld += (strHeld.empty() ? "" : " ") + strCard;
    }
    return strDeal + "\t" + std::to_string(choice.nLine + 1) + "\t" +
           (strHeld.empty() ? "-" : strHeld);
}

// A sample of deals in scrambled order, written as players type them, with bad and blank lines
// among them: each good line gets the chart's line and hold, in order; the bad ones are told.
TEST(ChartHoldsTest, EveryGoodLineGetsTheChartsHoldAndTheBadOnesAreTold) {
    const CLibraryPayTable* pTable = FindLibraryPayTable(GetFamily("bonus"), GAME_BONUS, "8/5");
    ASSERT_NE(pTable, nullptr);
    const std::shared_ptr<const CStrategyChart> pChart = SharedStrategyChart(pTable->table, 3);
    std::string strInput;
    std::vector<std::string> vecExpected;
    std::uint32_t nSeed = 12345;
    const auto next = [&nSeed] { return (nSeed = nSeed * 1664525u + 1013904223u) >> 8; };
    for (int nDeal = 0; nDeal < 3000; ++nDeal) {
        std::array<int, 5> arrCodes{};
        for (int i = 0; i < 5; ++i) {
            bool bTaken = true;
            while (bTaken) {
                arrCodes[static_cast<std::size_t>(i)] = static_cast<int>(next() % 52);
                bTaken = std::count(arrCodes.begin(), arrCodes.begin() + i,
                                    arrCodes[static_cast<std::size_t>(i)]) > 0;
            }
            std::string strCard = CardCodeText(arrCodes[static_cast<std::size_t>(i)]);
            if (nDeal % 3 == 1)
                std::transform(strCard.begin(), strCard.end(), strCard.begin(), ::tolower);
            if (nDeal % 5 == 2 && strCard.starts_with("10")) strCard = "T" + strCard.substr(2);
            strInput += (i == 0 ? (nDeal % 7 == 3 ? "\t " : "") : "  ") + strCard;
        }
        strInput += nDeal % 11 == 4 ? " \r\n" : "\n";
        vecExpected.push_back(ExpectedHolds(*pChart, arrCodes));
    }
    // A royal flush is the top line whatever the table; lines 3001 to 3003: bad, blank, royal.
    strInput += "Qd Jd Kd Zd Ad\n\nQd Jd Kd 10d Ad";
    vecExpected.push_back("Qd Jd Kd 10d Ad\t1\tQd Jd Kd 10d Ad");
    const CRun run = RunOdds("--chart-holds --game bonus --pays 8/5 --bet 3", strInput);
    EXPECT_EQ(run.nExit, 2);
    EXPECT_EQ(Lines(run.strOut), vecExpected);
    EXPECT_EQ(Lines(run.strErr), std::vector<std::string>{"handfall-odds: line 3001: 'Zd' is not "
                                                          "a card (such as 10h, Qs, Ac, 2d)"});
    const CRun good = RunOdds("--chart-holds --game bonus --pays 8/5 --bet 3", "2c 3c 4c 5c 6c\n");
    EXPECT_EQ(good.nExit, 0) << good.strErr;
    EXPECT_EQ(good.strOut, ExpectedHolds(*pChart, {0, 4, 8, 12, 16}) + "\n");
}

}  // namespace
