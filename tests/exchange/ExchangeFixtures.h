#pragma once
// Catalogue rows made in code for the import and export tests, and the command-line tool.

#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"
#include "support/CatTool.h"
#include "support/CatalogueRows.h"

#include <QVariant>
#include <vector>

namespace folianto::test {

struct BookRow {
    QString title;
    QString author = {};
    QString topic = {};
    QString comment = {};
    QString file = {};
    QVariant size = {};
};

inline void appendBooks(table::Dataset& ds, const std::vector<BookRow>& rows)
{
    namespace field = catalogue::field;
    appendCatalogueRows(ds, rows, [](table::Dataset& row, const BookRow& r) {
        row.setValue(field::BookName, r.title);
        row.setValue(field::Author, r.author);
        row.setValue(field::Topic, r.topic);
        row.setValue(field::Comment, r.comment);
        row.setValue(field::FileName, r.file);
        row.setValue(field::Size, r.size);
    });
}

inline void makeCatalogue(table::Dataset& ds, const std::vector<BookRow>& rows)
{
    newCatalogueTable(ds);
    appendBooks(ds, rows);
}

// Three books (one without a file, one without a size) saved as a catalogue file at `path`.
inline void saveThreeBooks(const QString& path)
{
    table::Dataset ds;
    makeCatalogue(ds, {{"Бесы", "Достоевский", "Роман", "", "besy.txt", 1200},
                       {"Азазель", "Акунин", "Детектив", "", "", {}},
                       {"Война", "Толстой", "Роман", "", "", 7}});
    ds.saveToFile(path);
}

// Each row of the cursor's view as "title|author|topic|comment|file|size".
inline QStringList bookRows(const table::Dataset& ds)
{
    namespace field = catalogue::field;
    QStringList rows;
    const QString* fields[] = {&field::BookName, &field::Author, &field::Topic,
                               &field::Comment,  &field::FileName, &field::Size};
    for (int r = 0; r < ds.recordCount(); ++r) {
        QStringList values;
        for (const QString* f : fields) {
            const QVariant v = ds.valueAt(r, ds.fieldIndex(*f));
            values.append(v.isNull() ? QString() : v.toString());
        }
        rows.append(values.join(u'|'));
    }
    return rows;
}

// The rows of a catalogue file, as bookRows gives them.
inline QStringList bookRowsOfFile(const QString& path)
{
    table::Dataset ds;
    ds.setFieldDefs(catalogue::catalogueFieldDefs());
    ds.setFileName(path);
    ds.open();
    const QStringList rows = bookRows(ds);
    ds.setFileName({});
    return rows;
}

} // namespace folianto::test
