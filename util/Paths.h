#pragma once
// Splitting and building paths. Links stored in catalogues and tables made on Windows hold
// either separator ("C:\Книги\a.txt"), so every helper here accepts both "\" and "/".
// A drive is "X:" or a network prefix "\\server\share" (or "//server/share"); a path that
// begins with a single "/" has no drive.

#include <QString>

namespace folianto::util {

bool isPathSeparator(QChar c);
QChar nativeSeparator();

// "C:" for "C:\a\b.txt", "\\srv\share" for "\\srv\share\a.txt", empty otherwise.
QString driveOfPath(const QString& path);

enum class Trailing { Keep, Drop };
// Everything up to and including the last separator or ":"; empty when there is none. With
// Trailing::Drop the last separator is left off unless it is the root ("/", "C:\").
QString folderOfPath(const QString& path, Trailing trailing = Trailing::Keep);
// Everything after the last separator or ":".
QString nameOfPath(const QString& path);
// The name's last dot and what follows it (".txt"); empty when the name has no dot.
QString extensionOfPath(const QString& path);
// The path with its extension replaced by `extension` (given with its dot; empty removes it).
QString changeExtension(const QString& path, const QString& extension);

// One native separator added when the path does not end in a separator; empty stays empty.
QString withTrailingSeparator(const QString& path);
// One trailing separator removed, except from a root ("/", "C:\", "\\srv\share\").
QString withoutTrailingSeparator(const QString& path);
// Both separators turned into the native one, for candidate paths and for display.
QString nativeSeparators(const QString& path);
// folder + name with exactly the folder's own separator between them; an empty folder gives
// the name alone.
QString joinPath(const QString& folder, const QString& name);

} // namespace folianto::util
