#include "reader/BookFileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace folianto::reader {

namespace {

[[noreturn]] void fail(const QString& path, const QFile& file)
{
    throw BookReadError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString());
}

} // namespace

qint64 bookFileSize(const QString& path)
{
    if (path.isEmpty())
        return 0;
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

QByteArray readBookBytes(const QString& path, ByteRange range)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file);
    if (range.offset > 0 && !file.seek(range.offset))
        fail(path, file);
    QByteArray bytes(qsizetype(std::max<qint64>(range.length, 0)), Qt::Uninitialized);
    const qint64 got = bytes.isEmpty() ? 0 : file.read(bytes.data(), bytes.size());
    if (got < 0)
        fail(path, file);
    bytes.truncate(qsizetype(got));
    return bytes;
}

} // namespace folianto::reader
