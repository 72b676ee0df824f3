// The windows' tests drive real windows, so they run inside a QApplication.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Never pop windows on a desktop, also when CTest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
