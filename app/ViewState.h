#pragma once
// Which commands are usable, from the state of the catalogue and the reader: the rules that
// UpdateViewState applies to the menus, the popups and the toolbar buttons.

#include <QList>
#include <QStringList>

namespace folianto::app {

struct ViewStateInput {
    bool catalogueOpen = false;
    int rowCount = 0;           // rows the catalogue shows, after any filter
    bool hasCurrentRow = false;
    bool bookOpen = false;      // `BookOpen`
    bool catalogueShown = true; // `CatalogueShown`
    bool filterChecked = false;      // the grid popup's "&Фильтр" (a filter is on)
    bool groupFilterChecked = false; // "&Фильтр" under "Рас&ширенные операции"
    int filterListEntries = 0;  // `FStrFilt`
    int sortListEntries = 0;    // `FStrSort`

    bool listing() const { return catalogueOpen && catalogueShown; }
    bool hasRows() const { return listing() && rowCount > 0; }
};

enum class ViewRule {
    CatalogueShown,
    Listing,
    ListingWithCurrentRow,
    CatalogueOpen,
    HasRows,
    Filter,       // HasRows, or a filter is on
    GroupFilter,  // it is checked, or HasRows and the condition list has entries
    GroupSort,    // HasRows and the sort list has entries
    BookOpen,
    NotBookOpen,
};

struct ViewStateRule {
    ViewRule rule;
    QStringList controls; // object names of actions (menu items, submenus, tool buttons)
};

bool ruleHolds(ViewRule rule, const ViewStateInput& in);
// Every control the routine enables or disables, with its rule.
const QList<ViewStateRule>& viewStateRules();
// The properties panel `PanGrid`: enabled (not shown) under this rule.
bool propertiesPanelEnabled(const ViewStateInput& in);

} // namespace folianto::app
