#include "util/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace folianto::util {

namespace {

Shell* g_current = nullptr;

bool looksLikeLocalPath(const QString& text)
{
    if (QFileInfo::exists(text) || QDir::isAbsolutePath(text))
        return true;
    // A Windows drive path such as C:\a.txt would otherwise read as the scheme "c".
    return text.size() >= 2 && text[0].isLetter() && text[1] == QLatin1Char(':')
        && (text.size() == 2 || text[2] == QLatin1Char('\\') || text[2] == QLatin1Char('/'));
}

} // namespace

QUrl urlForOpening(const QString& fileOrUrl)
{
    const QString text = fileOrUrl.trimmed();
    if (text.isEmpty())
        return {};
    if (looksLikeLocalPath(text))
        return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty())
        return url;
    return QUrl::fromUserInput(text);
}

bool DesktopShell::open(const QString& fileOrUrl)
{
    const QUrl url = urlForOpening(fileOrUrl);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool DesktopShell::startProgram(const QString& program, const QStringList& arguments,
                                const QString& workingDirectory)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments, workingDirectory);
}

DesktopShell& desktopShell()
{
    static DesktopShell instance;
    return instance;
}

Shell& shell()
{
    return g_current ? *g_current : desktopShell();
}

void setShell(Shell* instance)
{
    g_current = instance == &desktopShell() ? nullptr : instance;
}

} // namespace folianto::util
