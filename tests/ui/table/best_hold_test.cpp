#include "ui/table/best_hold.h"

#include <gtest/gtest.h>

#include "table/table_fixture.h"

namespace {

class BestHoldTest : public TableTest {
protected:
    CBestHoldAdvisor advisor;

    std::string Captions() const {
        std::string s;
        for (int id : kAllHolds) s += Text(id) == "Held" ? 'H' : '-';
        return s;
    }
};

TEST_F(BestHoldTest, SetsTheMarksAndCaptionsAsClicksWouldClearingOtherHolds) {
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    host.Click(IDC_HOLD5);
    host.Click(IDC_HOLD3);
    ASSERT_TRUE(advisor.Apply(dlg));
    EXPECT_EQ(Captions(), "HH---");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(dlg.IsHeld(i), i < 2) << i;
    // Applying it again changes nothing.
    ASSERT_TRUE(advisor.Apply(dlg));
    EXPECT_EQ(Captions(), "HH---");
}

TEST_F(BestHoldTest, KeepsADealtRoyalFlushAndADealtWildRoyal) {
    ScriptDeal("10h Jh Qh Kh Ah");
    host.Click(IDC_DEAL);
    EXPECT_EQ(advisor.BestHoldMask(dlg), 0x1F);
    ASSERT_TRUE(advisor.Apply(dlg));
    EXPECT_EQ(Captions(), "HHHHH");

    ScriptDraw(std::vector<std::string>(50, "- - - - -"));
    host.Click(IDC_DRAW);
    host.Click(IDC_DUCES_WILD);
    ScriptDeal("2c Jh Qh Kh Ah");
    host.Click(IDC_DEAL);
    EXPECT_EQ(advisor.BestHoldMask(dlg), 0x1F);
}

TEST_F(BestHoldTest, DoesNothingOutsideADeal) {
    EXPECT_FALSE(advisor.Apply(dlg));
    EXPECT_EQ(advisor.BestHoldMask(dlg), -1);
    ScriptDeal("Jh Jd 4h 7s Kc");
    host.Click(IDC_DEAL);
    ScriptDraw(std::vector<std::string>(50, "- - - - -"));
    host.Click(IDC_DRAW);
    EXPECT_FALSE(advisor.Apply(dlg));
    EXPECT_EQ(Captions(), "-----");
    EXPECT_FALSE(dlg.IsHeld(0));
}

}  // namespace
