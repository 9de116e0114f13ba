#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Every test binary runs with a QApplication on the offscreen platform, so widgets can be
// created and driven without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
