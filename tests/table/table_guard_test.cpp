// The table at its edges: a game box clicked while dealt, closing, and a dialog moving to another
// host. The results list's colour is the window test's pixel check.
#include <gtest/gtest.h>

#include "table_fixture.h"

namespace {

// An auto box flips its own mark before its handler runs; between Deal and Draw the handler puts
// it back and the game stays. That the handlers and spins change nothing out of their phase,
// and keep the bet and hands in their ranges, is the random session's test.
TEST_F(TableTest, AGameBoxClickedBetweenDealAndDrawChangesNothing) {
    Deal("Jh Jd 4h 7s Kc");
    host.EnableControl(IDC_BONUS, true);
    host.Click(IDC_BONUS);
    EXPECT_EQ(dlg.GetGame(), 2);
    EXPECT_EQ(host.Control(IDC_BONUS).nCheck, 0);
    EXPECT_EQ(host.Control(IDC_JACKS_OR_BETTER).nCheck, 1);
}

TEST_F(TableTest, CloseEndsTheTableAndNothingReadsTheDeletedCardsAfter) {
    Deal("Jh Jd 4h 7s Kc");
    dlg.OnSysCommand(SC_CLOSE, 0);
    EXPECT_TRUE(dlg.IsClosed() && host.IsEnded());
    EXPECT_EQ(host.GetResult(), IDCANCEL);
    EXPECT_TRUE(dlg.GetDeck().GetCards().IsEmpty() && dlg.GetDeck().GetBlankHand()->IsEmpty());
    // Every one of these would read a deleted card if it acted (the sanitizer build tells).
    dlg.OnDraw();
    dlg.OnDeal();
    dlg.OnHold1();
    EXPECT_TRUE(host.Paint().Calls().empty());
    dlg.OnPayTable();  // nor opens a window that would run on without the table
    dlg.OnSysCommand(IDM_ABOUTBOX, 0);
    EXPECT_EQ(runner.TotalRuns(), 0);
    for (int h = 0; h < 50; ++h) EXPECT_EQ(dlg.GetHand(h).GetSize(), 0);
    dlg.OnCancel();  // a second cancel deletes nothing twice
}

// A dialog outlives the host it first ran on: its controls must follow the next host, never
// reach the one that is gone.
TEST(TableHosts, ControlsAreUnboundWithTheirHostAndBoundToTheNext) {
    RegisterTableStrings();
    CMultiHandDlg dlg;
    CRecordingDialogHost(MultiHandDialogTemplate()).Open(dlg);  // a host gone after the statement
    CRecordingDialogHost second(MultiHandDialogTemplate());
    dlg.AttachHost(&second);
    dlg.UpdateData(false);
    second.EnableControl(IDC_DEAL, false);
    NMUPDOWN nm{{IDC_SPIN_HANDS, UDN_DELTAPOS}, 50, -1};
    LRESULT result = 1;
    dlg.OnNotify(IDC_SPIN_HANDS, &nm.hdr, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(second.Control(IDC_HANDS).strText, "49");
    EXPECT_TRUE(second.Control(IDC_DEAL).bEnabled);  // through the rebound Deal button
    dlg.OnCancel();
    EXPECT_TRUE(second.IsEnded());
}

}  // namespace
