#include "CatalogueFile.h"
#include "Commands.h"
#include "Console.h"
#include "InputLines.h"
#include "TabText.h"
#include "engines/table/Dataset.h"

#include <cstdio>

using folianto::table::Dataset;
using folianto::table::TableError;

namespace {

// Field numbers named by the header line; throws TableError for an unknown or repeated name.
QList<int> headerFields(const Dataset& ds, const std::vector<QStringView>& names)
{
    QList<int> fields;
    for (const QStringView view : names) {
        const QString name = view.toString();
        const int f = ds.findField(name);
        if (f < 0 || ds.fieldDef(f).calculated)
            throw TableError(QStringLiteral("unknown field %1").arg(name));
        if (fields.contains(f))
            throw TableError(QStringLiteral("field %1 named twice").arg(name));
        fields.append(f);
    }
    return fields;
}

// Appends one row; throws TableError, leaving no row behind, when a value does not fit.
void appendRow(Dataset& ds, const QList<int>& fields, const std::vector<QStringView>& values)
{
    if (qsizetype(values.size()) != fields.size())
        throw TableError(QStringLiteral("%1 values where the header names %2").arg(values.size()).arg(fields.size()));
    ds.append();
    try {
        for (qsizetype i = 0; i < fields.size(); ++i)
            ds.setText(fields[i], values[size_t(i)]);
        ds.post();
    } catch (...) {
        ds.cancel();
        throw;
    }
}

} // namespace

// Rows from standard input (a header line of field names, then one tab-separated line per
// row) are appended; any bad line is reported with its number and nothing is written.
int runLoad(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("load needs exactly one FILE"));
    const QString file = args[0];
    Dataset ds;
    if (!openCatalogueForCommand(ds, file))
        return 1;

    InputLines in(stdin);
    QString line;
    std::vector<QStringView> values;
    QList<int> fields;
    bool haveHeader = false;
    int bad = 0;
    int added = 0;
    for (int lineNo = 1; in.next(line); ++lineNo) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        try {
            if (!splitLineInPlace(line, values))
                throw TableError(QStringLiteral("bad escape"));
            if (!haveHeader) {
                fields = headerFields(ds, values);
                haveHeader = true;
            } else {
                appendRow(ds, fields, values);
                ++added;
            }
        } catch (const TableError& e) {
            printError(QStringLiteral("line %1: %2").arg(lineNo).arg(e.message()));
            ++bad;
            if (!haveHeader)
                break;
        }
    }
    if (!haveHeader && bad == 0) {
        printError(QStringLiteral("no header line"));
        return 1;
    }
    if (bad > 0) {
        printError(QStringLiteral("%1 bad line(s); nothing written").arg(bad));
        return 1;
    }
    return saveCatalogueForCommand(ds, file, added);
}
