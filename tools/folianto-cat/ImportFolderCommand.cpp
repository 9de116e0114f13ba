#include "CatalogueFile.h"
#include "Commands.h"
#include "Console.h"
#include "ImportOptions.h"
#include "exchange/FolderImport.h"
#include "exchange/ImportSink.h"

#include <QFileInfo>

using folianto::exchange::FileDefaults;
using folianto::exchange::FolderImport;

// Files of folders become rows, as "Ф&айловый импорт..." makes them; the options' defaults are
// the page's.
int runImportFolder(const QStringList& args)
{
    const QString cmd = QStringLiteral("import-folder");
    const auto parsed = parseArgs(cmd, args,
                                  {"names-only", "subfolders", "author-from-ext", "no-topic-from-folder",
                                   "path-to-comment", "date-to-first", "no-fb2-description"},
                                  {"ext", "author", "topic"});
    if (!parsed)
        return 2;
    if (parsed->positional.size() < 2)
        return usageError(QStringLiteral("import-folder needs a CATALOGUE and at least one DIR"));
    const QString file = parsed->positional.front();
    const QStringList dirs = parsed->positional.mid(1);
    for (const QString& d : dirs)
        if (!QFileInfo::exists(d)) {
            printError(QStringLiteral("%1: no such file or folder").arg(d));
            return 1;
        }

    FileDefaults options;
    if (const auto ext = parsed->value(QStringLiteral("ext")))
        for (const QString& typed : ext->split(u',', Qt::SkipEmptyParts)) {
            const QString e = folianto::exchange::maskExtension(typed);
            if (!e.isEmpty() && !options.extMask.contains(e, Qt::CaseInsensitive))
                options.extMask.append(e);
        }
    options.scan = parsed->has(QStringLiteral("subfolders"));
    options.author = parsed->value(QStringLiteral("author")).value_or(QString());
    options.topic = parsed->value(QStringLiteral("topic")).value_or(QString());
    options.impExt = parsed->has(QStringLiteral("author-from-ext"));
    options.impFolder = !parsed->has(QStringLiteral("no-topic-from-folder"));
    options.impPath = parsed->has(QStringLiteral("path-to-comment"));
    options.impDate = parsed->has(QStringLiteral("date-to-first"));
    options.fb2Description = !parsed->has(QStringLiteral("no-fb2-description"));

    folianto::table::Dataset ds;
    if (!openCatalogueForCommand(ds, file))
        return 1;
    // No question is asked here, so the adding pass alone tells whether there was anything to add;
    // with nothing added the catalogue is not written.
    folianto::exchange::TableSink sink(ds);
    if (FolderImport(options).addList(dirs, !parsed->has(QStringLiteral("names-only")), sink) <= 0) {
        printError(QStringLiteral("Нет файлов для добавления!"));
        return 1;
    }
    return saveCatalogueForCommand(ds, file, sink.posted());
}
