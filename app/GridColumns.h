#pragma once
// The columns of the catalogue grid `DBG`: the default set (one per field shown in the grid,
// in field order, with its title and display width) and applying a column set to the view.

#include "app/settings/ProgramSettings.h"

#include <QList>

class QFontMetrics;
class QTableView;

namespace folianto::table {
class DatasetModel;
}

namespace folianto::app {

// Display widths are in characters of the grid's font.
QList<settings::GridColumn> defaultGridColumns(const QFontMetrics& metrics);

// Shows the listed fields in their order with their titles, widths, title colours and fonts
// (through the model's roles) and hides every other field. Columns naming no catalogue field are skipped. An empty list gives the default set.
void applyGridColumns(QTableView& grid, table::DatasetModel& model,
                      const QList<settings::GridColumn>& columns);

// The columns the grid shows now, in display order (empty while it has none). What the header
// does not hold (title colours and fonts, columns kept hidden) is carried over from `kept`.
QList<settings::GridColumn> currentGridColumns(const QTableView& grid, const table::DatasetModel& model,
                                               const QList<settings::GridColumn>& kept);

} // namespace folianto::app
