#pragma once
// Packs one file into a zip archive (deflate level 6, no password, stored under its bare
// name), adding it to an archive that exists already. Progress is the percentage done.

#include "exchange/ProgressSteps.h"

#include <QString>

namespace folianto::exchange {

// True when the archive exists afterwards; false for an empty archive name, a missing source
// or a packing error (which is not reported further).
bool ZipFile(const QString& source, const QString& archive, const Progress& progress = {});

} // namespace folianto::exchange
