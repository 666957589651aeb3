// The coach with the real game: C opens it, the keys keep playing at the table, the coach
// follows the game, and C closes it again without a change at the table.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <unistd.h>

#include "e2e_fixture.h"

namespace {

class CoachE2ETest : public E2ETest {
protected:
    QString CoachWindow() {
        return Run("xdotool", {"search", "--onlyvisible", "--name", "^Handfall II Coach$"})
            .split('\n', Qt::SkipEmptyParts)
            .value(0);
    }
    // The whole screen: the coach's place is beside the table, wherever there is room.
    QImage Screen() {
        const QString strFile = QDir::tempPath() + QString("/handfall-coach-%1.png").arg(getpid());
        Run("import", {"-display", m_strDisplay, "-window", "root", strFile});
        QImage image(strFile);
        QFile::remove(strFile);
        return image.convertToFormat(QImage::Format_RGB32);
    }
    QRect Geometry(const QString& strWindow) {
        int x = 0, y = 0, w = 0, h = 0;
        for (const QString& line : Run("xdotool", {"getwindowgeometry", "--shell", strWindow})
                                       .split('\n', Qt::SkipEmptyParts)) {
            const int nValue = line.mid(line.indexOf('=') + 1).toInt();
            if (line.startsWith("X=")) x = nValue;
            if (line.startsWith("Y=")) y = nValue;
            if (line.startsWith("WIDTH=")) w = nValue;
            if (line.startsWith("HEIGHT=")) h = nValue;
        }
        return QRect(x, y, w, h);
    }
    void Type(const QString& strKey) {
        Key(strKey);
        Settle(300);
    }
};

TEST_F(CoachE2ETest, COpensTheCoachWhichFollowsAGamePlayedWithTheKeysAndCClosesIt) {
    ASSERT_TRUE(CoachWindow().isEmpty());
    Type("c");
    const QString strCoach = CoachWindow();
    ASSERT_FALSE(strCoach.isEmpty()) << "C did not open the coach";
    const QRect rcCoach = Geometry(strCoach);
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
    const QRect rcUncovered(0, 0, std::min(rcCoach.x() - m_ptWindow.x(), Screenshot().width()), 600);
    const QImage table = Screenshot().copy(rcUncovered);
    Type("c");
    EXPECT_TRUE(CoachWindow().isEmpty()) << "C did not close the coach";
    EXPECT_EQ(Screenshot().copy(rcUncovered), table) << "closing the coach changed the table";

    Key("Escape");
    ASSERT_TRUE(m_game.waitForFinished(10000)) << "the game did not end on Esc";
    EXPECT_EQ(m_game.exitCode(), 0);
}

}  // namespace
