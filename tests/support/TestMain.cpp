#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test binary runs with a QApplication on the offscreen platform, so widgets can be
// created and driven without a display. Its temporary folder (and with it the program's
// private folder and work folder) is a fresh one of its own, removed at the end, so that
// tests neither see what other runs left nor leave anything behind.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir tmp(QDir::tempPath() + QStringLiteral("/folianto-test-XXXXXX"));
    if (tmp.isValid()) {
        // Open to others like the system's temporary folder, for the tests that run a step
        // as another user.
        QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
