// What a painting draws, call by call, against a golden file per case (tests/table/golden): the
// 49 small hands column by column from (5, 5) at a pitch of 135 x 59, the main hand large at
// (10, 429), and the labels under the hands that score.
#include <gtest/gtest.h>

#include "support/golden.h"
#include "table_fixture.h"

namespace {

using TablePaint = TableTest;

void ExpectPainting(CRecordingDialogHost& host, const std::string& strCase) {
    ExpectGolden(std::string(HANDFALL_GOLDEN_DIR) + "/" + strCase + ".txt",
                 host.Paint().Describe(&CTableResources::Name));
}

TEST_F(TablePaint, StartUpPaintsFortyNineSmallAndOneLargeFaceDownHandWithoutLabels) {
    // Each hand at its origin, which the tests beside the table take as given.
    ExpectPainting(host, "start_up");
}

TEST_F(TablePaint, LabelsFollowTheHandsThatScoreUnderTheSelectedGame) {
    SpinTo(IDC_SPIN_HANDS, 5);
    Deal("Jh Jd 4h 7s Kc", {0, 1});
    ExpectPainting(host, "dealt_pair_of_jacks");  // the main hand already carries its label
    // Hands 1 to 4 score a pair, a pair, two pair and a pair; the main hand is a full house.
    ScriptDraw({"- - Jc 4d 4s", "- - 2c 5d 8s", "- - 3c 5s 6d", "- - 2h 2d 9s", "- - 3d 6c 8c"});
    host.Click(IDC_DRAW);
    ExpectPainting(host, "drawn_jacks_or_better");
    // Another game relabels the same cards at the next painting: with the 2s wild, hand 1 is
    // three of a kind and hand 3 four of a kind; the full house stays.
    host.Click(IDC_DUCES_WILD);
    ExpectPainting(host, "drawn_duces_wild");
    // Fewer hands after the draw: the hands beyond keep their cards and labels.
    host.Click(IDC_JACKS_OR_BETTER);
    SpinTo(IDC_SPIN_HANDS, 1);
    ExpectPainting(host, "drawn_jacks_or_better");
}

TEST_F(TablePaint, MinimisedTablePaintsOnlyTheIconInTheMiddle) {
    host.SetIconic(true);
    // (953 - 32 + 1) / 2 and (621 - 32 + 1) / 2.
    EXPECT_EQ(host.Paint().Describe(&CTableResources::Name),
              std::vector<std::string>{"DrawIcon 461,295-493,327 icon"});
    const HICON hIcon = AfxLoadIcon(IDR_MAINFRAME);
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ((std::vector{dlg.OnQueryDragIcon(), host.GetIcon(true), host.GetIcon(false)}),
              std::vector(3, hIcon));
}

}  // namespace
