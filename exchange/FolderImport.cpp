#include "exchange/FolderImport.h"

#include "catalogue/CatalogueRecord.h"
#include "exchange/BookDescription.h"
#include "exchange/ImportSink.h"
#include "util/Paths.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <limits>

namespace folianto::exchange {

namespace field = catalogue::field;
using util::Trailing;

namespace {

bool isDotName(const QString& name)
{
    return name.startsWith(u'.');
}

// Calls `visit` for each entry directly inside `folder` that is not a dot-name, in the order
// the file system lists them. An unreadable or vanished folder lists nothing.
template <typename Visit>
void listFolder(const QString& folder, Visit visit)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!isDotName(info.fileName()))
            visit(info);
    }
}

// A FictionBook's (or a zipped one's) own title, author and first genre over the file's name, extension and
// folder; the defaults the user set stay. Values are cut to their fields' widths.
void takeFb2Description(const QString& path, const FileDefaults& options, table::Dataset& ds)
{
    const auto description = readBookDescription(path);
    if (!description)
        return;
    const auto put = [&ds](const QString& name, const QString& value) {
        if (!value.isEmpty())
            ds.setValue(name, value.left(ds.fieldDef(ds.fieldIndex(name)).size));
    };
    put(field::BookName, description->title);
    if (options.author.isEmpty())
        put(field::Author, description->author);
    if (options.topic.isEmpty())
        put(field::Topic, description->genre);
}

} // namespace

bool ExtensionAllowed(const QString& path, const QStringList& mask)
{
    if (mask.isEmpty())
        return true;
    const QString ext = util::extensionOfPath(path).mid(1);
    return mask.contains(ext, Qt::CaseInsensitive);
}

int FolderImport::count(const QString& root) const
{
    return ScanFolder(root, false, nullptr);
}

int FolderImport::countList(const QStringList& paths) const
{
    return traverseList(paths, false, nullptr);
}

int FolderImport::add(const QString& root, bool fullPath, ImportSink& sink) const
{
    return ScanFolder(root, fullPath, &sink);
}

int FolderImport::addList(const QStringList& paths, bool fullPath, ImportSink& sink) const
{
    return traverseList(paths, fullPath, &sink);
}

int FolderImport::traverseList(const QStringList& paths, bool fullPath, ImportSink* sink) const
{
    int n = 0;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.exists() || isDotName(info.fileName()))
            continue;
        if (info.isDir())
            n += ScanFolder(path, fullPath, sink);
        else if (info.isFile())
            n += ImportFile(info, fullPath, sink);
    }
    return n;
}

int FolderImport::ScanFolder(const QString& folder, bool fullPath, ImportSink* sink) const
{
    QStringList subfolders;
    int n = ScanFolderFiles(folder, fullPath, sink, options_.scan ? &subfolders : nullptr);
    // One level only: the subfolders' own subfolders are never listed.
    for (const QString& subfolder : std::as_const(subfolders))
        n += ScanFolderFiles(subfolder, fullPath, sink, nullptr);
    return n;
}

int FolderImport::ScanFolderFiles(const QString& folder, bool fullPath, ImportSink* sink,
                                  QStringList* subfolders) const
{
    int n = 0;
    listFolder(folder, [&](const QFileInfo& info) {
        if (info.isFile()) // regular files (also through a link); not folders, devices, pipes
            n += ImportFile(info, fullPath, sink);
        else if (subfolders && info.isDir())
            subfolders->append(info.filePath());
    });
    return n;
}

int FolderImport::ImportFile(const QFileInfo& file, bool fullPath, ImportSink* sink) const
{
    const QString path = file.absoluteFilePath();
    if (!ExtensionAllowed(path, options_.extMask))
        return 0;
    if (!sink)
        return 1;

    table::Dataset& ds = sink->ds();
    ds.append();
    ds.setValue(field::BookName, file.fileName());
    // The new-record initialisation put the non-empty defaults in already; setting them here
    // again keeps a table without that reaction (folianto-cat) the same.
    if (!options_.topic.isEmpty())
        ds.setValue(field::Topic, options_.topic);
    else if (options_.impFolder)
        ds.setValue(field::Topic, util::nameOfPath(util::folderOfPath(path, Trailing::Drop)));
    if (!options_.author.isEmpty())
        ds.setValue(field::Author, options_.author);
    else if (options_.impExt)
        ds.setValue(field::Author, util::extensionOfPath(path).mid(1));
    if (options_.impPath)
        ds.setValue(field::Comment, util::folderOfPath(path, Trailing::Keep));
    if (options_.impDate)
        ds.setValue(field::First, file.lastModified().date());
    if (options_.fb2Description)
        takeFb2Description(path, options_, ds);
    ds.setValue(field::FileName, fullPath ? path : file.fileName());
    // The size field holds 32 bits; a larger file keeps it empty rather than a wrong number.
    if (file.size() <= std::numeric_limits<qint32>::max())
        ds.setValue(field::Size, int(file.size()));
    sink->postRow();
    sink->step();
    return 1;
}

} // namespace folianto::exchange
