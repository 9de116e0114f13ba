// The commands of the book card and of the rows beside it, bound to their menu items.

#include "app/TFormBook.h"
#include "catalogue/BookCardRowCommands.h"
#include "catalogue/CatalogueRecord.h"

#include <QMenu>
#include <QTableView>

namespace folianto::app {

namespace {

// The field of the grid's selected column, or empty.
QString selectedColumnField(const QTableView& grid, const table::Dataset& ds)
{
    const int column = grid.currentIndex().column();
    if (!ds.isActive() || column < 0 || column >= ds.fieldCount())
        return {};
    return ds.fieldDef(column).name;
}

} // namespace

void TFormBook::connectCardCommands()
{
    bindCommands({"mNew", "mpNew", "TlBtNew", "mEdit", "mpEdit", "mpEditBook", "TlBtEdit"},
                 [this](QAction* item) { mNewClick(item); });
    bindCommands({"mDelete", "mpDelete", "TlBtDel"}, [this](QAction*) { mDeleteClick(); });
    bindCommands({"mpClone"}, [this](QAction*) { mpCloneClick(); });
    bindCommands({"mpDef"}, [this](QAction*) { mpDefClick(); });
    // "Установить по умолчани&ю" is offered only on the author and topic columns.
    connect(pm_, &QMenu::aboutToShow, this, [this] {
        const QString f = selectedColumnField(*dbg_, catalogue_->Ds());
        command(QStringLiteral("mpDef"))->setVisible(f == catalogue::field::Author || f == catalogue::field::Topic);
    });
}

void TFormBook::mNewClick(const QAction* item)
{
    ShowBookCard(MenuSet::tag(item) == 1);
}

void TFormBook::mDeleteClick()
{
    runCommand([this] { catalogue::DeleteCurrentRow(*catalogue_, *this); });
    UpdateViewState();
}

void TFormBook::mpCloneClick()
{
    catalogue::DuplicateCurrentRow(*catalogue_, *this);
}

void TFormBook::mpDefClick()
{
    const table::Dataset& ds = catalogue_->Ds();
    if (!catalogue_->isOpen() || !ds.hasCurrentRow())
        return;
    const QString f = selectedColumnField(*dbg_, ds);
    if (f == catalogue::field::Topic)
        settings_.defaultTopic = ds.asString(f);
    else if (f == catalogue::field::Author)
        settings_.defaultAuthor = ds.asString(f);
}

} // namespace folianto::app
