#include <gtest/gtest.h>

#include "table_fixture.h"

namespace {

std::vector<CDCCall> Blits(CRecordingDC& dc) {
    return dc.CallsOf(CDCCall::BitBlt);
}

TEST_F(TableTest, StartUpPaintsFortyNineSmallAndOneLargeFaceDownHandWithoutLabels) {
    CRecordingDC& dc = host.Paint();
    const auto blits = Blits(dc);
    ASSERT_EQ(blits.size(), 250u);
    EXPECT_TRUE(dc.CallsOf(CDCCall::RoundRect).empty());
    EXPECT_TRUE(dc.CallsOf(CDCCall::DrawText).empty());
    // Column by column, top to bottom: hand 1 at (5, 5), hand 7 at (5, 359), hand 8 at (140, 5).
    const int columns[] = {5, 140, 275, 410, 545, 680, 815};
    const int rows[] = {5, 64, 123, 182, 241, 300, 359};
    for (int n = 0; n < 49; ++n) {
        const int x = columns[n / 7];
        const int y = rows[n % 7];
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(blits[5 * n + i].rect, (RECT{x + 26 * i, y, x + 26 * i + 25, y + 34}))
                << "hand " << n + 1 << " card " << i;
        }
        EXPECT_EQ(CMultiHandDlg::HandOrigin(n + 1), (POINT{x, y}));
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(blits[245 + i].rect, (RECT{10 + 75 * i, 429, 81 + 75 * i, 525}));
    EXPECT_EQ(CMultiHandDlg::HandOrigin(0), (POINT{10, 429}));
}

TEST_F(TableTest, LabelsFollowTheHandsThatScoreUnderTheSelectedGame) {
    SpinTo(IDC_SPIN_HANDS, 5);
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    // After the deal the main hand already carries its label.
    auto boxes = host.Paint().CallsOf(CDCCall::RoundRect);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, (RECT{10, 526, 381, 545}));

    host.Click(IDC_HOLD1);
    host.Click(IDC_HOLD2);
    ScriptDraw({"- - Jc 4d 4s", "- - 2c 5d 8s", "- - 3c 5s 6d", "- - 2h 2d 9s", "- - 3d 6c 8c"});
    host.Click(IDC_DRAW);
    CRecordingDC& dc = host.Paint();
    boxes = dc.CallsOf(CDCCall::RoundRect);
    const auto texts = dc.CallsOf(CDCCall::DrawText);
    // Hands 1 to 4 score (a pair, a pair, two pair, a pair); the main hand is a full house.
    ASSERT_EQ(boxes.size(), 5u);
    ASSERT_EQ(texts.size(), 5u);
    for (int h = 1; h <= 4; ++h) {
        const int y = 5 + 59 * (h - 1);
        EXPECT_EQ(boxes[h - 1].rect, (RECT{5, y + 35, 134, y + 54}));
    }
    EXPECT_EQ(texts[2].text, "2 Pair");
    EXPECT_EQ(texts[4].text, "Full House");
    EXPECT_EQ(boxes[4].rect, (RECT{10, 526, 381, 545}));

    // Another game relabels the same cards at the next painting: only the full house pays.
    host.Click(IDC_DUCES_WILD);
    const auto wild = host.Paint().CallsOf(CDCCall::DrawText);
    // Hand 1 (one 2 and a pair) and hand 3 (two 2s and a pair) score with the 2s; the main hand.
    ASSERT_EQ(wild.size(), 3u);
    EXPECT_EQ(wild[0].text, "3 of a Kind");
    EXPECT_EQ(wild[1].text, "4 of a Kind");
    EXPECT_EQ(wild[2].text, "Full House");

    // Fewer hands after the draw: the hands beyond keep their cards and labels.
    host.Click(IDC_JACKS_OR_BETTER);
    SpinTo(IDC_SPIN_HANDS, 1);
    EXPECT_EQ(host.Paint().CallsOf(CDCCall::RoundRect).size(), 5u);
}

TEST_F(TableTest, MinimisedTablePaintsOnlyTheCentredIcon) {
    host.SetIconic(true);
    CRecordingDC& dc = host.Paint();
    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, CDCCall::DrawIcon);
    // (953 - 32 + 1) / 2 and (621 - 32 + 1) / 2.
    EXPECT_EQ(calls[0].rect.left, 461);
    EXPECT_EQ(calls[0].rect.top, 295);
    EXPECT_EQ(dlg.OnQueryDragIcon(), AfxLoadIcon(IDR_MAINFRAME));
}

}  // namespace
