// UpdateViewState, the routine every command ends with, and the window's own commands.

#include "app/PropertiesPanel.h"
#include "app/TFormBook.h"
#include "catalogue/Catalogue.h"

#include <QStackedWidget>

namespace folianto::app {

ViewStateInput TFormBook::viewStateInput() const
{
    const auto& ds = catalogue_->Ds();
    ViewStateInput in;
    in.catalogueOpen = catalogue_->isOpen();
    in.rowCount = in.catalogueOpen ? ds.recordCount() : 0;
    in.hasCurrentRow = in.catalogueOpen && ds.hasCurrentRow();
    in.bookOpen = bookOpen();
    in.catalogueShown = catalogueShown_;
    in.filterChecked = menus_.action(QStringLiteral("mpFilter"))->isChecked();
    in.groupFilterChecked = menus_.action(QStringLiteral("mpFiltGroup"))->isChecked();
    in.filterListEntries = int(settings_.filterConditions.size());
    in.sortListEntries = int(settings_.sortFields.size());
    return in;
}

void TFormBook::UpdateViewState()
{
    if (!catalogue_->isOpen())
        setWindowTitle({});
    // Without an open book (or with it behind the catalogue) the catalogue view is in front.
    try {
        const bool reading = bookOpen() && !catalogueShown_;
        menus_.action(QStringLiteral("mBook"))->setEnabled(reading);
        if (!reading)
            bringCatalogueToFront();
    } catch (const std::exception&) {
    }
    const ViewStateInput in = viewStateInput();
    for (const ViewStateRule& rule : viewStateRules()) {
        const bool on = ruleHolds(rule.rule, in);
        for (const QString& name : rule.controls)
            command(name)->setEnabled(on);
    }
    panGrid_->setEnabled(propertiesPanelEnabled(in));
}

void TFormBook::mViewLibraryClick()
{
    bringCatalogueToFront();
    focusGrid();
    catalogueShown_ = true;
    menus_.action(QStringLiteral("mBook"))->setEnabled(false);
    menus_.action(QStringLiteral("mFile"))->setEnabled(true);
    UpdateViewState();
}

void TFormBook::mExitClick()
{
    close();
}

} // namespace folianto::app
