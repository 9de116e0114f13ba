#include "reader/ArchiveCommon.h"

#include "engines/archive/HaDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>

namespace folianto::reader {

using namespace detail;

namespace {

QString haProgram(const ArchiveRequest& request)
{
    if (!request.haProgram.isEmpty())
        return request.haProgram;
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("folianto-ha.exe");
#else
    const QString name = QStringLiteral("folianto-ha");
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

bool complete(const QString& target, qint64 size)
{
    const QFileInfo info(target);
    return info.isFile() && info.size() == size;
}

// The program is likely in the background after a long wait, when no window of it is active:
// the main window itself is raised.
void bringToFront(QWidget* window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void timedOut(const ArchiveRequest& request)
{
    bringToFront(request.mainWindow);
    tell(haTimeoutMessage());
}

// Runs the extractor for one entry and waits for the file: one check a second, at most
// HaTimeout + 1 checks, ending early when the extractor has exited.
QString runExtractor(const QString& archive, const archive::HaEntry& entry, const QString& target,
                     const ArchiveRequest& request)
{
    QProcess process;
    process.setProgram(haProgram(request));
    process.setArguments({QStringLiteral("ey"), QFileInfo(archive).absoluteFilePath(), entry.path});
    process.setWorkingDirectory(request.workFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted()) {
        tell(haNotStartedMessage());
        return {};
    }

    QString result;
    bool ended = false;
    for (int checks = 1;; ++checks) {
        ended = process.state() == QProcess::NotRunning;
        if (complete(target, entry.unpackedSize)) {
            result = target;
            break;
        }
        if (ended || checks > request.haTimeoutSeconds)
            break;
        process.waitForFinished(1000);
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
    if (result.isEmpty()) {
        QFile::remove(target);
        if (ended) {
            tell(notUnpackedMessage());
        } else {
            timedOut(request);
        }
    }
    return result;
}

} // namespace

QString ExtractFromHa(const QString& archive, QStringList* list, const ArchiveRequest& request)
{
    ensureWorkFolder(request);
    if (!QFileInfo(archive).isFile())
        return {};
    const auto entries = archive::HaDirectory::readFile(archive);
    const archive::HaEntry* picked = listOrPick(list, entries, request.arc);
    if (!picked) {
        // No entry of that number: no file will ever come, which the wait would end in.
        if (!list && entries)
            timedOut(request);
        return {};
    }
    const archive::HaEntry& entry = *picked;
    if (!entry.stored()) {
        tell(haCompressedMessage());
        return {};
    }
    const Target target = prepareTarget(request, entry.displayName, notUnpackedMessage());
    if (!target.ready)
        return target.result;
    return runExtractor(archive, entry, target.path, request);
}

} // namespace folianto::reader
