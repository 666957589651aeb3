// The real game under its own Xvfb display, driven with xdotool and read from screenshots at
// the layout's coordinates: a whole game with the keyboard alone, then one with the mouse.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QThread>

#include <unistd.h>

namespace {

constexpr QRect kResults(387, 429, 267, 180);
QRect HoldButton(int k) {
    return {11 + 75 * k, 553, 69, 22};
}
// The top left of hand h: the main hand's large cards at the bottom, 49 small hands above.
QPoint HandOrigin(int h) {
    return h == 0 ? QPoint(10, 429) : QPoint(5 + 135 * ((h - 1) / 7), 5 + 59 * ((h - 1) % 7));
}

// The share of near-white pixels inside each card of a hand: high face up, low for a back.
bool AllCards(const QImage& image, int h, bool bFaceUp) {
    const int nStep = h == 0 ? 75 : 26, w = h == 0 ? 60 : 21, nHeight = h == 0 ? 84 : 29;
    for (int i = 0; i < 5; ++i) {
        const QPoint pt = HandOrigin(h) + QPoint(nStep * i + (h == 0 ? 5 : 2), h == 0 ? 6 : 2);
        int n = 0;
        for (int y = pt.y(); y < pt.y() + nHeight; ++y)
            for (int x = pt.x(); x < pt.x() + w; ++x) n += qGray(image.pixel(x, y)) > 235;
        if ((n > w * nHeight * 4 / 10) != bFaceUp) return false;
    }
    return true;
}

// Dark pixels inside a rectangle, a few pixels in from its edges: a caption or lines of text.
int Ink(const QImage& image, const QRect& rect) {
    int n = 0;
    for (int y = rect.top() + 3; y <= rect.bottom() - 3; ++y)
        for (int x = rect.left() + 3; x <= rect.right() - 3; ++x)
            n += qGray(image.pixel(x, y)) < 100;
    return n;
}

bool ShowsHeld(const QImage& image, int k) {
    return Ink(image, HoldButton(k)) > 10;
}

class E2ETest : public ::testing::Test {
protected:
    void SetUp() override {
        // A display number no other X server here uses.
        int n = 90 + getpid() % 50;
        while (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)) ||
               QFile::exists(QString("/tmp/.X%1-lock").arg(n)))
            ++n;
        m_strDisplay = QString(":%1").arg(n);
        m_xvfb.start("Xvfb", {m_strDisplay, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        ASSERT_TRUE(m_xvfb.waitForStarted(5000)) << "Xvfb did not start";
        // Every program started from here on, the game too, runs on that display and platform.
        qputenv("DISPLAY", m_strDisplay.toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit());
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("QT_SCALE_FACTOR");
        QElapsedTimer timer;
        timer.start();
        while (QProcess::execute("sh", {"-c", "xdpyinfo >/dev/null 2>&1"}) != 0) {
            ASSERT_LT(timer.elapsed(), 10000) << "Xvfb did not come up";
            QThread::msleep(50);
        }
        m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_game.start(HANDFALL_EXE, {});
        ASSERT_TRUE(m_game.waitForStarted(5000)) << "the game did not start";
        m_strWindow =
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Handfall II$"}, 20000)
                .section('\n', 0, 0);
        ASSERT_FALSE(m_strWindow.isEmpty()) << "no window titled Handfall II";
        for (const QString& line :
             Run("xdotool", {"getwindowgeometry", "--shell", m_strWindow}).split('\n')) {
            if (line.startsWith("X=")) m_ptWindow.setX(line.mid(2).toInt());
            if (line.startsWith("Y=")) m_ptWindow.setY(line.mid(2).toInt());
        }
        Settle();
    }
    void TearDown() override {
        m_game.kill();
        m_game.waitForFinished(5000);
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(5000)) m_xvfb.kill();
    }

