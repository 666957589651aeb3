// The real game under its own Xvfb display, driven with xdotool and read from screenshots.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "platform/dialog_template.h"

class E2ETest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a tool against the test's display; returns its standard output.
    QString Run(const QString& strProgram, const QStringList& args, int nTimeoutMs = 10000);
    // The game's window, client area only, as the player sees it.
    QImage Screenshot();
    // A click at client coordinates; a key by its xdotool name ("Escape", "1", "space").
    void Click(int x, int y);
    void ClickControl(int nID);
    void Key(const QString& strKey);
    // Waits until the game has painted what a change asked for.
    void Settle(int nMs = 400);
    // Waits for the game to end; false when it is still running after the timeout.
    bool WaitForExit(int nTimeoutMs, int& nExitCode);

    QString m_strDisplay;
    QProcess m_xvfb;
    QProcess m_game;
    QString m_strWindow;
    int m_nX = 0;
    int m_nY = 0;
};
