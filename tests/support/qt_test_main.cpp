#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // Widget and painting tests run headless unless a platform is asked for explicitly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Nor keeps its decisions in their history.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    // No test reads or writes the settings of whoever runs it.
    const QTemporaryDir configHome;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome.path());
    return RUN_ALL_TESTS();
}
