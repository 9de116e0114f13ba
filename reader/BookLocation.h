#pragma once
// Finding a catalogue row's book file when its stored link no longer holds: the stored path,
// then candidates built from the substitution path S (drive swap, S put in front, S alone with
// the file's name, and on request a search of S's whole subtree). Links may be Windows ones
// ("C:\Книги\a.txt", "\\srv\share\dir\a.txt") or native; candidates are built with native
// separators.
//
// Without a drive in S (the usual case here: "/srv/archive/") the drive swap puts the root of
// the file system in place of the link's drive: "C:\Книги\a.txt" is tried as "/Книги/a.txt".
// A native link has no drive, so that candidate is the stored path again and is not retried.
// A candidate that begins with a drive letter is never tested outside Windows: it names no
// file here (it would only resolve against the current folder).

#include "engines/table/Dataset.h"

#include <QString>
#include <functional>

namespace folianto::reader {

struct LocationSettings {
    QString substitutionPath; // empty = no substitution
    bool searchSubfolders = false;
    bool writeBack = false;
    // Called about every 50 ms while the subtree search runs (it runs on a worker thread), so
    // that the window can repaint. The search itself cannot be interrupted.
    std::function<void()> whileSearching;
};

// The five steps on the current row of `ds` (its `_FileName` may be rewritten when writeBack).
// Returns the found path, or an empty string when nothing is found (an empty link is never
// found). A failed write-back reaches the caller as table::TableError.
QString LocateBookFile(table::Dataset& ds, const LocationSettings& settings, const QString& storedPath);

// One candidate: true when it names an existing file or folder; then `found` := candidate and,
// with writeBack, `_FileName` := candidate when it differs (exactly) from it, posted at once
// unless the row is already being edited.
bool TryCandidatePath(table::Dataset& ds, const LocationSettings& settings, const QString& candidate,
                      QString& found);

} // namespace folianto::reader
