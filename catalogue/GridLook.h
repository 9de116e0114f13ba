#pragma once
// How the catalogue grid `DBG` draws: its cells (`DBGDrawColumnCell`: the open book's title,
// the percentage read, a missing file) and its titles (the sorted column marked by the colour
// of its title). Both read the rows through the grid's model and the sort from the table's
// active index, so they are right after every change without being told.

#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

class QTableView;

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

namespace colour {
inline const QColor Descending{0, 0, 128};      // navy
inline const QColor Ascending{128, 0, 0};       // maroon
inline const QColor OpenBook{0, 255, 255};      // aqua
inline const QColor Finished{255, 0, 0};        // red
inline const QColor Reading{0, 128, 0};         // green
inline const QColor MissingFile{254, 218, 222}; // light pink
} // namespace colour

// The colours of one cell; unset ones keep the grid's.
struct CellLook {
    std::optional<QColor> background;
    std::optional<QColor> text;
};

class GridDelegate : public QStyledItemDelegate {
public:
    // `fileCheckOn`: whether "Автопроверка прямых &ссылок" is checked.
    GridDelegate(std::function<bool()> fileCheckOn, QObject* parent);

    // The marks of a cell drawn in `state`; none for the current cell itself.
    CellLook cellLook(const QModelIndex& index, QStyle::State state) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    std::function<bool()> fileCheckOn_;
};

// The sort a column's title shows.
enum class SortMark { None, Ascending, Descending };

// The mark of the field's title under the table's active index: a one-field index of that
// field, ascending or descending ("d" + field); a field list marks nothing.
SortMark sortMarkOf(const table::Dataset& ds, const QString& field);

class GridHeader : public QHeaderView {
public:
    GridHeader(const table::Dataset& ds, QWidget* parent);

    SortMark sortMark(int logicalIndex) const;
    // The title's colours as drawn: background and text.
    QColor titleBackground(int logicalIndex) const;
    QColor titleTextColor(int logicalIndex) const;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;

private:
    const table::Dataset& ds_;
};

// Gives the grid its header and delegate; the title keeps the look the grid's had.
void installGridLook(QTableView& grid, const table::Dataset& ds, std::function<bool()> fileCheckOn);

} // namespace folianto::catalogue
