#pragma once
#include <QByteArray>
#include <QString>

namespace folianto::table {

// Replaces the file at path by bytes, never leaving a half-written file: the bytes go to a
// temporary file beside the target, are flushed to disk and renamed over it. The old file's
// permission bits are kept; a symbolic link is written through to its target. Throws
// TableError when the write fails, the old file then being untouched.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file; throws TableError when it cannot be read.
QByteArray readWholeFile(const QString& path);

} // namespace folianto::table
