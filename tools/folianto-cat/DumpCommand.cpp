#include "Commands.h"
#include "Console.h"
#include "OutBuffer.h"
#include "CatalogueView.h"
#include "engines/table/Dataset.h"

#include <vector>

using folianto::table::CellView;
using folianto::table::Dataset;
using folianto::table::FieldType;

namespace {

// The header line and the rows of the view, tab-separated, through one buffer.
void writeRows(const Dataset& ds, OutBuffer& out)
{
    std::vector<int> fields;
    for (int f = 0; f < ds.fieldCount(); ++f)
        if (!ds.fieldDef(f).calculated)
            fields.push_back(f);
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.put('\t');
        out.escaped(ds.fieldDef(fields[i]).name);
    }
    out.put('\n');
    std::vector<CellView> cells;
    for (int r = 0; r < ds.recordCount(); ++r) {
        ds.cellsAt(r, cells);
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out.put('\t');
            const CellView& cell = cells[size_t(fields[i])];
            if (cell.isNull)
                continue;
            switch (ds.fieldDef(fields[i]).type) {
            case FieldType::Date:
                out.date(cell.number);
                break;
            case FieldType::Int16:
            case FieldType::Int32:
                out.number(cell.number);
                break;
            case FieldType::Boolean:
                out.escaped(cell.number != 0 ? u"True" : u"False");
                break;
            default:
                out.escaped(cell.text);
            }
        }
        out.put('\n');
    }
}

} // namespace

int runDump(const QStringList& args)
{
    CatalogueViewOptions opt;
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
    if (!openCatalogueView(ds, opt))
        return 1;
    OutBuffer out(stdout);
    writeRows(ds, out);
    return 0;
}
