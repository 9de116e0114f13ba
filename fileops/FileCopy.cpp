#include "fileops/FileCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <filesystem>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace folianto::fileops {

namespace {

constexpr qint64 kChunk = 1 << 20;
// Up to this many copies are flushed one by one; more with one sync of their file systems.
constexpr int kFlushOneByOne = 8;

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Copies the whole of `source` into `out`; false on any read or write error, or when the
// source ends before the size it had when opened (it was cut while being read).
bool copyBytes(QFile& source, QFile& out)
{
    const qint64 expected = source.size();
    QByteArray buffer(int(qMin<qint64>(kChunk, qMax<qint64>(expected, 1))), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = source.read(buffer.data(), buffer.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got)
            return false;
        total += got;
    }
    return total >= expected && out.flush() && out.size() == total;
}

#ifndef Q_OS_WIN
bool syncPath(const QString& path, bool wholeFileSystem)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
#ifdef Q_OS_LINUX
    const bool ok = (wholeFileSystem ? ::syncfs(fd) : ::fsync(fd)) == 0;
#else
    Q_UNUSED(wholeFileSystem);
    const bool ok = ::fsync(fd) == 0;
#endif
    ::close(fd);
    return ok;
}
#else
bool syncPath(const QString& path, bool)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return true; // folders cannot be flushed here; their entries are written with the files
    return file.open(QIODevice::ReadWrite) && ::_commit(file.handle()) == 0;
}
#endif

// Creates a new hidden file beside the target, under a name no other file has.
bool openNewBeside(const QFileInfo& target, QFile& out)
{
    static quint64 counter = 0;
    const QDir folder(target.absolutePath());
    const QString stem = QStringLiteral(".") + target.fileName() + u'.'
        + QString::number(QCoreApplication::applicationPid()) + u'-';
    for (int attempt = 0; attempt < 100; ++attempt) {
        out.setFileName(folder.filePath(stem + QString::number(++counter) + QStringLiteral(".part")));
        if (out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (out.error() != QFileDevice::OpenError || !QFileInfo::exists(out.fileName()))
            return false;
    }
    return false;
}

} // namespace

CopyBatch::~CopyBatch()
{
    for (const Copy& c : copies_)
        if (!c.committed)
            QFile::remove(c.temporary);
}

int CopyBatch::stage(const QString& source, const QString& target)
{
    const QFileInfo from(source);
    if (!from.isFile() || sameFile(source, target))
        return -1;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    const QFileInfo to(target);
    QFile out;
    if (!openNewBeside(to, out))
        return -1;
    if (!copyBytes(in, out)) {
        out.remove();
        return -1;
    }
    out.setPermissions(from.permissions());
    out.close();
    copies_.push_back({out.fileName(), to.absoluteFilePath()});
    flushed_ = false;
    return int(copies_.size()) - 1;
}

bool CopyBatch::flush()
{
    bool ok = true;
    if (copies_.size() <= kFlushOneByOne) {
        for (const Copy& c : copies_)
            ok = syncPath(c.temporary, false) && ok;
    } else {
        QSet<QString> folders;
        for (const Copy& c : copies_)
            folders.insert(QFileInfo(c.temporary).absolutePath());
        for (const QString& folder : std::as_const(folders))
            ok = syncPath(folder, true) && ok;
    }
    flushed_ = ok;
    return ok;
}

bool CopyBatch::commit(int n)
{
    if (!flushed_ || n < 0 || n >= int(copies_.size()) || copies_[size_t(n)].committed)
        return false;
    Copy& c = copies_[size_t(n)];
    std::error_code error;
    std::filesystem::rename(fsPath(c.temporary), fsPath(c.target), error);
    if (error)
        return false;
    c.committed = true;
    return true;
}

bool CopyBatch::settle()
{
    QSet<QString> folders;
    for (const Copy& c : copies_)
        if (c.committed)
            folders.insert(QFileInfo(c.target).absolutePath());
    bool ok = true;
    for (const QString& folder : std::as_const(folders))
        ok = syncPath(folder, false) && ok;
    return ok;
}

bool copyFileSafely(const QString& source, const QString& target)
{
    CopyBatch batch;
    const int n = batch.stage(source, target);
    return n >= 0 && batch.flush() && batch.commit(n) && batch.settle();
}

bool flushToDisk(const QString& path)
{
    return syncPath(path, false);
}

bool sameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return std::filesystem::equivalent(fsPath(a), fsPath(b), error) && !error;
}

bool renameFileSafely(const QString& source, const QString& target)
{
    if (!QFileInfo(source).isFile())
        return false;
    if (source == target)
        return true;
    const QFileInfo targetInfo(target);
    const bool targetTaken = targetInfo.exists() || targetInfo.isSymLink();
    if (targetTaken && !sameFile(source, target))
        return false;
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
#ifdef Q_OS_LINUX
    // Only a name of the same file (another letter case on a case-blind disk) may be taken.
    if (!targetTaken) {
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
    }
#endif
    std::error_code error;
    std::filesystem::rename(fsPath(source), fsPath(target), error);
    return !error;
}

} // namespace folianto::fileops
