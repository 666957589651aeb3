#include <gtest/gtest.h>

#include "games/game_duces_wild.h"
#include "games/game_jack_or_better.h"
#include "support/assert_counter.h"
#include "support/recording_dc.h"
#include "support/test_cards.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct CLabelCase {
    POINT pt;
    bool bLarge;
    RECT rcBox;
};

// A hand drawn small at (5, 5) and the main hand drawn large at (10, 429).
constexpr CLabelCase kLabels[] = {
    {{5, 5}, false, {5, 40, 134, 59}},
    {{10, 429}, true, {10, 526, 381, 545}},
};

TEST(DrawResult, AWinningHandGetsARedRoundedBoxUnderTheCardsWithItsNameInside) {
    const CTestCards cards;
    CHand hand = cards.Hand("Jc Jd 4h 7s Kc");
    const CGameJackOrBetter game(&hand);
    for (const CLabelCase& c : kLabels) {
        CRecordingDC dc;
        CPen blue(PS_SOLID, 2, kBlue);
        dc.SelectObject(&blue);
        dc.Clear();

        game.DrawResult(&dc, c.pt, c.bLarge);

        const std::vector<CDCCall>& calls = dc.Calls();
        ASSERT_EQ(calls.size(), 5u) << c.bLarge;
        EXPECT_EQ(calls[0].kind, CDCCall::SelectPen);
        EXPECT_EQ(calls[0].crPen, kRed);
        EXPECT_EQ(calls[0].nValue, 1);  // width

        EXPECT_EQ(calls[1].kind, CDCCall::RoundRect);
        EXPECT_EQ(calls[1].rect, c.rcBox);
        EXPECT_EQ(calls[1].point, (POINT{3, 3}));
        EXPECT_EQ(calls[1].crPen, kRed);

        EXPECT_EQ(calls[2].kind, CDCCall::SelectPen);
        EXPECT_EQ(calls[2].crPen, kBlue);

        EXPECT_EQ(calls[3].kind, CDCCall::SetBkMode);
        EXPECT_EQ(calls[3].nValue, TRANSPARENT);

        EXPECT_EQ(calls[4].kind, CDCCall::DrawText);
        EXPECT_EQ(calls[4].text, "Pair");
        const RECT rcInner{c.rcBox.left + 1, c.rcBox.top + 1, c.rcBox.right - 1,
                           c.rcBox.bottom - 1};
        EXPECT_EQ(calls[4].rect, rcInner);
        EXPECT_EQ(calls[4].nFormat, DT_CENTER | DT_VCENTER);  // not one line: no DT_SINGLELINE
        EXPECT_EQ(calls[4].nValue, TRANSPARENT);

        EXPECT_EQ(dc.GetCurrentPen(), &blue);
    }
}

TEST(DrawResult, ALosingHandDrawsNothingAndKeepsThePen) {
    const CTestCards cards;
    for (const char* pszHand : {"10c 10d 4h 7s Kc", "XX XX XX XX XX"}) {
        CHand hand = cards.Hand(pszHand);
        const CGameJackOrBetter game(&hand);
        for (const CLabelCase& c : kLabels) {
            CRecordingDC dc;
            CPen blue(PS_SOLID, 2, kBlue);
            dc.SelectObject(&blue);
            dc.Clear();
            game.DrawResult(&dc, c.pt, c.bLarge);
            EXPECT_TRUE(dc.Calls().empty()) << pszHand;
            EXPECT_EQ(dc.GetCurrentPen(), &blue) << pszHand;
        }
    }
}

TEST(DrawResult, TheLabelIsTheVariantsAndReadsTheHandAsItIsNow) {
    const CTestCards cards;
    CHand hand = cards.Hand("2c 9d 9h 4s Kc");
    const CGameDucesWild game(&hand);  // "3 of a Kind" here; Jacks or Better would lose
    CRecordingDC dc;
    game.DrawResult(&dc, POINT{5, 5}, false);
    ASSERT_EQ(dc.CallsOf(CDCCall::DrawText).size(), 1u);
    EXPECT_EQ(dc.CallsOf(CDCCall::DrawText)[0].text, "3 of a Kind");

    hand.SetCard(0, cards.Parse("3c"));
    dc.Clear();
    game.DrawResult(&dc, POINT{5, 5}, false);
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(DrawResult, AHandWithoutCardsDrawsNothing) {
    const CAssertCounter counter;  // an empty hand breaks the five-card contract
    CHand empty;
    const CGameJackOrBetter game(&empty);
    const CGameJackOrBetter noHand(nullptr);
    CRecordingDC dc;
    game.DrawResult(&dc, POINT{5, 5}, true);
    noHand.DrawResult(&dc, POINT{5, 5}, true);
    EXPECT_TRUE(dc.Calls().empty());
}

}  // namespace
