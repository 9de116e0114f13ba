#include "catalogue/FilterCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/CatalogueViewHost.h"
#include "catalogue/FilterForms.h"
#include "catalogue/WaitCursor.h"
#include "engines/table/ValueConvert.h"
#include "util/Interaction.h"

#include <QAction>
#include <QTableView>

namespace folianto::catalogue {

void returnTo(table::Dataset& ds, const table::Bookmark& row)
{
    if (!row.isValid())
        return;
    try {
        ds.gotoBookmark(row);
    } catch (const std::exception&) {
    }
}

namespace {
const QString kFilter = QStringLiteral("&Фильтр");

// Gives the table its filter, switched on or off; throws when the engine cannot read it.
void setFilter(table::Dataset& ds, const QString& text, bool on)
{
    if (on) {
        ds.setFilterText(text);
        ds.setFiltered(true);
    } else {
        ds.setFiltered(false);
        ds.setFilterText(text);
    }
}
} // namespace

QString columnTitleOf(const QString& field)
{
    const CatalogueField* f = catalogueField(field);
    return f && !f->title.isEmpty() ? f->title : field;
}

QString FilterCommands::notFoundMessage() { return QStringLiteral("Запись не найдена!"); }
QString FilterCommands::badFilterMessage() { return QStringLiteral("Фильтр некорректный!"); }
QString FilterCommands::findCaption(const QString& title) { return QStringLiteral("Поиск по полю ") + title; }
QString FilterCommands::findPrompt() { return QStringLiteral("Введите образец поиска:"); }
QString FilterCommands::emptyShown() { return QStringLiteral("пусто"); }
QString FilterCommands::filterCaption(const QString& title, const QString& shown)
{
    return kFilter + u':' + title + u'=' + shown;
}

FilterCommands::FilterCommands(Catalogue& catalogue, QTableView& grid, FilterItems items, CatalogueViewHost& host)
    : catalogue_(catalogue), grid_(grid), items_(items), host_(host)
{
}

QString selectedFieldOf(const QTableView& grid, const table::Dataset& ds)
{
    const int column = grid.currentIndex().column();
    if (column < 0 || column >= ds.fieldCount())
        return field::BookName;
    return ds.fieldDef(column).name;
}

QString FilterCommands::selectedField() const
{
    return selectedFieldOf(grid_, catalogue_.Ds());
}

void FilterCommands::mpFindClick()
{
    util::runCommand([this] {
        if (!catalogue_.finishEditOnRow())
            return;
        table::Dataset& ds = catalogue_.Ds();
        const QString name = selectedField();
        const table::FieldDef& def = ds.fieldDef(ds.fieldIndex(name));
        const std::optional<QString> pattern =
            util::interaction().inputText(findCaption(columnTitleOf(name)), findPrompt(), ds.asString(name));
        if (!pattern || pattern->isEmpty())
            return;
        bool found = false;
        if (isTextField(def.type)) {
            found = ds.locate(name, *pattern, {true, ds.caseInsensitive()});
        } else {
            // A date or a number is looked for as a value of its type; a pattern that is not
            // one reaches the error box.
            found = ds.locate(name, table::toFieldValue(def, *pattern));
        }
        if (!found)
            util::interaction().message(notFoundMessage());
    });
    host_.UpdateViewState();
}

void FilterCommands::showOneValueFilter(bool on, const QString& caption)
{
    for (QAction* item : {&items_.mpFilter, &items_.mFilter}) {
        item->setChecked(on);
        item->setText(caption);
    }
}

void FilterCommands::mpFilterClick(QAction* item)
{
    table::Dataset& ds = catalogue_.Ds();
    const bool group = item->property("tag").toInt() == 1;
    // The item clicked has its new check already; the others are as they were.
    bool oneOn = group ? items_.mpFilter.isChecked() : !item->isChecked();
    bool groupOn = group ? !item->isChecked() : items_.mpFiltGroup.isChecked();
    util::runCommand([&] { catalogue_.finishPendingEdit(); });
    const bool hasRow = catalogue_.isOpen() && ds.hasCurrentRow();
    if (!hasRow && !oneOn && !groupOn && !ds.filtered()) {
        item->setChecked(!item->isChecked());
        return;
    }
    const table::Bookmark row = hasRow ? ds.bookmark() : table::Bookmark{};
    if (group) {
        oneOn = false;
        groupOn = !groupOn;
    } else {
        groupOn = false;
        oneOn = !oneOn && hasRow; // a cell filter needs a current cell
    }
    QString caption = kFilter;
    if ((oneOn || groupOn) && host_.bookOpen())
        host_.closeOpenBook();
    QString text;
    if (oneOn) {
        const QString name = selectedField();
        const QString value = ds.asString(name);
        text = cellFilter(name, value);
        caption = filterCaption(columnTitleOf(name), value.isEmpty() ? emptyShown() : value);
    } else if (groupOn) {
        text = composedFilter(host_.filterConditions());
    }
    {
        WaitCursor wait;
        try {
            setFilter(ds, text, oneOn || groupOn);
        } catch (const std::exception&) {
            caption = kFilter;
            oneOn = groupOn = false;
            try {
                setFilter(ds, {}, false);
            } catch (const std::exception&) {
            }
            util::interaction().message(badFilterMessage(), util::MessageKind::Warning);
        }
        returnTo(ds, row);
    }
    showOneValueFilter(oneOn, caption);
    items_.mpFiltGroup.setChecked(groupOn);
    host_.UpdateViewState();
}

void FilterCommands::applyTopicFilter(const QString& topic, bool down)
{
    table::Dataset& ds = catalogue_.Ds();
    const table::Bookmark row = ds.hasCurrentRow() ? ds.bookmark() : table::Bookmark{};
    if (down && host_.bookOpen())
        host_.closeOpenBook();
    setFilter(ds, topicFilter(topic), down);
    if (!down)
        returnTo(ds, row);
    showOneValueFilter(down, down ? filterCaption(columnTitleOf(field::Topic), topic) : kFilter);
    if (down)
        items_.mpFiltGroup.setChecked(false);
    host_.UpdateViewState();
}

} // namespace folianto::catalogue
