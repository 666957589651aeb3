#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Widget and painting tests run headless unless a platform is asked for explicitly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
