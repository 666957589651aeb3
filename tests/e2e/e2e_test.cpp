// The real game under its own Xvfb display, driven with xdotool and read from screenshots at
// the layout's coordinates: a whole game with the keyboard alone, then one with the mouse;
// minimised from the window menu with and without a window manager; the coach opened with C.
#include <QProcess>

#include <signal.h>

#include <algorithm>
#include <string>
#include <utility>

#include "e2e_fixture.h"

namespace {

// A window manager without key bindings of its own, so that Alt+Space reaches the game; it
// goes with its settings file at the end of the test, however the test ends.
class CBareWindowManager {
public:
    CBareWindowManager()
        : m_strConfig(QDir::tempPath() + QString("/handfall-openbox-%1.xml").arg(getpid())) {
        QFile config(m_strConfig);
        if (!config.open(QIODevice::WriteOnly)) return;
        config.write(
            "<?xml version=\"1.0\"?>\n<openbox_config "
            "xmlns=\"http://openbox.org/3.4/rc\"><keyboard/><mouse/></openbox_config>\n");
        config.close();
        m_wm.start("openbox", {"--config-file", m_strConfig});
    }
    ~CBareWindowManager() {
        m_wm.terminate();
        m_wm.waitForFinished(5000);
        QFile::remove(m_strConfig);
    }
    bool Started() { return m_wm.waitForStarted(5000); }

private:
    QString m_strConfig;
    QProcess m_wm;
};

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

// Every small hand shows what hand 1 shows, rows of cards (34) or cards and labels (54).
void ExpectSmallHandsAlike(const QImage& image, int nRows) {
    const QImage first = image.copy(QRect(HandOrigin(1), QSize(129, nRows)));
    for (int h = 2; h < 50; ++h)
        EXPECT_EQ(image.copy(QRect(HandOrigin(h), QSize(129, nRows))), first) << "hand " << h;
}

using PlayE2ETest = E2ETest;

// D deals and draws, 1 to 5 hold, Enter opens the pay table and Esc closes it; no mouse event
// is sent until the second game. Esc at last ends the program.
TEST_F(PlayE2ETest, AGameWithTheKeyboardAloneThenOneWithTheMouse) {
    // The window's icon reaches the window system in all its sizes, if after the first frame.
    const QString strIcon = Run("xprop", {"-id", m_strWindow, "-len", "1000000", "_NET_WM_ICON"});
    for (int nSize : {16, 32, 48, 64, 96, 256})
        EXPECT_TRUE(strIcon.contains(QString("Icon (%1 x %1)").arg(nSize))) << nSize;
    QImage image = Screenshot();
    for (int h = 0; h < 50; ++h) EXPECT_TRUE(AllCards(image, h, false)) << "hand " << h;
    const int nEmptyList = Ink(image, kResults);

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
    ASSERT_FALSE(Window("Handfall II Pay Table").isEmpty()) << "Enter did not open the pay table";
    Type("Escape");
    EXPECT_TRUE(Window("Handfall II Pay Table", false).isEmpty())
        << "Esc did not close the pay table";

    Type("d");
    image = Screenshot();
    // All five held: the main hand kept its cards and every hand in play shows them.
    EXPECT_EQ(image.copy(10, 429, 371, 96), dealt);
    ExpectSmallHandsAlike(image, 34);
    EXPECT_GT(Ink(image, kResults), nEmptyList + 50) << "no results listed";

    Click({157, 596});  // Deal
    image = Screenshot();
    ASSERT_TRUE(AllCards(image, 0, true)) << "the click did not deal";
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

class MinimiseE2ETest : public E2ETest {
protected:
    // From the window menu: Alt+Space, N.
    void Minimize() {
        Key("alt+space");
        Settle(300);
        Key("n");
        Settle();
    }
    // A deal: the table still paints its cards.
    void DealAndExpectTheTable() {
        Type("d");
        const QImage image = Screenshot();
        EXPECT_TRUE(AllCards(image, 0, true)) << "the dealt main hand is not painted";
        EXPECT_TRUE(AllCards(image, 1, false)) << "the small hands are not painted";
    }
};

// With no window manager nothing iconifies the window: it stays and goes on painting.
TEST_F(MinimiseE2ETest, WithNoWindowManagerTheWindowStaysAndPaintsItsTable) {
    Minimize();
    DealAndExpectTheTable();
}

TEST_F(MinimiseE2ETest, WithAWindowManagerTheWindowIsIconifiedAndRestored) {
    CBareWindowManager wm;
    ASSERT_TRUE(wm.Started()) << "openbox did not start";
    Settle(1000);
    const auto activate = [this] {
        Run("xdotool", {"windowactivate", "--sync", m_strWindow});
        Settle();
    };
    // What the window manager says: "Normal" or "Iconic".
    const auto state = [this] {
        return Run("xprop", {"-id", m_strWindow, "WM_STATE"})
            .section("window state: ", 1)
            .section('\n', 0, 0)
            .trimmed();
    };
    activate();  // managed from now on: the window manager gives it the focus it had
    Minimize();
    EXPECT_EQ(state(), "Iconic");
    activate();
    EXPECT_EQ(state(), "Normal");
    FindClientArea();
    DealAndExpectTheTable();
}

// C opens the coach, the keys keep playing at the table, the coach follows the game, and C
// closes it again without a change at the table.
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

// Under a window manager the coach takes the focus, and the table's keys, typed to it, still
// deal, hold and draw at the table.
TEST_F(CoachE2ETest, TheTablesKeysPlayWhileTheCoachHasTheFocus) {
    CBareWindowManager wm;
    ASSERT_TRUE(wm.Started()) << "openbox did not start";
    Settle(1000);
    Run("xdotool", {"windowactivate", "--sync", m_strWindow});
    // At the screen's left edge, so that the coach covers no more than the table's last columns.
    Run("xdotool", {"windowmove", "--sync", m_strWindow, "0", "0"});
    Type("c");
    const QString strCoach = Window("Handfall II Coach");
    ASSERT_FALSE(strCoach.isEmpty()) << "C did not open the coach";
    Settle(3000);  // the first variant's table
    Run("xdotool", {"windowactivate", "--sync", strCoach});
    Settle();
    ASSERT_EQ(Run("xdotool", {"getactivewindow"}).trimmed(), strCoach);
    FindClientArea();
    // Typed to whichever window has the focus, as the player's keys are.
    const auto typed = [this](const char* pszKey) {
        Run("xdotool", {"key", pszKey});
        Settle(300);
    };
    // "<" is typed with Shift here, as "+" and ">" are: 40 hands in play, hands 40 to 49 face down.
    typed("less");
    typed("d");
    EXPECT_TRUE(AllCards(Screenshot(), 0, true)) << "D in the coach did not deal";
    typed("1");
    EXPECT_TRUE(ShowsHeld(Screenshot(), 0)) << "1 in the coach did not hold";
    typed("d");
    const QImage drawn = Screenshot();
    EXPECT_TRUE(AllCards(drawn, 1, true)) << "D in the coach did not draw";
    EXPECT_TRUE(AllCards(drawn, 39, true)) << "hand 39, the 40th, did not draw";
    EXPECT_TRUE(AllCards(drawn, 40, false)) << "< in the coach did not take ten hands";
    EXPECT_EQ(Run("xdotool", {"getactivewindow"}).trimmed(), strCoach);
}

// New Session from the window menu, after a game: asked first, then the table starts over,
// every hand face down.
using NewSessionE2ETest = E2ETest;

TEST_F(NewSessionE2ETest, AfterAGameItAsksThenTurnsEveryHandFaceDown) {
    Type("d");
    Type("d");
    ASSERT_TRUE(AllCards(Screenshot(), 1, true)) << "no draw";
    Key("alt+space");
    Settle(300);
    Key("s");
    const QString strAsk = Window("New Session");
    ASSERT_FALSE(strAsk.isEmpty()) << "New Session did not ask";
    Run("xdotool", {"key", "--window", strAsk, "Return"});
    EXPECT_TRUE(Window("New Session", false).isEmpty());
    Settle();
    const QImage image = Screenshot();
    EXPECT_TRUE(AllCards(image, 0, false)) << "the main hand is still face up";
    EXPECT_TRUE(AllCards(image, 1, false)) << "the small hands are still face up";
    Type("d");
    EXPECT_TRUE(AllCards(Screenshot(), 0, true)) << "no deal in the new session";
}

// The X server gone while the coach builds a table, at several moments: the game says so and
// ends with 1, its workers touching nothing the exit frees (the sanitizer build would say).
class LostDisplayE2ETest : public E2ETest, public ::testing::WithParamInterface<int> {};

TEST_P(LostDisplayE2ETest, EndsWithOneAndNoFault) {
    Key("d");
    Key("c");
    Settle(GetParam());
    m_xvfb.kill();
    m_xvfb.waitForFinished(5000);
    ASSERT_TRUE(m_game.waitForFinished(30000)) << "the game did not end";
    const std::string strErr = m_game.readAllStandardError().toStdString();
    EXPECT_EQ(m_game.exitStatus(), QProcess::NormalExit) << strErr;
    EXPECT_EQ(m_game.exitCode(), 1) << strErr;
    EXPECT_NE(strErr.find("X11 connection broke"), std::string::npos) << strErr;
    EXPECT_EQ(strErr.find("Sanitizer"), std::string::npos) << strErr;
}

INSTANTIATE_TEST_SUITE_P(AfterC, LostDisplayE2ETest, ::testing::Values(0, 20, 30, 40, 300, 1000));

// The signal a write to a gone X server raises, sent at once: the game stays up (it ended on
// it, now and then, before Qt could see the connection broken).
using SignalE2ETest = E2ETest;

TEST_F(SignalE2ETest, SigpipeLeavesTheGameRunning) {
    ASSERT_EQ(::kill(static_cast<pid_t>(m_game.processId()), SIGPIPE), 0);
    EXPECT_FALSE(m_game.waitForFinished(500)) << "ended by signal " << m_game.exitCode();
}

// Without a display the game names the one it could not open, on one line, and ends with 1.
TEST(NoDisplayE2ETest, NamesTheDisplayAndEndsWithOne) {
    const std::pair<const char*, const char*> kCases[] = {
        {nullptr, "DISPLAY is not set"}, {"", "DISPLAY is empty"}, {":4093", "':4093'"}};
    for (const auto& [pszDisplay, pszMessage] : kCases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        if (pszDisplay != nullptr) env.insert("DISPLAY", pszDisplay);
        QProcess game;
        game.setProcessEnvironment(env);
        game.start(HANDFALL_EXE, {});
        ASSERT_TRUE(game.waitForFinished(10000));
        const QString strErr = QString::fromLocal8Bit(game.readAllStandardError());
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << strErr.toStdString();
        EXPECT_EQ(game.exitCode(), 1) << strErr.toStdString();
        EXPECT_TRUE(strErr.contains(pszMessage)) << strErr.toStdString();
        EXPECT_EQ(strErr.count('\n'), 1) << strErr.toStdString();
    }
}

}  // namespace

// Jacks or Better 9/6 chosen with the keyboard in the Pay Tables dialog: it is kept in the
// settings, and at 5 coins the Pay Table shows its royal (800 per coin, not 250 as built).
using PayTablesE2ETest = E2ETest;

TEST_F(PayTablesE2ETest, JacksOrBetter96ChosenInTheDialogPaysItsRoyalAtFiveCoins) {
    Click({935, 457});  // the bet's up arrow, four times: 5 coins
    Run("xdotool", {"click", "--repeat", "3", "--delay", "200", "1"});  // the pointer stays
    const auto payTable = [this] {
        Click({904, 564});  // Pay Table
        const QString strWindow = Window("Handfall II Pay Table");
        EXPECT_FALSE(strWindow.isEmpty()) << "the button did not open the pay table";
        const QImage image = Screen().copy(WindowRect(strWindow));
        Type("Escape");
        EXPECT_TRUE(Window("Handfall II Pay Table", false).isEmpty());
        Run("xdotool", {"mousemove", "0", "0"});  // a click waits for the pointer to move
        return image;
    };
    const QImage asBuilt = payTable();

    Key("t");
    ASSERT_FALSE(Window("Handfall II Pay Tables").isEmpty()) << "T opened no Pay Tables dialog";
    // Deuces Wild's chooser has the focus; Jacks or Better's is next, its first casino table
    // right below the one as built.
    for (const char* pszKey : {"Tab", "Down", "Escape"}) {
        Run("xdotool", {"key", pszKey});
        Settle(300);
    }
    EXPECT_TRUE(Window("Handfall II Pay Tables", false).isEmpty()) << "Esc did not close it";
    QFile settings(SettingsPath());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("jacks=Jacks or Better 9/6"))
        << "the choice was not kept";

    Type("d");
    EXPECT_TRUE(AllCards(Screenshot(), 0, true)) << "no deal at 5 coins";
    const QImage chosen = payTable();
    ASSERT_EQ(chosen.size(), asBuilt.size());
    EXPECT_NE(chosen, asBuilt) << "the Pay Table does not show the royal of 9/6";
}
