// Minimize from the window menu (Alt+Space, N), with no window manager and with one: the table
// goes on painting its cards, and play goes on.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include "e2e_fixture.h"

namespace {

// The main hand's first card: white face up, blue face down, neither when the table paints
// nothing but the icon in its middle.
bool MainCardFaceUp(const QImage& image) {
    int nWhite = 0;
    for (int y = 435; y < 519; ++y)
        for (int x = 15; x < 75; ++x) nWhite += qGray(image.pixel(x, y)) > 235;
    return nWhite > 60 * 84 * 4 / 10;
}

bool SmallCardBack(const QImage& image) {
    const QColor c = image.pixelColor(17, 15);
    return c.blue() > c.red() + 60;
}

class MinimiseE2ETest : public E2ETest {
protected:
    void Minimize() {
        Key("alt+space");
        Settle(300);
        Key("n");
        Settle();
    }
    // What the window manager says: "Normal" or "Iconic".
    QString WindowState() {
        const QString strProps = Run("xprop", {"-id", m_strWindow, "WM_STATE"});
        return strProps.section("window state: ", 1).section('\n', 0, 0).trimmed();
    }
    void DealAndExpectTheTable() {
        Key("d");
        Settle();
        const QImage image = Screenshot();
        EXPECT_TRUE(MainCardFaceUp(image)) << "the dealt main hand is not painted";
        EXPECT_TRUE(SmallCardBack(image)) << "the small hands are not painted";
    }
};

TEST_F(MinimiseE2ETest, WithNoWindowManagerTheWindowStaysAndPaintsItsTable) {
    Minimize();
    DealAndExpectTheTable();
}

TEST_F(MinimiseE2ETest, WithAWindowManagerTheWindowIsIconifiedAndRestored) {
    // A window manager without key bindings of its own, so that Alt+Space reaches the game.
    const QString strConfig = QDir::tempPath() + "/handfall-e2e-openbox.xml";
    QFile config(strConfig);
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<openbox_config "
                 "xmlns=\"http://openbox.org/3.4/rc\"><keyboard/><mouse/></openbox_config>\n");
    config.close();
    QProcess wm;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_strDisplay);
    wm.setProcessEnvironment(env);
    wm.start("openbox", {"--config-file", strConfig});
    ASSERT_TRUE(wm.waitForStarted(5000)) << "openbox did not start";
    Settle(1000);
    // Managed from now on: the window manager gives it the focus it had.
    Run("xdotool", {"windowactivate", "--sync", m_strWindow});
    Settle();

    Minimize();
    EXPECT_EQ(WindowState(), "Iconic");
    Run("xdotool", {"windowactivate", "--sync", m_strWindow});
    Settle();
    EXPECT_EQ(WindowState(), "Normal");
    // The frame moved the window: read where its client area is now.
    for (const QString& line : Run("xdotool", {"getwindowgeometry", "--shell", m_strWindow})
                                   .split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("X=")) m_nX = line.mid(2).toInt();
        if (line.startsWith("Y=")) m_nY = line.mid(2).toInt();
    }
    DealAndExpectTheTable();

    wm.terminate();
    wm.waitForFinished(5000);
    QFile::remove(strConfig);
}

}  // namespace
