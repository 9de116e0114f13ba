#include "reader/ArchiveCommon.h"

#include "engines/archive/RarReader.h"

#include <QFileInfo>

namespace folianto::reader {

using namespace detail;

QString ExtractFromRar(const QString& archive, QStringList* list, const ArchiveRequest& request)
{
    ensureWorkFolder(request);
    if (!QFileInfo(archive).isFile())
        return {};
    const archive::RarReader rar(archive, request.password);
    const auto entries = rar.entries();
    const archive::RarEntry* picked = listOrPick(list, entries, request.arc);
    if (!picked)
        return {};
    const archive::RarEntry& entry = *picked;
    if (entry.size == 0) {
        tell(emptyFileMessage());
        return {};
    }
    const Target target = prepareTarget(request, entry.displayName, notUnpackedMessage());
    if (!target.ready)
        return target.result;

    switch (rar.extract(request.arc, target.path)) {
    case archive::RarReader::Result::Done:
        return QFileInfo::exists(target.path) ? target.path : QString();
    case archive::RarReader::Result::Failed:
    case archive::RarReader::Result::Unreadable: // an encrypted entry, or one gone since the listing
        tell(notUnpackedMessage());
        return {};
    }
    return {};
}

} // namespace folianto::reader
