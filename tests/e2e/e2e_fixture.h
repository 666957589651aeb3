// The real game under its own Xvfb display, driven with xdotool and read from screenshots.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

class E2ETest : public ::testing::Test {
protected:
    void SetUp() override {
        // Xvfb picks a free display and writes its number once it takes connections. No key
        // repeats: on a busy machine a key's release can come late enough to repeat it, and
        // the repeat lands wherever the first press moved the keyboard.
        m_xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                              "-ardelay", "10000"});
        ASSERT_TRUE(m_xvfb.waitForReadyRead(10000)) << "Xvfb did not start";
        // Every program started from here on, the game too, runs on that display.
        qputenv("DISPLAY", ":" + m_xvfb.readAllStandardOutput().trimmed());
        qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toLocal8Bit());
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("QT_SCALE_FACTOR");
        // A stand-in for the program that starts a session bus for the display: the game must
        // never run it (there is no bus here, as on a machine without a desktop session).
        QDir(m_runtimeDir.path()).mkdir("bin");
        QFile launcher(m_runtimeDir.filePath("bin/dbus-launch"));
        ASSERT_TRUE(launcher.open(QIODevice::WriteOnly));
        launcher.write("#!/bin/sh\ntouch \"$0.ran\"\nexit 1\n");
        launcher.close();
        launcher.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", m_runtimeDir.filePath("bin") + ":" + env.value("PATH"));
        // Settings of its own, empty: none of the tester's, and nothing to say about a missing
        // file.
        QDir(m_runtimeDir.path()).mkpath("config/handfall");
        QFile settings(SettingsPath());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.close();
        env.insert("XDG_CONFIG_HOME", m_runtimeDir.filePath("config"));
        // A history of its own too, none at first.
        env.insert("XDG_DATA_HOME", m_runtimeDir.filePath("data"));
        PrepareGame(env);
        m_game.setProcessEnvironment(env);
        m_game.start(HANDFALL_EXE, {});
        ASSERT_TRUE(m_game.waitForStarted(5000)) << "the game did not start";
        m_strWindow =
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Handfall II$"}, 20000)
                .section('\n', 0, 0);
        ASSERT_FALSE(m_strWindow.isEmpty()) << "no window titled Handfall II";
        FindClientArea();
        Settle();
    }
    // What a test needs around the game before it starts, in the game's environment.
    virtual void PrepareGame(QProcessEnvironment&) {}
    QString SettingsPath() const { return m_runtimeDir.filePath("config/handfall/handfall.ini"); }
    QString HistoryPath() const { return m_runtimeDir.filePath("data/handfall/history.sqlite"); }
    // Where the window's client area is on the screen; a window manager's frame moves it.
    void FindClientArea() { m_ptWindow = WindowRect(m_strWindow).topLeft(); }
    // A window's client area on the screen, as the X server has it.
    QRect WindowRect(const QString& strWindow) {
        QRect rect;
        for (const QString& line : Run("xwininfo", {"-id", strWindow}).split('\n')) {
            const int nValue = line.section(':', 1).trimmed().toInt();
            if (line.contains("Absolute upper-left X:")) rect.moveLeft(nValue);
            if (line.contains("Absolute upper-left Y:")) rect.moveTop(nValue);
            if (line.contains("Width:")) rect.setWidth(nValue);
            if (line.contains("Height:")) rect.setHeight(nValue);
        }
        return rect;
    }
    void TearDown() override {
        m_game.kill();
        m_game.waitForFinished(5000);
        // A whole run says nothing: no warning from Qt (a widget or timer used from the wrong
        // thread, a bus reached too early), no sanitizer report.
        EXPECT_EQ(m_game.readAllStandardError().toStdString(), "");
        EXPECT_FALSE(QFile::exists(m_runtimeDir.filePath("bin/dbus-launch.ran")))
            << "the game started a session bus of its own";
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
    // The id of the visible window of that title once it is shown (or "" once it is not),
    // waiting up to three seconds.
    QString Window(const QString& strTitle, bool bShown = true) {
        QString strWindow;
        for (int i = 0; i < 30; ++i, Settle(100)) {
            strWindow = Run("xdotool", {"search", "--onlyvisible", "--name", "^" + strTitle + "$"})
                            .section('\n', 0, 0);
            if (strWindow.isEmpty() != bShown) break;
        }
        return strWindow;
    }
    // The whole screen, as the player sees it once painting has ended: two shots alike.
    QImage Screen() {
        const QString strFile = QDir::tempPath() + QString("/handfall-e2e-%1.png").arg(getpid());
        QImage last;
        for (int i = 0; i < 10; ++i) {
            Run("import", {"-window", "root", strFile});
            const QImage image = QImage(strFile).convertToFormat(QImage::Format_RGB32);
            if (image == last) break;
            last = image;
        }
        QFile::remove(strFile);
        return last;
    }
    // The game's client area, 953 x 621.
    QImage Screenshot() { return Screen().copy(QRect(m_ptWindow, QSize(953, 621))); }
    // A click at client coordinates, then time to paint.
    void Click(QPoint pt) {
        pt += m_ptWindow;
        Run("xdotool", {"mousemove", "--sync", QString::number(pt.x()), QString::number(pt.y()),
                        "click", "1"});
        Settle(250);
    }
    // A key by its xdotool name ("Escape", "1", "KP_3"); Type then waits for the paint.
    void Key(const QString& strKey) { Run("xdotool", {"key", "--window", m_strWindow, strKey}); }
    void Type(const QString& strKey) {
        Key(strKey);
        Settle(250);
    }
    void Settle(int nMs = 400) { QThread::msleep(static_cast<unsigned long>(nMs)); }

    QTemporaryDir m_runtimeDir;  // private, as Qt requires of XDG_RUNTIME_DIR
    QProcess m_xvfb;
    QProcess m_game;
    QString m_strWindow;
    QPoint m_ptWindow;
};
