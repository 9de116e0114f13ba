#pragma once
// Packing one file into a zip archive with a progress bar, through the zip component.

#include <QString>

class QProgressBar;

namespace folianto::fileops {

// Adds `source` to `archive` (created when missing; an entry of the same name is replaced,
// the others kept), showing the percentage done on `bar` (may be null) while it runs. True
// only when packing succeeded and the archive is on disk: an archive that was there before
// does not count as success when adding the file to it failed.
bool ZipFile(const QString& source, const QString& archive, QProgressBar* bar);

} // namespace folianto::fileops
