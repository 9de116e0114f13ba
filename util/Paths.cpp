#include "util/Paths.h"

#include <QDir>
#include <algorithm>

namespace folianto::util {

namespace {

// Index just past the last separator or ":" (0 when there is none).
qsizetype nameStart(const QString& path)
{
    for (qsizetype i = path.size(); i > 0; --i) {
        const QChar c = path[i - 1];
        if (isPathSeparator(c) || c == QLatin1Char(':'))
            return i;
    }
    return 0;
}

bool isLetterDrive(const QString& path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].unicode() < 128
        && path[0].isLetter();
}

// Length of the "\\server\share" prefix, or 0 when the path is not a network path.
qsizetype networkPrefixLength(const QString& path)
{
    if (path.size() < 2 || !isPathSeparator(path[0]) || !isPathSeparator(path[1]))
        return 0;
    qsizetype i = 2;
    const qsizetype serverStart = i;
    while (i < path.size() && !isPathSeparator(path[i]))
        ++i;
    if (i == serverStart || i == path.size())
        return 0; // no server, or no share after it
    const qsizetype shareStart = ++i;
    while (i < path.size() && !isPathSeparator(path[i]))
        ++i;
    return i == shareStart ? 0 : i;
}

bool isRoot(const QString& path)
{
    if (!path.isEmpty() && std::all_of(path.begin(), path.end(), isPathSeparator))
        return true;
    if (path.size() == 3 && isLetterDrive(path))
        return isPathSeparator(path[2]);
    const qsizetype share = networkPrefixLength(path);
    return share > 0 && share == path.size() - 1;
}

} // namespace

bool isPathSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

QChar nativeSeparator()
{
    return QDir::separator();
}

QString driveOfPath(const QString& path)
{
    if (isLetterDrive(path))
        return path.left(2);
    return path.left(networkPrefixLength(path));
}

QString folderOfPath(const QString& path, Trailing trailing)
{
    const QString folder = path.left(nameStart(path));
    if (trailing == Trailing::Keep || folder.isEmpty() || !isPathSeparator(folder.back())
        || isRoot(folder))
        return folder;
    return folder.chopped(1);
}

QString nameOfPath(const QString& path)
{
    return path.mid(nameStart(path));
}

QString extensionOfPath(const QString& path)
{
    const qsizetype start = nameStart(path);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= start ? path.mid(dot) : QString();
}

QString changeExtension(const QString& path, const QString& extension)
{
    const qsizetype start = nameStart(path);
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot >= start ? path.left(dot) : path) + extension;
}

QString withTrailingSeparator(const QString& path)
{
    if (path.isEmpty() || isPathSeparator(path.back()))
        return path;
    return path + nativeSeparator();
}

QString withoutTrailingSeparator(const QString& path)
{
    if (path.isEmpty() || !isPathSeparator(path.back()) || isRoot(path))
        return path;
    return path.chopped(1);
}

QString nativeSeparators(const QString& path)
{
    QString out = path;
    const QChar native = nativeSeparator();
    const QChar other = native == QLatin1Char('/') ? QLatin1Char('\\') : QLatin1Char('/');
    out.replace(other, native);
    return out;
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return withTrailingSeparator(folder) + name;
}

} // namespace folianto::util
