#pragma once
// Reducing an archive entry's stored path to the bare file name it is written under.

#include <QString>

namespace folianto::archive {

// The last component of a stored path, with either separator and any drive prefix dropped.
// "." and ".." come out empty, so the result can never lead out of the folder it is joined to.
QString bareFileName(const QString& storedPath);

} // namespace folianto::archive
