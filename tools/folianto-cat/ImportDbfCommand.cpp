#include "CatalogueFile.h"
#include "Commands.h"
#include "Console.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"
#include "engines/table/Dataset.h"
#include "exchange/DbfImport.h"

using folianto::table::Dataset;
using folianto::table::TableError;
namespace exchange = folianto::exchange;
namespace dbf = folianto::dbf;

namespace {

struct ImportOptions {
    QString catalogue;
    QString table;
    QString map;
    QString ext;
    bool dos = false;
};

QString parseOptions(const QStringList& args, ImportOptions& opt)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == u"--map" || a == u"--ext") && i + 1 < args.size())
            (a == u"--map" ? opt.map : opt.ext) = args[++i];
        else if (a == u"--dos")
            opt.dos = true;
        else if (!a.startsWith(u"--") && opt.catalogue.isEmpty())
            opt.catalogue = a;
        else if (!a.startsWith(u"--") && opt.table.isEmpty())
            opt.table = a;
        else
            return QStringLiteral("import-dbf: unexpected argument %1").arg(a);
    }
    if (opt.catalogue.isEmpty() || opt.table.isEmpty())
        return QStringLiteral("import-dbf needs CATALOGUE and TABLE");
    if (opt.ext.size() > 3)
        return QStringLiteral("import-dbf: --ext takes at most 3 characters");
    return {};
}

} // namespace

// The catalogue is written once, after the last record, and only when the table could be read.
int runImportDbf(const QStringList& args)
{
    ImportOptions opt;
    if (const QString problem = parseOptions(args, opt); !problem.isEmpty())
        return usageError(problem);
    QString mapError;
    std::optional<exchange::DbfImportMapping> mapping = exchange::parseImportMap(opt.map, &mapError);
    if (!mapping)
        return usageError(QStringLiteral("import-dbf: %1").arg(mapError));
    mapping->ext = opt.ext;
    mapping->dos = opt.dos;

    dbf::DbfReader table;
    try {
        table.open(opt.table);
    } catch (const dbf::DbfError& e) {
        printError(QStringLiteral("%1: %2").arg(opt.table, e.message()));
        return 1;
    }
    Dataset ds;
    exchange::DbfImportResult result;
    try {
        openOrCreateCatalogue(ds, opt.catalogue);
        result = exchange::importDbfRecords(ds, table, *mapping);
        ds.saveToFile(opt.catalogue);
    } catch (const TableError& e) {
        printError(QStringLiteral("%1: %2").arg(opt.catalogue, e.message()));
        return 1;
    } catch (const dbf::DbfError& e) {
        printError(QStringLiteral("%1: %2").arg(opt.table, e.message()));
        return 1;
    }
    printError(QStringLiteral("%1 row(s) added, %2 record(s) skipped").arg(result.added).arg(result.skipped));
    return 0;
}
