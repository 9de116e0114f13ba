#pragma once
// Runs the `folianto-cat` built next to the test programs, for the tests of its commands.

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace folianto::test {

struct ToolRun {
    int exitCode = -1; // -1 when the tool crashed or did not finish
    QString out;
    QString err;
};

inline QString catToolPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/folianto-cat/folianto-cat");
}

// `input` goes to the tool's standard input, which is then closed.
inline ToolRun runCat(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(catToolPath(), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace folianto::test
