#include "catalogue/GridLook.h"

#include "catalogue/CatalogueRecord.h"
#include "catalogue/RememberedSort.h"
#include "engines/table/Dataset.h"

#include <QStyleOptionHeader>
#include <QTableView>

namespace folianto::catalogue {

namespace {

QString fieldNameAt(int number)
{
    const QList<CatalogueField>& fields = catalogueFields();
    return number >= 0 && number < fields.size() ? fields[number].def.name : QString();
}

// The grid's columns are the catalogue's fields in order; the ones a cell's look depends on are
// found once rather than on every paint.
struct MarkedColumns {
    int bookName = catalogueFieldNumber(field::BookName);
    int cur = catalogueFieldNumber(field::Cur);
    int percent = catalogueFieldNumber(field::Percent);
    int size = catalogueFieldNumber(field::Size);
    int testFile = catalogueFieldNumber(field::TestFile);
};

const MarkedColumns& markedColumns()
{
    static const MarkedColumns columns;
    return columns;
}

QVariant rowValue(const QModelIndex& index, int column)
{
    return index.sibling(index.row(), column).data(Qt::EditRole);
}

} // namespace

GridDelegate::GridDelegate(std::function<bool()> fileCheckOn, QObject* parent)
    : QStyledItemDelegate(parent), fileCheckOn_(std::move(fileCheckOn))
{
}

CellLook GridDelegate::cellLook(const QModelIndex& index, QStyle::State state) const
{
    CellLook look;
    // The current cell keeps the normal highlight.
    if (state & QStyle::State_Selected)
        return look;
    const MarkedColumns& columns = markedColumns();
    const int column = index.column();
    if (column == columns.bookName) {
        if (rowValue(index, columns.cur).toString() == mark::OpenBook)
            look.background = colour::OpenBook;
    } else if (column == columns.percent) {
        const int percent = index.data(Qt::EditRole).toInt(); // empty counts as 0
        if (percent >= 100)
            look.text = colour::Finished;
        else if (percent >= 1)
            look.text = colour::Reading;
    } else if (column == columns.size) {
        // `_TestFile` holds a value only for a row whose file was found missing.
        if (fileCheckOn_ && fileCheckOn_() && rowValue(index, columns.testFile).isValid())
            look.background = colour::MissingFile;
    }
    return look;
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QList<CatalogueField>& fields = catalogueFields();
    if (index.column() >= 0 && index.column() < fields.size() && fields[index.column()].centred)
        option->displayAlignment = Qt::AlignCenter;
    const CellLook look = cellLook(index, option->state);
    if (look.background)
        option->backgroundBrush = *look.background;
    if (look.text)
        option->palette.setColor(QPalette::Text, *look.text);
}

SortMark sortMarkOf(const table::Dataset& ds, const QString& field)
{
    if (!ds.isActive() || field.isEmpty())
        return SortMark::None;
    const QString active = ds.indexName();
    if (active == field)
        return SortMark::Ascending;
    if (active == sortIndexName(field, true))
        return SortMark::Descending;
    return SortMark::None;
}

GridHeader::GridHeader(const table::Dataset& ds, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), ds_(ds)
{
    setSectionsClickable(true);
}

SortMark GridHeader::sortMark(int logicalIndex) const
{
    return sortMarkOf(ds_, fieldNameAt(logicalIndex));
}

QColor GridHeader::titleBackground(int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    return option.palette.color(QPalette::Button);
}

QColor GridHeader::titleTextColor(int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    return option.palette.color(QPalette::ButtonText);
}

void GridHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    const SortMark mark = sortMark(logicalIndex);
    if (mark == SortMark::None)
        return;
    const QColor background = palette().color(QPalette::ToolTipBase);
    option->palette.setColor(QPalette::Button, background);
    option->palette.setColor(QPalette::Window, background);
    option->palette.setColor(QPalette::ButtonText, mark == SortMark::Descending ? colour::Descending : colour::Ascending);
}

void installGridLook(QTableView& grid, const table::Dataset& ds, std::function<bool()> fileCheckOn)
{
    auto* header = new GridHeader(ds, &grid);
    header->setFont(grid.horizontalHeader()->font());
    grid.setHorizontalHeader(header);
    grid.setItemDelegate(new GridDelegate(std::move(fileCheckOn), &grid));
}

} // namespace folianto::catalogue
