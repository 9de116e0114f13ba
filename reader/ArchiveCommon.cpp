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

Target prepareTarget(const ArchiveRequest& request, const QString& displayName, const QString& refusal)
{
    Target t;
    const QString name = archive::bareFileName(displayName);
    if (name.isEmpty()) {
        tell(refusal);
        return t;
    }
    t.path = QDir(request.workFolder).filePath(name);
    const QFileInfo info(t.path);
    if (!info.exists() && !info.isSymLink()) {
        t.ready = true;
    } else if (info.isDir() && !info.isSymLink()) {
        t.ready = QDir().rmdir(t.path);
    } else {
        t.ready = request.removeFile ? request.removeFile(t.path) : QFile::remove(t.path);
        if (!t.ready && info.isFile()) {
            t.result = t.path;
            return t;
        }
    }
    if (!t.ready)
        tell(refusal);
    return t;
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
QString haCompressedMessage() { return QStringLiteral("Файл в HA-архиве сжат: распаковываются только несжатые файлы !"); }

} // namespace detail
} // namespace folianto::reader
