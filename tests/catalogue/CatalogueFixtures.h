#pragma once
// Catalogue files made in code for the tests: rows given as title plus optional mark and link.

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "support/CatalogueRows.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedInteraction.h"
#include "engines/table/Dataset.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace folianto::test {

struct FixtureRow {
    QString title;
    QString mark = {};     // `_Cur`
    QString fileName = {}; // `_FileName`
};

// Writes a catalogue file with these rows, in this order.
inline void writeCatalogue(const QString& path, const std::vector<FixtureRow>& rows)
{
    table::Dataset ds;
    newCatalogueTable(ds);
    appendCatalogueRows(ds, rows, [](table::Dataset& row, const FixtureRow& r) {
        row.setValue(catalogue::field::BookName, r.title);
        row.setValue(catalogue::field::Cur, r.mark);
        row.setValue(catalogue::field::FileName, r.fileName);
    });
    ds.saveToFile(path);
}

// One text per row of a catalogue file, in storage order.
inline QStringList readRows(const QString& path, const std::function<QString(const table::Dataset&)>& text)
{
    table::Dataset ds;
    ds.setFieldDefs(catalogue::catalogueFieldDefs());
    ds.setFileName(path);
    ds.open();
    QStringList rows;
    for (ds.first(); !ds.eof(); ds.next())
        rows.append(text(ds));
    ds.setFileName({});
    ds.close();
    return rows;
}

// The rows of a catalogue file in storage order: title and mark.
inline QStringList readTitlesAndMarks(const QString& path)
{
    return readRows(path, [](const table::Dataset& ds) -> QString {
        return ds.asString(catalogue::field::BookName) + u'|' + ds.asString(catalogue::field::Cur);
    });
}

// The marks `_Cur` of every row the cursor's table holds, without moving a test's cursor.
inline QStringList marksOf(const table::Dataset& ds)
{
    auto other = ds.clone();
    QStringList marks;
    for (other->first(); !other->eof(); other->next())
        if (!other->asString(catalogue::field::Cur).isEmpty())
            marks.append(other->asString(catalogue::field::BookName) + u'=' + other->asString(catalogue::field::Cur));
    return marks;
}

// Error boxes carry the system's reason, so their texts are collected rather than scripted;
// every other prompt is scripted as usual.
class ErrorCollector : public ScriptedInteraction {
public:
    void message(const QString& text, MessageKind kind) override
    {
        if (kind == MessageKind::Error && text != catalogue::Catalogue::accessErrorText())
            errors.append(text);
        else
            ScriptedInteraction::message(text, kind);
    }
    QStringList errors;
};

} // namespace folianto::test
