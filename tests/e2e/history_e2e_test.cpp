// The history under the real game: rows kept through a kill -9 in the middle of a session and
// a restart, and a file that is no database kept aside while play goes on.
#include <QProcess>

#include "e2e_fixture.h"

namespace {

class HistoryE2ETest : public E2ETest {
protected:
    // sqlite3's answer, trimmed: what a player reading the file would see.
    QString Sql(const QString& strQuery) {
        return Run("sqlite3", {"-readonly", HistoryPath(), strQuery}).trimmed();
    }
    int Rows() {
        return QFile::exists(HistoryPath()) ? Sql("SELECT count(*) FROM decisions").toInt() : 0;
    }
    // D deals, D again draws with nothing held; the row comes once the coach has valued it.
    // Each D waits till the main hand shows its cards, so that a slow (sanitizer) build never
    // gets the second press before the first has dealt.
    bool PlayAndWaitForRows(int nRows) {
        for (int nPress = 0; nPress < 2; ++nPress) {
            const QImage before = MainHand();
            Key("d");
            for (int i = 0; i < 200 && MainHand() == before; ++i) Settle(100);
            if (MainHand() == before) return false;
        }
        for (int i = 0; i < 1200 && Rows() < nRows; ++i) Settle(100);
        return Rows() == nRows;
    }
    QImage MainHand() { return Screenshot().copy(10, 429, 371, 96); }
    void Restart() {
        m_game.start(HANDFALL_EXE, {});
        ASSERT_TRUE(m_game.waitForStarted(5000));
        m_strWindow =
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Handfall II$"}, 20000)
                .section('\n', 0, 0);
        ASSERT_FALSE(m_strWindow.isEmpty());
        FindClientArea();
        Settle();
    }
};

TEST_F(HistoryE2ETest, RowsSurviveAKillMidSessionAndTheNextRunAddsToThem) {
    ASSERT_TRUE(PlayAndWaitForRows(1));
    ASSERT_TRUE(PlayAndWaitForRows(2));
    const QString strKept = Sql("SELECT * FROM decisions ORDER BY rowid");
    // Killed as it deals and draws again, with no time to finish anything.
    Key("d");
    Key("d");
    m_game.kill();
    ASSERT_TRUE(m_game.waitForFinished(5000));
    EXPECT_EQ(Sql("PRAGMA integrity_check"), "ok");
    EXPECT_TRUE(Sql("SELECT * FROM decisions ORDER BY rowid").startsWith(strKept));
    const int nAfterKill = Rows();
    EXPECT_GE(nAfterKill, 2);

    Restart();
    ASSERT_TRUE(PlayAndWaitForRows(nAfterKill + 1));
    EXPECT_TRUE(Sql("SELECT * FROM decisions ORDER BY rowid").startsWith(strKept));
    EXPECT_EQ(Sql("SELECT held, drill FROM decisions ORDER BY rowid DESC LIMIT 1"), "-|0");
    // Correct exactly where the hold played is worth the best one's pay.
    EXPECT_EQ(
        Sql("SELECT count(*) FROM decisions WHERE (ev_held = ev_best) != (grade = 'correct')"),
        "0");
}

class DamagedHistoryE2ETest : public HistoryE2ETest {
protected:
    static QByteArray Damaged() { return QByteArray("not a database").leftJustified(8192, '!'); }
    void PrepareGame(QProcessEnvironment&) override {
        QDir().mkpath(QFileInfo(HistoryPath()).path());
        QFile file(HistoryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Damaged());
    }
};

TEST_F(DamagedHistoryE2ETest, TheFileIsKeptAsideAndPlayGoesOnWithoutHistoryTillTheNextRun) {
    QFile aside(HistoryPath() + ".bad");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), Damaged());
    const QImage before = Screenshot();
    Type("d");
    const QImage dealt = Screenshot();
    EXPECT_NE(before.copy(10, 429, 375, 96), dealt.copy(10, 429, 375, 96)) << "D did not deal";
    Type("d");
    EXPECT_EQ(m_game.state(), QProcess::Running);
    EXPECT_FALSE(QFile::exists(HistoryPath()));
    // Nothing said on the way: the coach tells why history is off.
    EXPECT_EQ(m_game.readAllStandardError().toStdString(), "");

    m_game.kill();
    ASSERT_TRUE(m_game.waitForFinished(5000));
    Restart();
    ASSERT_TRUE(PlayAndWaitForRows(1));
}

}  // namespace
