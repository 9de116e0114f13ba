#include "reader/ArchiveExtract.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace folianto::reader {

ArchiveKind archiveKindOf(const QString& fileName)
{
    const QString upper = QFileInfo(fileName).fileName().toUpper();
    if (upper.endsWith(QStringLiteral(".ZIP")))
        return ArchiveKind::Zip;
    if (upper.endsWith(QStringLiteral(".RAR")))
        return ArchiveKind::Rar;
    if (upper.endsWith(QStringLiteral(".HA")))
        return ArchiveKind::Ha;
    return ArchiveKind::None;
}

QString ExtractFromArchive(const QString& archive, QStringList* list, const ArchiveRequest& request)
{
    switch (archiveKindOf(archive)) {
    case ArchiveKind::Zip: return ExtractFromZip(archive, list, request);
    case ArchiveKind::Rar: return ExtractFromRar(archive, list, request);
    case ArchiveKind::Ha: return ExtractFromHa(archive, list, request);
    case ArchiveKind::None: break;
    }
    return {};
}

ArchiveEntries ListArchiveEntries(const QString& locatedFile, const ArchiveRequest& request)
{
    ArchiveEntries out;
    if (locatedFile.isEmpty() || !QFileInfo::exists(locatedFile))
        return out;
    try {
        ExtractFromArchive(locatedFile, &out.items, request);
    } catch (const std::exception&) {
        // A listing that fails shows what was gathered before the failure.
    }
    out.visible = !out.items.isEmpty();
    out.dropDown = out.items.size() >= 2;
    if (!out.items.isEmpty())
        out.selected = request.arc >= 0 && request.arc < out.items.size() ? request.arc : 0;
    return out;
}

void ClearUnpackFolder(const QString& workFolder)
{
    if (workFolder.isEmpty())
        return;
    const QDir dir(workFolder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : files)
        QFile::remove(f.absoluteFilePath());
}

} // namespace folianto::reader
