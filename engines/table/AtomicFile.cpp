#include "engines/table/AtomicFile.h"

#include "engines/table/TableError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace folianto::table {

namespace {

QString writeFailed(const QString& path, const QString& reason)
{
    return QStringLiteral("Не удалось записать файл %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

// The file a write really goes to: a symbolic link (also a chain of them, also one whose
// target does not exist yet) is followed to its target.
QString writeTarget(const QString& path)
{
    QString target = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 32; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        const QString next = info.symLinkTarget();
        if (next.isEmpty())
            return target;
        target = QFileInfo(info.absolutePath(), next).absoluteFilePath();
    }
    throw TableError(writeFailed(path, QStringLiteral("слишком длинная цепочка ссылок")));
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString target = writeTarget(path);
    const QFileInfo old(target);
    const bool existed = old.exists();
    const QFileDevice::Permissions oldPermissions = existed ? old.permissions() : QFileDevice::Permissions();

    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a failing write (a full disk, a size limit) is seen here and not
    // lost inside commit(), which would then rename a cut file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw TableError(writeFailed(path, file.errorString()));
    // The temporary file takes the old file's permission bits before it replaces it; a new
    // file gets the usual read-write for the owner, read for others.
    const QFileDevice::Permissions wanted = existed
        ? oldPermissions
        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser
              | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    file.setPermissions(wanted);
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw TableError(writeFailed(path, reason));
    }
    if (!file.commit()) // flushes to disk, then renames over the target
        throw TableError(writeFailed(path, file.errorString()));
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TableError(QStringLiteral("Не удалось открыть файл %1: %2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TableError(QStringLiteral("Не удалось прочитать файл %1: %2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

} // namespace folianto::table
