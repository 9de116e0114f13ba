#include "exchange/ExportFormats.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfWriter.h"
#include "engines/table/AtomicFile.h"
#include "engines/table/Dataset.h"

#include <array>

namespace folianto::exchange {

namespace {

namespace field = catalogue::field;

// The exported columns after the row number, in their order.
const std::array<const QString*, 6> kColumns = {&field::BookName, &field::Author, &field::Topic,
                                                &field::Comment, &field::FileName, &field::Size};

std::array<int, 6> columnFields(const table::Dataset& view)
{
    std::array<int, 6> fields{};
    for (size_t i = 0; i < kColumns.size(); ++i)
        fields[i] = view.fieldIndex(*kColumns[i]);
    return fields;
}

QString cellText(const QVariant& v)
{
    if (v.isNull())
        return {};
    return v.typeId() == QMetaType::QString ? v.toString() : QString::number(v.toLongLong());
}

// Calls `line(viewRow, cells)` for each row of the view, in order.
template <typename Line>
void forEachRow(const table::Dataset& view, const Progress& progress, Line line)
{
    const std::array<int, 6> fields = columnFields(view);
    const int rows = view.recordCount();
    ProgressSteps steps(progress, rows);
    std::array<QVariant, 6> cells;
    for (int r = 0; r < rows; ++r) {
        for (size_t i = 0; i < fields.size(); ++i)
            cells[i] = view.valueAt(r, fields[i]);
        line(r, cells);
        steps.advance();
    }
}

void appendCsvCell(QString& out, const QString& cell)
{
    if (!cell.contains(u',') && !cell.contains(u'"') && !cell.contains(u'\r') && !cell.contains(u'\n')) {
        out += cell;
        return;
    }
    out += u'"';
    out += QString(cell).replace(u'"', QStringLiteral("\"\""));
    out += u'"';
}

// Appends one line a row: its number, then each cell after `delimiter`, written by `cell`.
template <typename AppendCell>
void appendLines(QString& text, const table::Dataset& view, QChar delimiter, const Progress& progress, AppendCell cell)
{
    forEachRow(view, progress, [&](int r, const std::array<QVariant, 6>& cells) {
        text += QString::number(r + 1);
        for (const QVariant& v : cells) {
            text += delimiter;
            cell(text, cellText(v));
        }
        text += QLatin1String("\r\n");
    });
}

} // namespace

QByteArray delimitedText(const table::Dataset& view, QChar delimiter, const Progress& progress)
{
    QString text;
    appendLines(text, view, delimiter, progress, [](QString& out, const QString& cell) { out += cell; });
    return codepage::toCp1251(text);
}

QByteArray csvUtf8(const table::Dataset& view, const Progress& progress)
{
    QString text = QStringLiteral("\uFEFF№,Книга,Автор,Тема,Комментарий,Файл,Размер\r\n");
    appendLines(text, view, u',', progress, appendCsvCell);
    return text.toUtf8();
}

QStringList dbfExportFields()
{
    return {QStringLiteral("BookName;C;70;0"), QStringLiteral("Author;C;70;0"), QStringLiteral("Topic;C;70;0"),
            QStringLiteral("Comment;C;200;0"), QStringLiteral("FileName;C;200;0"), QStringLiteral("Size;N;15;0")};
}

dbf::DbfWriter dbfTable(const table::Dataset& view, const QDateTime& when, const Progress& progress)
{
    dbf::DbfWriter table(dbfExportFields(), when);
    table.setTranslate(true);
    table.reserve(view.recordCount());
    const int sizeField = int(kColumns.size()) - 1;
    forEachRow(view, progress, [&](int, const std::array<QVariant, 6>& cells) {
        table.append();
        for (int i = 0; i < sizeField; ++i)
            table.setText(i, cellText(cells[size_t(i)]));
        table.setNumber(sizeField, cells[size_t(sizeField)].isNull() ? 0.0 : cells[size_t(sizeField)].toDouble());
        table.post();
    });
    return table;
}

void writeDelimitedText(const table::Dataset& view, const QString& path, QChar delimiter, const Progress& progress)
{
    table::writeFileAtomically(path, delimitedText(view, delimiter, progress));
}

void writeCsvUtf8(const table::Dataset& view, const QString& path, const Progress& progress)
{
    table::writeFileAtomically(path, csvUtf8(view, progress));
}

QString writeDbfTable(const table::Dataset& view, const QString& path, const QDateTime& when, const Progress& progress)
{
    return dbfTable(view, when, progress).save(path);
}

void writeCatalogueCopy(const table::Dataset& view, const QString& path, const Progress& progress)
{
    if (!view.filtered()) {
        view.saveToFile(path);
        return;
    }
    table::Dataset copy;
    copy.setFieldDefs(view.fieldDefs());
    copy.createEmpty();
    QList<int> stored;
    for (int f = 0; f < view.fieldCount(); ++f)
        if (!view.fieldDef(f).calculated)
            stored.append(f);
    const int rows = view.recordCount();
    ProgressSteps steps(progress, rows);
    for (int r = 0; r < rows; ++r) {
        copy.append();
        for (int f : stored)
            copy.setValue(f, view.valueAt(r, f));
        copy.post();
        steps.advance();
    }
    copy.saveToFile(path);
}

} // namespace folianto::exchange
