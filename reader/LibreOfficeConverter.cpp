#include "reader/LibreOfficeConverter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace folianto::reader {

namespace {

constexpr int kWaitStepMs = 100;

QString officeProgram(const QString& program)
{
    if (QFileInfo(program).isAbsolute())
        return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

// soffice starts the office as a child of its own: the whole group is ended, so that no
// office is left running (and holding the profile) after a time-out.
void startInOwnGroup(QProcess& process)
{
#ifdef Q_OS_UNIX
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#else
    (void)process;
#endif
}

void endGroup(QProcess& process)
{
#ifdef Q_OS_UNIX
    if (process.processId() > 0)
        ::kill(-pid_t(process.processId()), SIGKILL);
#endif
    process.kill();
    process.waitForFinished();
}

bool isHtml(const QString& file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

} // namespace

LibreOfficeConverter::LibreOfficeConverter(LibreOfficeSettings settings) : settings_(std::move(settings)) {}

QString LibreOfficeConverter::targetFile(const QString& source, bool toRtf, bool fromArchive, const QString& workFolder)
{
    const QFileInfo info(source);
    const QString suffix = info.suffix();
    QString name = info.fileName();
    if (!suffix.isEmpty() || name.endsWith(u'.'))
        name.chop(suffix.size() + 1);
    name += toRtf ? QStringLiteral(".RTF") : QStringLiteral(".TXT");
    if (fromArchive)
        return QDir(info.path()).filePath(name);
    return workFolder.isEmpty() ? QString() : QDir(workFolder).filePath(name);
}

bool LibreOfficeConverter::ConvertWithWord(QString& bookFile, bool toRtf, bool fromArchive, const QString& workFolder)
{
    const QFileInfo source(bookFile);
    if (!source.isFile())
        return false;
    const QString target = targetFile(bookFile, toRtf, fromArchive, workFolder);
    if (target.isEmpty() || QFileInfo(target).absoluteFilePath() == source.absoluteFilePath()
        || QFileInfo::exists(target))
        return false;

    // LibreOffice names its result after the source; it is written into a folder of its own and
    // then moved to the target's name.
    QTemporaryDir out(QDir(workFolder).filePath(QStringLiteral("convert-XXXXXX")));
    if (!out.isValid() || !runOffice(source.absoluteFilePath(), toRtf, out.path(), workFolder))
        return false;
    const QFileInfoList results = QDir(out.path()).entryInfoList(QDir::Files);
    if (results.size() != 1 || results.first().size() <= 0 || !QFile::rename(results.first().absoluteFilePath(), target))
        return false;
    bookFile = target;
    if (fromArchive)
        QFile::remove(source.absoluteFilePath());
    return true;
}

bool LibreOfficeConverter::runOffice(const QString& source, bool toRtf, const QString& outFolder,
                                     const QString& workFolder) const
{
    const QString program = officeProgram(settings_.program);
    if (program.isEmpty())
        return false;
    const QString profile = QDir(workFolder).filePath(QStringLiteral("office-profile"));
    QStringList arguments{QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--nologo"),
                          QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString()};
    // An HTML page is read into the word processor, which can write RTF, not into the web editor.
    if (isHtml(source))
        arguments << QStringLiteral("--infilter=HTML (StarWriter)");
    arguments << QStringLiteral("--convert-to")
              << (toRtf ? QStringLiteral("rtf") : QStringLiteral("txt:Text (encoded):MS_1251,CRLF"))
              << QStringLiteral("--outdir") << outFolder << source;

    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.setStandardInputFile(QProcess::nullDevice());
    startInOwnGroup(office);
    office.start(program, arguments);
    if (!office.waitForStarted())
        return false;
    QElapsedTimer clock;
    clock.start();
    while (!office.waitForFinished(kWaitStepMs)) {
        office.readAll(); // its chatter is of no use; keep the pipe from filling
        if (settings_.whileWaiting)
            settings_.whileWaiting();
        if (office.state() == QProcess::NotRunning)
            break;
        if (clock.elapsed() > settings_.timeLimitMs) {
            endGroup(office);
            return false;
        }
    }
    return office.exitStatus() == QProcess::NormalExit && office.exitCode() == 0;
}

} // namespace folianto::reader
