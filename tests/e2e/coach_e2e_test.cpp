// The coach with the real game: C opens it, the keys keep playing at the table, the coach
// follows the game, and C closes it again without a change at the table.
#include "e2e_fixture.h"

namespace {

using CoachE2ETest = E2ETest;

TEST_F(CoachE2ETest, COpensTheCoachWhichFollowsAGamePlayedWithTheKeysAndCClosesIt) {
    ASSERT_TRUE(Window("Handfall II Coach", false).isEmpty());
    Type("c");
    const QString strCoach = Window("Handfall II Coach");
    ASSERT_FALSE(strCoach.isEmpty()) << "C did not open the coach";
    const QRect rcCoach = WindowRect(strCoach);
    EXPECT_GE(rcCoach.width(), 300);
    Settle(3000);  // the first variant's table
    const QImage before = Screen().copy(rcCoach);

    // The keys still reach the table: a deal, a hold and a draw change the coach's figures.
    Type("d");
    Type("1");
    Type("d");
    const QImage after = Screen().copy(rcCoach);
    int nChanged = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) nChanged += before.pixel(x, y) != after.pixel(x, y);
    EXPECT_GT(nChanged, 5000) << "the coach did not follow the game";

    // On a screen too narrow for both the coach covers the table's right side: the rest of
    // the table must look the same once it closes.
    const QRect rcUncovered(0, 0, std::min(rcCoach.x() - m_ptWindow.x(), Screenshot().width()),
                            600);
    const QImage table = Screenshot().copy(rcUncovered);
    Type("c");
    EXPECT_TRUE(Window("Handfall II Coach", false).isEmpty()) << "C did not close the coach";
    EXPECT_EQ(Screenshot().copy(rcUncovered), table) << "closing the coach changed the table";

    Key("Escape");
    ASSERT_TRUE(m_game.waitForFinished(10000)) << "the game did not end on Esc";
    EXPECT_EQ(m_game.exitCode(), 0);
}

}  // namespace
