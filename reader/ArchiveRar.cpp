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
    if (!entries)
        return {};
    if (list) {
        for (const archive::RarEntry& e : *entries)
            list->append(e.displayName);
        return {};
    }
    if (request.arc < 0 || request.arc >= entries->size())
        return {};

    const archive::RarEntry& entry = entries->at(request.arc);
    if (entry.size == 0) {
        tell(emptyFileMessage());
        return {};
    }
    const QString target = targetFor(request, entry.displayName);
    const auto clash = target.isEmpty() ? std::nullopt : clearTarget(target, request);
    if (!clash) {
        tell(notUnpackedMessage());
        return {};
    }
    if (!clash->isEmpty())
        return *clash;

    switch (rar.extract(request.arc, target)) {
    case archive::RarReader::Result::Done:
        return QFileInfo::exists(target) ? target : QString();
    case archive::RarReader::Result::Failed:
        tell(notUnpackedMessage());
        return {};
    case archive::RarReader::Result::Unreadable:
        return {};
    }
    return {};
}

} // namespace folianto::reader
