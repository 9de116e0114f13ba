#pragma once
// Steps shared by the three archive extractors.

#include "reader/ArchiveExtract.h"

#include <optional>

namespace folianto::reader::detail {

// Creates the work folder; throws ArchiveFailure when it cannot be created.
void ensureWorkFolder(const ArchiveRequest& request);

// The work-folder file an entry is unpacked to, after the target clash rule: a file already
// there is deleted. When `ready` is false the extractor stops and returns `result`: the path
// of a leftover that cannot be deleted (typically still open), or empty after `refusal` was
// shown because the entry has no bare name or something other than a file is in the way.
struct Target {
    QString path;
    bool ready = false;
    QString result;
};
Target prepareTarget(const ArchiveRequest& request, const QString& displayName, const QString& refusal);

// Listing mode: appends the entries' display names and returns true; false without a list.
template <class Entries>
bool listNames(QStringList* list, const Entries& entries)
{
    if (!list)
        return false;
    for (const auto& e : entries)
        list->append(e.displayName);
    return true;
}

// The directory-reading extractors' common step: in listing mode the names go to the list;
// otherwise the entry numbered `arc`. Null when there is nothing to unpack (no directory, a
// listing, or `arc` beyond the entries).
template <class Entries>
const typename Entries::value_type* listOrPick(QStringList* list, const std::optional<Entries>& entries, int arc)
{
    if (!entries || listNames(list, *entries) || arc < 0 || arc >= entries->size())
        return nullptr;
    return &entries->at(arc);
}

void tell(const QString& text);

QString emptyFileMessage();
QString damagedZipMessage(const QString& name);
QString notUnpackedMessage();
QString haNotStartedMessage();
QString haTimeoutMessage();
QString haCompressedMessage();

} // namespace folianto::reader::detail
