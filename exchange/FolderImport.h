#pragma once
// Catalogue rows from files on disk: every accepted file of a folder (and, with `Fscan`, of
// its immediate subfolders), or of a list of dropped files and folders, becomes one row whose
// title, author, topic, comment, date, size and link come from the file and the group-add
// options. The same traversal counts (nothing written) and adds; each pass lists the disk
// afresh. Names beginning with "." are skipped, and so is anything that is neither a regular
// file nor a folder, or that cannot be looked up (a dangling or looping link, a name the
// file system cannot give back).

#include "exchange/FileDefaults.h"

#include <QString>
#include <QStringList>

class QFileInfo;

namespace folianto::exchange {

class ImportSink;

// The extension-mask test: an empty mask admits everything; otherwise the path's extension,
// without its dot and compared without regard to case, must be in the mask (a file without an
// extension passes only an empty mask).
bool ExtensionAllowed(const QString& path, const QStringList& mask);

class FolderImport {
public:
    explicit FolderImport(FileDefaults options) : options_(std::move(options)) {}

    // The counting pass: how many files a folder, or a list of paths, would add.
    int count(const QString& root) const;
    int countList(const QStringList& paths) const;
    // The adding pass: a row per accepted file, the link being the full path or the name alone.
    // Returns the number of accepted files.
    int add(const QString& root, bool fullPath, ImportSink& sink) const;
    int addList(const QStringList& paths, bool fullPath, ImportSink& sink) const;

private:
    int ScanFolder(const QString& folder, bool fullPath, ImportSink* sink) const;
    // The files directly inside `folder`; its subfolders are collected when `subfolders` is given.
    int ScanFolderFiles(const QString& folder, bool fullPath, ImportSink* sink, QStringList* subfolders) const;
    int ImportFile(const QFileInfo& file, bool fullPath, ImportSink* sink) const;
    int traverseList(const QStringList& paths, bool fullPath, ImportSink* sink) const;

    FileDefaults options_;
};

} // namespace folianto::exchange
