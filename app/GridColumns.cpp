#include "app/GridColumns.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/table/DatasetModel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace folianto::app {

using catalogue::CatalogueField;
using catalogue::catalogueFields;

QList<settings::GridColumn> defaultGridColumns(const QFontMetrics& metrics)
{
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    QList<settings::GridColumn> columns;
    for (const CatalogueField& f : catalogueFields()) {
        if (!f.shownInGrid)
            continue;
        settings::GridColumn c;
        c.field = f.def.name;
        c.title = f.title;
        // At least as wide as the title, and a date column as wide as a whole date.
        c.width = std::max(f.displayWidth * charWidth + 4, metrics.horizontalAdvance(f.title) + 12);
        if (f.def.type == table::FieldType::Date)
            c.width = std::max(c.width, metrics.horizontalAdvance(QStringLiteral("00.00.0000")) + 12);
        columns.append(c);
    }
    return columns;
}

namespace {

// A column's look as the model serves it. A font without a name and the default title colour
// leave the grid's own.
table::ColumnLook columnLook(const settings::GridColumn& c)
{
    table::ColumnLook look;
    if (!c.font.name.isEmpty()) {
        look.font = c.font.toQFont();
        look.color = c.font.color.toQColor();
    }
    if (!c.titleFont.name.isEmpty()) {
        look.titleFont = c.titleFont.toQFont();
        look.titleColor = c.titleFont.color.toQColor();
    }
    if (c.titleColor != settings::GridColumn{}.titleColor)
        look.titleBackground = c.titleColor.toQColor();
    return look;
}

} // namespace

void applyGridColumns(QTableView& grid, table::DatasetModel& model,
                      const QList<settings::GridColumn>& requested)
{
    const QList<settings::GridColumn> columns =
        requested.isEmpty() ? defaultGridColumns(grid.fontMetrics()) : requested;
    const QList<CatalogueField>& fields = catalogueFields();
    QStringList titles = catalogue::catalogueColumnTitles();
    QList<table::ColumnLook> looks(fields.size());
    QHeaderView* header = grid.horizontalHeader();
    for (int i = 0; i < fields.size(); ++i)
        grid.setColumnHidden(i, true);
    int visual = 0;
    for (const settings::GridColumn& c : columns) {
        const auto it = std::find_if(fields.begin(), fields.end(),
                                     [&](const CatalogueField& f) { return f.def.name == c.field; });
        if (it == fields.end() || it->def.calculated)
            continue;
        const int logical = int(it - fields.begin());
        titles[logical] = c.title;
        looks[logical] = columnLook(c);
        grid.setColumnHidden(logical, !c.visible);
        grid.setColumnWidth(logical, c.width);
        const int from = header->visualIndex(logical);
        if (from >= 0 && from != visual)
            header->moveSection(from, visual);
        ++visual;
    }
    model.setHeaderTitles(titles);
    model.setColumnLooks(looks);
}

QList<settings::GridColumn> currentGridColumns(const QTableView& grid, const table::DatasetModel& model,
                                               const QList<settings::GridColumn>& kept)
{
    QList<settings::GridColumn> columns;
    const QHeaderView* header = grid.horizontalHeader();
    const QList<CatalogueField>& fields = catalogueFields();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical < 0 || logical >= fields.size())
            continue;
        const QString& name = fields[logical].def.name;
        const auto before = std::find_if(kept.begin(), kept.end(),
                                         [&](const settings::GridColumn& k) { return k.field == name; });
        const bool hidden = header->isSectionHidden(logical);
        if (hidden && (before == kept.end() || before->visible))
            continue; // a field the column set does not show
        settings::GridColumn c = before != kept.end() ? *before : settings::GridColumn{};
        c.field = name;
        c.title = model.headerData(logical, Qt::Horizontal).toString();
        c.visible = !hidden;
        if (!hidden)
            c.width = header->sectionSize(logical);
        columns.append(c);
    }
    return columns;
}

} // namespace folianto::app
