#include "util/FileSystem.h"

#include "util/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSet>
#include <deque>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace folianto::util {

namespace {

constexpr auto everyEntry = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

#ifndef Q_OS_WIN
// A real folder (not a link), owned by this user.
bool isOwnFolder(const QByteArray& path, bool privateOnly)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (!privateOnly || (st.st_mode & 077) == 0);
    ::close(fd);
    return ok;
}

// Creates the folder with mode 0700 when missing, then checks what is there.
bool makeOwnFolder(const QString& path, bool privateOnly)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return isOwnFolder(encoded, privateOnly);
}

bool ownerWritable(const struct stat& st)
{
    return (st.st_mode & S_IWUSR) != 0;
}

// Whether files in the file's folder can be created, renamed and deleted.
bool folderAllowsChanges(const QString& path)
{
    const QFileInfo info(path);
    const QString target = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath()
                                                               : info.canonicalFilePath();
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    return ::access(folder.constData(), W_OK | X_OK) == 0;
}
#endif

// The file of `folder` whose name matches `name`, exactly or else ignoring case.
QString matchingFile(const QFileInfoList& entries, const QString& name)
{
    const QFileInfo* caseless = nullptr;
    for (const QFileInfo& e : entries) {
        if (!e.isFile())
            continue;
        if (e.fileName() == name)
            return e.fileName();
        if (!caseless && e.fileName().compare(name, Qt::CaseInsensitive) == 0)
            caseless = &e;
    }
    return caseless ? caseless->fileName() : QString();
}

} // namespace

QString SystemFolder()
{
#ifdef Q_OS_WIN
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT n = ::GetSystemDirectoryW(buffer, MAX_PATH);
    if (n == 0 || n > MAX_PATH)
        return {};
    return QString::fromWCharArray(buffer, int(n));
#else
    return withoutTrailingSeparator(QLibraryInfo::path(QLibraryInfo::LibrariesPath));
#endif
}

QString TempPath()
{
    const QString base = QDir::tempPath();
    if (base.isEmpty() || !QFileInfo(base).isDir())
        return {};
#ifdef Q_OS_WIN
    // Windows gives every user a temporary folder of their own already.
    return withTrailingSeparator(QDir::toNativeSeparators(base));
#else
    const QString folder = joinPath(base, QStringLiteral("folianto-") + QString::number(::geteuid()));
    if (!makeOwnFolder(folder, true))
        return {};
    return withTrailingSeparator(folder);
#endif
}

QString WorkFolder()
{
    const QString temp = TempPath();
    if (temp.isEmpty())
        return {};
    const QString folder = temp + QStringLiteral("BOOKDATA");
#ifdef Q_OS_WIN
    return CreateHiddenFolder(folder) ? folder : QString();
#else
    return makeOwnFolder(folder, false) ? folder : QString();
#endif
}

bool EnsureWritable(const QString& path)
{
    if (path.isEmpty())
        return false;
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    const DWORD attributes = ::GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    bool ok = false;
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        ::SetFileAttributesW(native.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        const DWORD now = ::GetFileAttributesW(native.c_str());
        ok = now != INVALID_FILE_ATTRIBUTES && !(now & FILE_ATTRIBUTE_READONLY);
    } else {
        ::SetFileAttributesW(native.c_str(), attributes | FILE_ATTRIBUTE_READONLY);
        const DWORD now = ::GetFileAttributesW(native.c_str());
        ok = now != INVALID_FILE_ATTRIBUTES && (now & FILE_ATTRIBUTE_READONLY);
        if (ok)
            ok = ::SetFileAttributesW(native.c_str(), attributes) != 0;
    }
    ::SetErrorMode(oldMode);
    return ok;
#else
    const QByteArray file = QFile::encodeName(path);
    struct stat before {};
    if (::stat(file.constData(), &before) != 0)
        return false;
    // The program replaces a file by writing a new one beside it and renaming it over the old
    // one, and deletes files; both need the folder, not only the file, to be writable.
    if (!folderAllowsChanges(path))
        return false;
    const mode_t mode = before.st_mode & 07777;
    struct stat after {};
    if (!ownerWritable(before)) {
        if (::chmod(file.constData(), mode | S_IWUSR) != 0 || ::stat(file.constData(), &after) != 0)
            return false;
        return ownerWritable(after);
    }
    if (::chmod(file.constData(), mode & ~S_IWUSR) != 0)
        return false;
    const bool changed = ::stat(file.constData(), &after) == 0 && !ownerWritable(after);
    const bool restored = ::chmod(file.constData(), mode) == 0;
    return changed && restored;
#endif
}

QString FindFileInTree(const QString& start, const QString& name)
{
    if (start.isEmpty() || name.isEmpty())
        return {};
    std::deque<QString> queue{withTrailingSeparator(start)};
    QSet<QString> visited;
    while (!queue.empty()) {
        const QString folder = queue.front();
        queue.pop_front();
        const QFileInfo folderInfo(folder);
        const QString identity = folderInfo.canonicalFilePath();
        if (identity.isEmpty() || visited.contains(identity))
            continue;
        visited.insert(identity);

        const QFileInfoList entries =
            QDir(folder).entryInfoList(everyEntry, QDir::Name | QDir::IgnoreCase);
        const QString found = matchingFile(entries, name);
        if (!found.isEmpty())
            return folder + found;
        for (const QFileInfo& e : entries) {
            if (e.isDir() && !e.fileName().startsWith(QLatin1Char('.')))
                queue.push_back(folder + e.fileName() + nativeSeparator());
        }
    }
    return {};
}

bool CreateHiddenFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).isDir() && !QDir().mkdir(path))
        return false;
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    if (!::SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_HIDDEN))
        return false;
#endif
    return QFileInfo(path).isDir();
}

bool ClearFolder(const QString& path)
{
    const QFileInfo self(path);
    if (path.isEmpty() || self.isSymLink() || !self.isDir())
        return false;
    QDir dir(path);
    for (const QFileInfo& e : dir.entryInfoList(everyEntry)) {
        if (e.isDir() && !e.isSymLink())
            continue; // subfolders stay, so the folder itself stays too
        QFile::remove(e.absoluteFilePath());
    }
    return QDir().rmdir(path);
}

} // namespace folianto::util
