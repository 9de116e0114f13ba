#include "catalogue/GridLook.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"

#include <QStyleOptionHeader>
#include <QTableView>

namespace folianto::catalogue {

namespace {

int fieldNumber(const QString& name)
{
    const QList<CatalogueField>& fields = catalogueFields();
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].def.name == name)
            return i;
    return -1;
}

QString fieldNameAt(int number)
{
    const QList<CatalogueField>& fields = catalogueFields();
    return number >= 0 && number < fields.size() ? fields[number].def.name : QString();
}

QVariant rowValue(const QModelIndex& index, const QString& field)
{
    return index.sibling(index.row(), fieldNumber(field)).data(Qt::EditRole);
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
    const QStyle::State selected = state & (QStyle::State_Selected | QStyle::State_HasFocus);
    if (selected & QStyle::State_Selected)
        return look;
    const QString column = fieldNameAt(index.column());
    if (column == field::BookName) {
        if (rowValue(index, field::Cur).toString() == mark::OpenBook)
            look.background = colour::OpenBook;
    } else if (column == field::Percent) {
        const int percent = index.data(Qt::EditRole).toInt(); // empty counts as 0
        if (percent >= 100)
            look.text = colour::Finished;
        else if (percent >= 1)
            look.text = colour::Reading;
    } else if (column == field::Size) {
        // `_TestFile` holds a value only for a row whose file was found missing.
        if (fileCheckOn_ && fileCheckOn_() && rowValue(index, field::TestFile).isValid())
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
    if (active == u'd' + field)
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
