#pragma once
// File-system routines shared by the subsystems: the system and temporary folders, the work
// folder, a writability probe, a breadth-first file search, folder creation and clearing.
// None of them keeps state between calls and none reports anything to the user.

#include <QString>

namespace folianto::util {

// The folder of the system's shared libraries, without a trailing separator.
QString SystemFolder();

// The user's private temporary folder, with one trailing separator. On Linux it lies inside
// QDir::tempPath(), is created (mode 0700) when missing and is refused (empty result) when it
// is a symbolic link, not a folder, owned by someone else or open to other users.
QString TempPath();

// The reader's work folder "BOOKDATA" inside TempPath(), without a trailing separator, created
// private when missing. Empty when TempPath() is empty or the folder cannot be made safely.
QString WorkFolder();

// True when the file exists, its read-only state can be changed, and its folder lets the
// program replace or delete it. A read-only file (owner-write bit clear) is made writable on
// the way; any other file ends with the permissions it had. A refused file is not touched.
bool EnsureWritable(const QString& path);

// Breadth-first search below `start` for a file called `name`: the start folder first, then
// its subfolders level by level (by name within a folder), stopping at the first folder that
// holds such a file. Folders whose names begin with "." are not entered, and no folder is
// visited twice (links cannot make it loop). The name is compared exactly first, then without
// regard to case; the result is the folder joined with the name as stored on disk, or empty.
QString FindFileInTree(const QString& start, const QString& name);

// True when `path` is a folder afterwards, creating one level when it is missing (its parent
// must exist). On Windows the folder is also marked hidden.
bool CreateHiddenFolder(const QString& path);

// Deletes the folder's files (a link is deleted itself, never what it points to), keeps its
// subfolders, then removes the folder. True when the folder is gone. A path that is itself a
// link is refused.
bool ClearFolder(const QString& path);

} // namespace folianto::util
