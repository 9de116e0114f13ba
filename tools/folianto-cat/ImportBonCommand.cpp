#include "CatalogueFile.h"
#include "Commands.h"
#include "Console.h"
#include "exchange/CatalogueMerge.h"
#include "exchange/ImportSink.h"

#include <QFileInfo>

using folianto::table::TableError;

// The rows of another catalogue file appended, as "Импорт из &каталога..." appends them.
int runImportBon(const QStringList& args)
{
    if (args.size() != 2 || args[0].startsWith(QStringLiteral("--")) || args[1].startsWith(QStringLiteral("--")))
        return usageError(QStringLiteral("import-bon needs a CATALOGUE and the OTHER.bon to append"));
    const QString file = args[0];
    const QString otherFile = args[1];
    folianto::table::Dataset ds;
    if (!openCatalogueForCommand(ds, file))
        return 1;
    if (!QFileInfo(otherFile).isFile()) {
        printError(QStringLiteral("%1: no such file").arg(otherFile));
        return 1;
    }
    std::unique_ptr<folianto::table::Dataset> other;
    try {
        other = folianto::exchange::loadOtherCatalogue(otherFile, ds.fieldDefs());
    } catch (const TableError& e) {
        printError(QStringLiteral("%1: Ошибка обращения к каталогу! (%2)").arg(otherFile, e.message()));
        return 1;
    }
    folianto::exchange::TableSink sink(ds);
    folianto::exchange::mergeCatalogueRows(*other, sink);
    return saveCatalogueForCommand(ds, file, sink.posted());
}
