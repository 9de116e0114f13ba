#pragma once
// Steps shared by the three archive extractors.

#include "reader/ArchiveExtract.h"

#include <optional>

namespace folianto::reader::detail {

// Creates the work folder; throws ArchiveFailure when it cannot be created.
void ensureWorkFolder(const ArchiveRequest& request);

// The target clash rule. A file already at `target` is deleted; when it cannot be, its path is
// returned as the extractor's result. An empty string means the way is clear; nullopt that
// something other than a file is in the way and the entry cannot be unpacked.
std::optional<QString> clearTarget(const QString& target, const ArchiveRequest& request);

// The work-folder path an entry is unpacked to; empty when its bare name is empty.
QString targetFor(const ArchiveRequest& request, const QString& displayName);

void tell(const QString& text);

QString emptyFileMessage();
QString damagedZipMessage(const QString& name);
QString notUnpackedMessage();
QString haNotStartedMessage();
QString haTimeoutMessage();

} // namespace folianto::reader::detail
