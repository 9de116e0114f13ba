#include "reader/ArchiveCommon.h"

#include "engines/archive/EntryName.h"
#include "util/Interaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace folianto::reader {

ArchiveFailure::ArchiveFailure(const QString& text)
    : std::runtime_error(text.toStdString()), text_(text)
{
}

namespace detail {

void ensureWorkFolder(const ArchiveRequest& request)
{
    const QString& folder = request.workFolder;
    if (folder.isEmpty() || !(QFileInfo(folder).isDir() || QDir().mkdir(folder)))
        throw ArchiveFailure(QStringLiteral("Невозможно создать временную папку !"));
}

std::optional<QString> clearTarget(const QString& target, const ArchiveRequest& request)
{
    const QFileInfo info(target);
    if (!info.exists() && !info.isSymLink())
        return QString();
    if (info.isDir() && !info.isSymLink())
        return QDir().rmdir(target) ? std::optional<QString>(QString()) : std::nullopt;
    const bool removed = request.removeFile ? request.removeFile(target) : QFile::remove(target);
    if (removed)
        return QString();
    return info.isFile() ? std::optional<QString>(target) : std::nullopt;
}

QString targetFor(const ArchiveRequest& request, const QString& displayName)
{
    const QString name = archive::bareFileName(displayName);
    return name.isEmpty() ? QString() : QDir(request.workFolder).filePath(name);
}

void tell(const QString& text)
{
    util::interaction().message(text, util::MessageKind::Warning);
}

QString emptyFileMessage() { return QStringLiteral("Файл пуст !"); }
QString damagedZipMessage(const QString& name) { return QStringLiteral("Ошибка в архивном файле ") + name; }
QString notUnpackedMessage() { return QStringLiteral("Файл не распаковывается !"); }
QString haNotStartedMessage() { return QStringLiteral("На-архиватор не запускается!"); }
QString haTimeoutMessage() { return QStringLiteral("Время для распаковки вышло!"); }

} // namespace detail
} // namespace folianto::reader