    // Runs a tool; returns its standard output.
    QString Run(const QString& strProgram, const QStringList& args, int nTimeoutMs = 10000) {
        QProcess process;
        process.start(strProgram, args);
        if (!process.waitForFinished(nTimeoutMs)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << strProgram.toStdString() << " timed out";
        }
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }
    // The game's client area, 953 x 621, as the player sees it.
    QImage Screenshot() {
        const QString strFile = QDir::tempPath() + QString("/handfall-e2e-%1.png").arg(getpid());
        Run("import", {"-window", "root", strFile});
        const QImage image(strFile);
        QFile::remove(strFile);
        return image.copy(QRect(m_ptWindow, QSize(953, 621))).convertToFormat(QImage::Format_RGB32);
    }
    // A click at client coordinates, then time to paint.
    void Click(QPoint pt) {
        pt += m_ptWindow;
        Run("xdotool", {"mousemove", "--sync", QString::number(pt.x()), QString::number(pt.y()),
                        "click", "1"});
        Settle(250);
    }
    // A key by its xdotool name ("Escape", "1", "KP_3"), then time to paint.
    void Type(const QString& strKey) {
        Run("xdotool", {"key", "--window", m_strWindow, strKey});
        Settle(250);
    }
    void Settle(int nMs = 400) { QThread::msleep(static_cast<unsigned long>(nMs)); }
    bool PayTableOpen() {
        return !Run("xdotool", {"search", "--onlyvisible", "--name", "^Handfall II Pay Table$"})
                    .trimmed()
                    .isEmpty();
    }
    // Every small hand shows what hand 1 shows, rows of cards (34) or cards and labels (54).
    void ExpectSmallHandsAlike(const QImage& image, int nRows) {
        const QImage first = image.copy(QRect(HandOrigin(1), QSize(129, nRows)));
        for (int h = 2; h < 50; ++h)
            EXPECT_EQ(image.copy(QRect(HandOrigin(h), QSize(129, nRows))), first) << "hand " << h;
    }

    QString m_strDisplay;
    QProcess m_xvfb;
    QProcess m_game;
    QString m_strWindow;
    QPoint m_ptWindow;
};

// D deals and draws, 1 to 5 hold, Enter opens the pay table and Esc closes it; no mouse event
// is sent until the second game. Esc at last ends the program.
TEST_F(E2ETest, AGameWithTheKeyboardAloneThenOneWithTheMouse) {
    QImage image = Screenshot();
    for (int h = 0; h < 50; ++h) EXPECT_TRUE(AllCards(image, h, false)) << "hand " << h;
    const int nEmptyList = Ink(image, kResults);
    Type("1");  // before a deal the hold keys have nothing to act on
    EXPECT_FALSE(ShowsHeld(Screenshot(), 0));

    Type("d");
    image = Screenshot();
    ASSERT_TRUE(AllCards(image, 0, true)) << "D did not deal";
    for (int h = 1; h < 50; ++h) EXPECT_TRUE(AllCards(image, h, false)) << "hand " << h;
    for (int k = 0; k < 5; ++k) EXPECT_FALSE(ShowsHeld(image, k)) << "card " << k + 1;
    QImage dealt = image.copy(10, 429, 371, 96);
    for (const char* pszKey : {"1", "2", "3", "4", "5"}) Type(pszKey);
    image = Screenshot();
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(ShowsHeld(image, k)) << "card " << k + 1;
    Type("3");
    EXPECT_FALSE(ShowsHeld(Screenshot(), 2)) << "a second 3 releases card 3";
    Type("KP_3");
    EXPECT_TRUE(ShowsHeld(Screenshot(), 2)) << "the keypad's 3 holds it again";
    Type("Return");
    EXPECT_TRUE(PayTableOpen()) << "Enter did not open the pay table";
    Type("Escape");
    EXPECT_FALSE(PayTableOpen()) << "Esc did not close the pay table";

    Type("d");
    image = Screenshot();
    // All five held: the main hand kept its cards and every hand in play shows them.
    EXPECT_EQ(image.copy(10, 429, 371, 96), dealt);
    ExpectSmallHandsAlike(image, 34);
    EXPECT_GT(Ink(image, kResults), nEmptyList + 50) << "no results listed";
    // The hold buttons are disabled now, keeping the finished deal's captions.
    const QRect holds = HoldButton(0).united(HoldButton(4));
    Type("2");
    EXPECT_EQ(Screenshot().copy(holds), image.copy(holds));

    Click({157, 596});  // Deal
    image = Screenshot();
    ASSERT_TRUE(AllCards(image, 0, true)) << "the click did not deal";
    EXPECT_TRUE(AllCards(image, 1, false));
    for (int k = 0; k < 5; ++k) EXPECT_FALSE(ShowsHeld(image, k)) << "card " << k + 1;
    dealt = image.copy(10, 429, 371, 96);
    for (int k = 0; k < 5; ++k) Click(HoldButton(k).center());
    Click({243, 596});  // Draw
    image = Screenshot();
    EXPECT_EQ(image.copy(10, 429, 371, 96), dealt);
    EXPECT_TRUE(AllCards(image, 1, true));
    ExpectSmallHandsAlike(image, 54);

    Type("Escape");
    ASSERT_TRUE(m_game.waitForFinished(10000)) << "the game did not end on Esc";
    EXPECT_EQ(m_game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_game.exitCode(), 0);
}

}  // namespace
