#include "ui/table/best_hold.h"

#include <gtest/gtest.h>

#include "analysis/outcome_cache.h"
#include "games/game.h"
#include "games/pay_table_library.h"
#include "table/table_fixture.h"

namespace {

class BestHoldTest : public TableTest {
protected:
    // Built once per test program: Best Hold itself never builds on the window's thread.
    BestHoldTest() {
        SharedOutcomeTable(GetFamily("jacks"), kAsBuiltRules);
        SharedOutcomeTable(GetFamily("deuces"), kAsBuiltRules);
    }

    std::string Captions() const {
        std::string s;
        for (int id : IDC_HOLDS) s += Text(id) == "Held" ? 'H' : '-';
        return s;
    }
};

// Only between Deal and Draw, setting the marks and captions as clicks would, clearing other
// holds; a second time changes nothing.
TEST_F(BestHoldTest, AppliesTheBestHoldAsClicksWouldOnlyBetweenDealAndDraw) {
    EXPECT_FALSE(ApplyBestHold(dlg));
    EXPECT_EQ(BestHoldMask(dlg), -1);
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    host.Click(IDC_HOLD5);
    host.Click(IDC_HOLD3);
    for (int nTime = 0; nTime < 2; ++nTime) {
        ASSERT_TRUE(ApplyBestHold(dlg));
        EXPECT_EQ(Captions(), "HH---");
        for (int i = 0; i < 5; ++i) EXPECT_EQ(dlg.IsHeld(i), i < 2) << i;
    }
    ScriptDraw(std::vector<std::string>(50, "- - - - -"));
    host.Click(IDC_DRAW);
    EXPECT_FALSE(ApplyBestHold(dlg));
    EXPECT_EQ(Captions(), "HH---");
}

// Each game by its own analyser: Jacks or Better would keep only the four hearts.
TEST_F(BestHoldTest, KeepsADealtWildRoyalInDucesWild) {
    host.Click(IDC_DUCES_WILD);
    ScriptDeal("2c Jh Qh Kh Ah");
    host.Click(IDC_DEAL);
    EXPECT_EQ(BestHoldMask(dlg), 0x1F);
}

// The table's pay table decides: under casino rules A-2-3-4-5 is a straight to keep whole; as
// built it pays nothing and is broken.
TEST_F(BestHoldTest, FollowsThePayTableInPlay) {
    SharedOutcomeTable(GetFamily("jacks"), kCasinoRules);
    for (bool bCasino : {false, true}) {
        if (bCasino) {
            ASSERT_TRUE(
                dlg.SetPayTable(GAME_JACKS_OR_BETTER,
                                FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table));
        }
        ScriptDeal("Ac 2d 3h 4s 5c");
        host.Click(IDC_DEAL);
        EXPECT_EQ(BestHoldMask(dlg) == 0x1F, bCasino);
        ScriptDraw(std::vector<std::string>(50, "- - - - -"));
        host.Click(IDC_DRAW);
    }
}

}  // namespace
