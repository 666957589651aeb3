// Handlers reached without their control (keys, accessibility actions, queued clicks) act only
// where the control would be enabled.
#include <gtest/gtest.h>

#include "table_fixture.h"

namespace {

TEST_F(TableTest, DrawAndHoldBeforeADealDoNothing) {
    dlg.OnDraw();
    dlg.OnHold1();
    dlg.OnHold5();
    EXPECT_FALSE(dlg.IsHeld(0));
    EXPECT_EQ(Text(IDC_HOLD1), "");
    EXPECT_EQ(dlg.GetCoins(), 1000);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(script.Taken(), 0);
    EXPECT_EQ(HandText(0), "XX XX XX XX XX");
}

TEST_F(TableTest, ASecondDealBeforeTheDrawTakesNoSecondStake) {
    ScriptDeal("Jh Jd 4h 7s Kc");
    dlg.OnDeal();
    dlg.OnHold1();
    dlg.OnDeal();
    dlg.OnCommand(IDC_DEAL);
    EXPECT_EQ(dlg.GetCoins(), 950);
    EXPECT_EQ(HandText(0), "Jh Jd 4h 7s Kc");
    EXPECT_TRUE(dlg.IsHeld(0));
}

TEST_F(TableTest, ASecondDrawDrawsNothingAndPaysNothing) {
    SpinTo(IDC_SPIN_HANDS, 1);
    ScriptDeal("9s 9h 9c Kd Kh");
    host.Click(IDC_DEAL);
    for (int id : kAllHolds) host.Click(id);
    ScriptDraw({"- - - - -"});
    dlg.OnDraw();
    const int nCoins = dlg.GetCoins();
    const int nTaken = script.Taken();
    dlg.OnDraw();
    EXPECT_EQ(dlg.GetCoins(), nCoins);
    EXPECT_EQ(script.Taken(), nTaken);
    EXPECT_EQ(nCoins, 999 + 9);
}

TEST_F(TableTest, SpinsAndGameChangesBetweenDealAndDrawAreRefused) {
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    NMUPDOWN nm{{IDC_SPIN_BET, UDN_DELTAPOS}, 1, 1};
    LRESULT result = 0;
    dlg.OnDeltaposSpinBet(&nm.hdr, &result);
    EXPECT_NE(result, 0);
    nm = {{IDC_SPIN_HANDS, UDN_DELTAPOS}, 50, -1};
    dlg.OnDeltaposSpinHands(&nm.hdr, &result);
    EXPECT_NE(result, 0);
    EXPECT_EQ(dlg.GetBet(), 1);
    EXPECT_EQ(dlg.GetHandsInPlay(), 50);
    EXPECT_EQ(Text(IDC_BET), "1");

    // An auto box flips its own mark before its handler runs; the handler puts it back.
    host.EnableControl(IDC_BONUS, true);
    host.Click(IDC_BONUS);
    EXPECT_EQ(dlg.GetGame(), 2);
    EXPECT_EQ(host.Control(IDC_BONUS).nCheck, 0);
    EXPECT_EQ(host.Control(IDC_JACKS_OR_BETTER).nCheck, 1);
}

TEST_F(TableTest, SpinNotificationsOutsideTheRangeAreHeldWithinIt) {
    NMUPDOWN nm{{IDC_SPIN_BET, UDN_DELTAPOS}, 4, 100};
    LRESULT result = 1;
    dlg.OnNotify(IDC_SPIN_BET, &nm.hdr, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(dlg.GetBet(), 5);
    nm = {{IDC_SPIN_HANDS, UDN_DELTAPOS}, 3, -100};
    dlg.OnNotify(IDC_SPIN_HANDS, &nm.hdr, &result);
    EXPECT_EQ(dlg.GetHandsInPlay(), 1);
}

TEST_F(TableTest, AfterCancelNothingReadsTheDeletedCards) {
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    dlg.OnCancel();
    EXPECT_TRUE(dlg.IsClosed());
    // Every one of these would read a deleted card if it acted (the sanitizer build tells).
    dlg.OnDraw();
    dlg.OnDeal();
    dlg.OnHold1();
    EXPECT_TRUE(host.Paint().Calls().empty());
    for (int h = 0; h < 50; ++h) EXPECT_EQ(dlg.GetHand(h).GetSize(), 0);
    dlg.OnCancel();  // a second cancel deletes nothing twice
}

TEST_F(TableTest, TheResultsListIsFilledWithTheFaceColourAndTransparentText) {
    AfxSetSysColor(COLOR_BTNFACE, RGB(12, 34, 56));
    CRecordingDC dc;
    const LRESULT brush = dlg.WindowProc(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(&dc), 0);
    const auto* pBrush = reinterpret_cast<const CBrush*>(brush);
    ASSERT_NE(pBrush, nullptr);
    EXPECT_EQ(pBrush->GetColor(), RGB(12, 34, 56));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    // The same brush every time: it lives as long as the window.
    EXPECT_EQ(dlg.WindowProc(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(&dc), 0), brush);
    EXPECT_EQ(dlg.WindowProc(0x0200, 0, 0), 0);
}

}  // namespace

namespace {

// A dialog outlives the host it first ran on: its controls must follow the next host, never
// reach the one that is gone.
TEST(TableHosts, ControlsAreUnboundWithTheirHostAndBoundToTheNext) {
    RegisterTableStrings();
    CMultiHandDlg dlg;
    {
        CRecordingDialogHost first(MultiHandDialogTemplate());
        first.Open(dlg);
    }
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
