#include "Commands.h"
#include "Console.h"
#include "SortOption.h"
#include "TabText.h"
#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"
#include "engines/table/ValueConvert.h"

using folianto::table::Dataset;
using folianto::table::TableError;

namespace {

struct DumpOptions {
    QString file;
    QString filter;
    QString sort;
    bool noCase = false;
};

QString headerLine(const Dataset& ds)
{
    QStringList names;
    for (const auto& def : ds.fieldDefs())
        if (!def.calculated)
            names.append(def.name);
    return names.join(u'\t') + u'\n';
}

QString rowLine(const Dataset& ds, int viewRow)
{
    QString line;
    bool firstField = true;
    for (int f = 0; f < ds.fieldCount(); ++f) {
        if (ds.fieldDef(f).calculated)
            continue;
        if (!firstField)
            line += u'\t';
        firstField = false;
        line += escapeField(folianto::table::valueText(ds.valueAt(viewRow, f)));
    }
    return line + u'\n';
}

} // namespace

int runDump(const QStringList& args)
{
    DumpOptions opt;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == u"--filter" || a == u"--sort") && i + 1 < args.size())
            (a == u"--filter" ? opt.filter : opt.sort) = args[++i];
        else if (a == u"--nocase")
            opt.noCase = true;
        else if (!a.startsWith(u"--") && opt.file.isEmpty())
            opt.file = a;
        else
            return usageError(QStringLiteral("dump: unexpected argument %1").arg(a));
    }
    if (opt.file.isEmpty())
        return usageError(QStringLiteral("dump needs a FILE"));

    Dataset ds;
    ds.setFieldDefs(folianto::catalogue::catalogueFieldDefs());
    ds.setFileName(opt.file);
    try {
        ds.open();
        applySort(ds, opt.sort);
        ds.setCaseInsensitive(opt.noCase);
        if (!opt.filter.isEmpty()) {
            ds.setFilterText(opt.filter);
            ds.setFiltered(true);
        }
    } catch (const TableError& e) {
        printError(QStringLiteral("%1: %2").arg(opt.file, e.message()));
        return 1;
    }
    QString out = headerLine(ds);
    for (int r = 0; r < ds.recordCount(); ++r) {
        out += rowLine(ds, r);
        if (out.size() > (1 << 16)) {
            printOut(out);
            out.clear();
        }
    }
    printOut(out);
    return 0;
}
