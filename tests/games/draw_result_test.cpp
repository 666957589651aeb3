#include <gtest/gtest.h>

#include "games/game_duces_wild.h"
#include "games/game_jack_or_better.h"
#include "support/assert_counter.h"
#include "support/recording_dc.h"
#include "support/test_cards.h"

namespace {

using CLines = std::vector<std::string>;

// The calls DrawResult makes on a surface whose pen is blue, 2 wide; the pen must be blue after.
CLines DrawnLabel(const CGame& game, POINT pt, bool bLarge) {
    CRecordingDC dc;
    CPen blue(PS_SOLID, 2, RGB(0, 0, 255));
    dc.SelectObject(&blue);
    dc.Clear();
    game.DrawResult(&dc, pt, bLarge);
    EXPECT_EQ(dc.GetCurrentPen(), &blue);
    return dc.Describe();
}

// The label is the variant's and reads the hand as it is when drawn; a losing hand, a hand of
// card backs and a hand without cards get none.
TEST(DrawResult, OnlyAHandThatScoresNowGetsALabel) {
    const CTestCards cards;
    CHand hand = cards.Hand("2c 9d 9h 4s Kc");
    const CGameDucesWild game(&hand);  // "3 of a Kind" here; Jacks or Better would lose
    // A red rounded box one row under the cards, as wide as their row; the name centred inside,
    // not on one line (no DT_SINGLELINE), over a transparent background; the pen put back. The
    // main hand's label is the table's painting test.
    EXPECT_EQ(
        DrawnLabel(game, POINT{5, 5}, false),
        (CLines{"SelectPen rgb 255,0,0 width 1", "RoundRect 5,40-134,59 corner 3,3 pen rgb 255,0,0",
                "SelectPen rgb 0,0,255 width 2", "SetBkMode 1",
                "DrawText \"3 of a Kind\" 6,41-133,58 format 5 bkmode 1"}));
    for (const char* pszHand : {"3c 9d 9h 4s Kc", "XX XX XX XX XX"}) {
        const CCardArray cardsNow = cards.ParseArray(pszHand);
        hand.SetCards(&cardsNow);
        EXPECT_TRUE(DrawnLabel(game, POINT{10, 429}, true).empty()) << pszHand;
        EXPECT_EQ(game.GetName(), std::string("3 of a Kind"));  // the score is the dealt one's
    }
    const CAssertCounter counter;  // an empty hand breaks the five-card contract
    CHand empty;
    EXPECT_TRUE(DrawnLabel(CGameJackOrBetter(&empty), POINT{5, 5}, true).empty());
    EXPECT_TRUE(DrawnLabel(CGameJackOrBetter(nullptr), POINT{5, 5}, true).empty());
}

}  // namespace
