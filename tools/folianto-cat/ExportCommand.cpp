#include "Commands.h"
#include "Console.h"
#include "CatalogueView.h"
#include "engines/dbf/DbfError.h"
#include "engines/table/Dataset.h"
#include "exchange/CatalogueExport.h"

#include <QDateTime>

using folianto::table::Dataset;
using folianto::table::TableError;
namespace exchange = folianto::exchange;

namespace {

struct ExportOptions {
    QString catalogue;
    QString to;
    QString out;
    QString filter;
    QString sort;
    QString delimiter = QStringLiteral("t");
};

// Fills the options; an empty text when they are complete, otherwise what is wrong.
QString parseOptions(const QStringList& args, ExportOptions& opt)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString* value = a == u"--to" ? &opt.to
            : a == u"--filter"        ? &opt.filter
            : a == u"--sort"          ? &opt.sort
            : a == u"--delimiter"     ? &opt.delimiter
                                      : nullptr;
        if (value && i + 1 < args.size())
            *value = args[++i];
        else if (a.startsWith(u"--"))
            return QStringLiteral("export: unexpected argument %1").arg(a);
        else if (opt.catalogue.isEmpty())
            opt.catalogue = a;
        else if (opt.out.isEmpty())
            opt.out = a;
        else
            return QStringLiteral("export: unexpected argument %1").arg(a);
    }
    if (opt.catalogue.isEmpty() || opt.out.isEmpty() || opt.to.isEmpty())
        return QStringLiteral("export needs CATALOGUE, --to TYPE and OUT");
    return {};
}

} // namespace

int runExport(const QStringList& args)
{
    ExportOptions opt;
    if (const QString problem = parseOptions(args, opt); !problem.isEmpty())
        return usageError(problem);
    const std::optional<exchange::ExportType> type = exchange::exportTypeNamed(opt.to);
    if (!type)
        return usageError(QStringLiteral("export: unknown type %1 (text, csv, dbf, bon or zip)").arg(opt.to));
    const std::optional<QChar> delimiter = exchange::delimiterFromAnswer(opt.delimiter);
    if (!delimiter)
        return usageError(QStringLiteral("export: empty delimiter"));

    Dataset ds;
    if (!openCatalogueView(ds, {opt.catalogue, opt.sort, opt.filter}))
        return 1;
    exchange::ExportRequest request;
    request.type = *type;
    request.target = opt.out;
    request.catalogueFile = opt.catalogue;
    request.delimiter = *delimiter;
    request.when = QDateTime::currentDateTime();
    try {
        if (!exchange::runExport(ds, request)) {
            printError(QStringLiteral("%1: the catalogue could not be packed into the archive").arg(opt.out));
            return 1;
        }
    } catch (const TableError& e) {
        printError(QStringLiteral("%1: %2").arg(opt.out, e.message()));
        return 1;
    } catch (const folianto::dbf::DbfError& e) {
        printError(QStringLiteral("%1: %2").arg(opt.out, e.message()));
        return 1;
    }
    if (*type == exchange::ExportType::Zip)
        printError(QStringLiteral("%1 packed into %2").arg(opt.catalogue, opt.out));
    else
        printError(QStringLiteral("%1 row(s) exported").arg(ds.recordCount()));
    return 0;
}
