#include "reader/BookLocation.h"

#include "catalogue/CatalogueRecord.h"
#include "util/FileSystem.h"
#include "util/Paths.h"

#include <QFileInfo>
#include <chrono>
#include <future>

namespace folianto::reader {

namespace field = catalogue::field;

namespace {

bool hasLetterDrive(const QString& path)
{
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter();
}

bool candidateExists(const QString& candidate)
{
    if (candidate.isEmpty())
        return false;
#ifndef Q_OS_WIN
    if (hasLetterDrive(candidate))
        return false;
#endif
    return QFileInfo::exists(candidate);
}

QString recordLink(const table::Dataset& ds, const QString& storedPath)
{
    return ds.hasCurrentRow() ? ds.asString(field::FileName) : storedPath;
}

QString searchTree(const QString& start, const QString& name, const std::function<void()>& whileSearching)
{
    if (!whileSearching)
        return util::FindFileInTree(start, name);
    auto result = std::async(std::launch::async, [start, name] { return util::FindFileInTree(start, name); });
    while (result.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
        whileSearching();
    return result.get();
}

} // namespace

bool TryCandidatePath(table::Dataset& ds, const LocationSettings& settings, const QString& candidate,
                      QString& found)
{
    const QString path = util::nativeSeparators(candidate);
    if (!candidateExists(path))
        return false;
    found = path;
    if (settings.writeBack && ds.hasCurrentRow() && ds.asString(field::FileName) != path) {
        // A row already being edited (the book card) takes the path into its edit and is
        // posted by its editor; posting here would store a half-edited row.
        if (ds.isEditing())
            ds.setValue(field::FileName, path);
        else
            table::editAndPost(ds, [&] { ds.setValue(field::FileName, path); });
    }
    return true;
}

QString LocateBookFile(table::Dataset& ds, const LocationSettings& settings, const QString& storedPath)
{
    QString found;
    if (storedPath.isEmpty())
        return found;
    // 1: the stored path.
    if (TryCandidatePath(ds, settings, storedPath, found))
        return found;
    const QString& s = settings.substitutionPath;
    if (s.isEmpty())
        return found;

    // 2: the substitution drive in place of the link's drive.
    const QString drive = util::driveOfPath(storedPath);
    QString rest = storedPath.mid(drive.size());
    const QString driveSwapped = util::driveOfPath(s) + rest;
    if (driveSwapped != storedPath && TryCandidatePath(ds, settings, driveSwapped, found))
        return found;

    // 3: the whole substitution path in front of the link without its drive.
    const QString folder = util::withTrailingSeparator(s);
    if (!rest.isEmpty() && util::isPathSeparator(rest[0]))
        rest.remove(0, 1);
    if (TryCandidatePath(ds, settings, folder + rest, found))
        return found;

    // 4: the substitution folder with the file's name.
    const QString name = util::nameOfPath(recordLink(ds, storedPath));
    if (name.isEmpty())
        return found;
    if (TryCandidatePath(ds, settings, folder + name, found))
        return found;

    // 5: the substitution folder's whole subtree.
    if (!settings.searchSubfolders)
        return found;
    const QString inTree = searchTree(folder, name, settings.whileSearching);
    if (!inTree.isEmpty())
        TryCandidatePath(ds, settings, inTree, found);
    return found;
}

} // namespace folianto::reader
