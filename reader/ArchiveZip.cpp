#include "reader/ArchiveCommon.h"

#include "engines/archive/Vzp.h"

#include <QFile>
#include <QFileInfo>

namespace folianto::reader {

using namespace detail;

namespace {

// Unpacks one entry; the result follows the extractor's contract.
QString unpackZipEntry(archive::Vzp& vzp, const archive::VzpEntry& entry, const ArchiveRequest& request)
{
    if (entry.size == 0) {
        tell(emptyFileMessage());
        return {};
    }
    const QString shownName = entry.fileName.isEmpty() ? entry.path : entry.fileName;
    const Target target = prepareTarget(request, entry.fileName, damagedZipMessage(shownName));
    if (!target.ready)
        return target.result;

    bool badCrc = false;
    vzp.onBadCrc = [&](const QString&) { badCrc = true; };
    vzp.filesToProcess() = {entry.path};
    vzp.setPassword(entry.encrypted ? request.password : QString());
    bool ok = false;
    const int written = vzp.extract(&ok);
    vzp.onBadCrc = nullptr;
    if (!ok || badCrc || written != 1) {
        tell(damagedZipMessage(shownName));
        QFile::remove(target.path);
        vzp.setPassword({});
        return {};
    }
    return target.path;
}

} // namespace

QString ExtractFromZip(const QString& archive, QStringList* list, const ArchiveRequest& request)
{
    ensureWorkFolder(request);
    archive::Vzp vzp;
    vzp.setDestinationFolder(request.workFolder);
    vzp.setRootFolder(request.workFolder);
    vzp.filesToProcess().clear();
    vzp.setArchiveName(archive);

    QString result;
    if (!vzp.readDirectory()) {
        // Not readable as a zip at all: the archive itself is the damaged file.
        if (!list)
            tell(damagedZipMessage(QFileInfo(archive).fileName()));
    } else {
        int index = 0;
        for (int i = 0; i < vzp.count(); ++i) {
            const archive::VzpEntry& entry = vzp.entry(i);
            if (entry.isFolder() || entry.isVolumeLabel())
                continue;
            if (list) {
                list->append(entry.fileName);
            } else if (index == request.arc) {
                result = unpackZipEntry(vzp, entry, request);
                break;
            }
            ++index;
        }
    }
    vzp.release();
    vzp.setOverwriteMode(archive::VzpOverwrite::Ask);
    vzp.setPassword({});
    return !result.isEmpty() && QFileInfo::exists(result) ? result : QString();
}

} // namespace folianto::reader
