// What the table says as play goes on, and its lines in words, from a played deal.
#include "table/table_speech.h"

#include "table/results_lines.h"
#include "table_fixture.h"

namespace {

using TableSpeechTest = TableTest;

TEST_F(TableSpeechTest, ADealAHoldAndADrawAreToldInWords) {
    EXPECT_EQ(HoldButtonName(dlg, 0), "Hold card 1");
    SpinTo(IDC_SPIN_HANDS, 2);
    Deal("9h 9c Kh 2s 7d");
    EXPECT_EQ(DealtSpeech(dlg),
              "Dealt 9 of hearts, 9 of clubs, king of hearts, 2 of spades, "
              "7 of diamonds");
    EXPECT_EQ(HoldButtonName(dlg, 2), "Hold king of hearts");
    EXPECT_EQ(HeldSpeech(dlg), "Holding nothing");
    host.Click(IDC_HOLD1);
    EXPECT_EQ(HoldSpeech(dlg, 0), "9 of hearts held");
    host.Click(IDC_HOLD2);
    EXPECT_EQ(HeldSpeech(dlg), "Holding 9 of hearts, 9 of clubs");
    host.Click(IDC_HOLD2);
    EXPECT_EQ(HoldSpeech(dlg, 1), "9 of clubs released");
    host.Click(IDC_HOLD2);
    // The main hand draws a third 9; hand 1 nothing better than the pair.
    ScriptDraw({"- - 9s 3d 4c", "- - 5s 3c 4d"});
    host.Click(IDC_DRAW);
    EXPECT_EQ(DrawnSpeech(dlg), "Main hand 3 of a Kind. Won 3 coins");
    // The list shows its lines as ever; a screen reader reads them as words.
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"3 of a Kind: 1@3x1= 3", "==========", "Total: 3"}));
    EXPECT_EQ(host.Control(IDC_RESULTS).spokenLines,
              (std::vector<std::string>{"3 of a Kind: 1 hand at 3 times 1, 3 coins", "separator",
                                        "Total: 3 coins"}));
}

// A pay line's tabs, however many and wherever they are, read as one pause.
TEST(TableSpeech, PayLinesReadWithTheirUnits) {
    const std::pair<const char*, const char*> cases[] = {
        {"Royal Flush\t250", "Royal Flush: 250 per coin"},
        {"\twith 2's\t25", "with 2's: 25 per coin"},
        {"4 (5-K's)\t\t25", "4 (5-K's): 25 per coin"},
        {"Handfall", "Handfall"},
    };
    for (const auto& [pszLine, pszWords] : cases) EXPECT_EQ(PayLineSpeech(pszLine), pszWords);
}

}  // namespace
