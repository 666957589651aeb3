#include "e2e_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <unistd.h>

#include "table/table_resources.h"

namespace {

// A display number no other X server here uses.
QString FreeDisplay() {
    for (int n = 90 + getpid() % 50; n < 400; ++n) {
        if (!QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QString("/tmp/.X%1-lock").arg(n)))
            return QString(":%1").arg(n);
    }
    return ":399";
}

}  // namespace

void E2ETest::SetUp() {
    m_strDisplay = FreeDisplay();
    m_xvfb.start("Xvfb", {m_strDisplay, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    ASSERT_TRUE(m_xvfb.waitForStarted(5000)) << "Xvfb did not start";
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        QProcess probe;
        probe.setStandardOutputFile(QProcess::nullDevice());
        probe.setStandardErrorFile(QProcess::nullDevice());
        probe.start("xdpyinfo", {"-display", m_strDisplay});
        if (probe.waitForFinished(5000) && probe.exitCode() == 0) break;
        ASSERT_LT(timer.elapsed(), 10000)
            << "Xvfb did not come up on " << m_strDisplay.toStdString();
        QThread::msleep(50);
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_strDisplay);
    env.remove("QT_QPA_PLATFORM");
    env.remove("QT_SCALE_FACTOR");
    env.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    m_game.setProcessEnvironment(env);
    m_game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_game.start(HANDFALL_EXE, {});
    ASSERT_TRUE(m_game.waitForStarted(5000)) << "the game did not start";

    m_strWindow =
        Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Handfall II$"}, 20000)
            .split('\n', Qt::SkipEmptyParts)
            .value(0);
    ASSERT_FALSE(m_strWindow.isEmpty()) << "no window titled Handfall II";
    for (const QString& line : Run("xdotool", {"getwindowgeometry", "--shell", m_strWindow})
                                   .split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("X=")) m_nX = line.mid(2).toInt();
        if (line.startsWith("Y=")) m_nY = line.mid(2).toInt();
    }
    Settle();
}

void E2ETest::TearDown() {
    if (m_game.state() != QProcess::NotRunning) {
        m_game.kill();
        m_game.waitForFinished(5000);
    }
    m_xvfb.terminate();
    if (!m_xvfb.waitForFinished(5000)) m_xvfb.kill();
}

QString E2ETest::Run(const QString& strProgram, const QStringList& args, int nTimeoutMs) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_strDisplay);
    process.setProcessEnvironment(env);
    process.start(strProgram, args);
    if (!process.waitForFinished(nTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << strProgram.toStdString() << " timed out";
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QImage E2ETest::Screenshot() {
    const QString strFile = QDir::tempPath() + QString("/handfall-e2e-%1.png").arg(getpid());
    Run("import", {"-display", m_strDisplay, "-window", "root", strFile});
    QImage image(strFile);
    QFile::remove(strFile);
    return image
        .copy(m_nX, m_nY, DialogUnitsToPixelsX(MultiHandDialogTemplate().cx),
              DialogUnitsToPixelsY(MultiHandDialogTemplate().cy))
        .convertToFormat(QImage::Format_RGB32);
}

void E2ETest::Click(int x, int y) {
    Run("xdotool", {"mousemove", "--sync", QString::number(m_nX + x), QString::number(m_nY + y),
                    "click", "1"});
}

void E2ETest::ClickControl(int nID) {
    const CControlTemplate* pControl = MultiHandDialogTemplate().Find(nID);
    ASSERT_NE(pControl, nullptr);
    const RECT r = DialogUnitsToPixels(*pControl);
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void E2ETest::Key(const QString& strKey) {
    Run("xdotool", {"key", "--window", m_strWindow, strKey});
}

void E2ETest::Settle(int nMs) {
    QThread::msleep(static_cast<unsigned long>(nMs));
}

bool E2ETest::WaitForExit(int nTimeoutMs, int& nExitCode) {
    if (!m_game.waitForFinished(nTimeoutMs)) return false;
    nExitCode = m_game.exitStatus() == QProcess::NormalExit ? m_game.exitCode() : -1;
    return true;
}
