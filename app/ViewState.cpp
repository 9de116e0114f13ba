#include "app/ViewState.h"

namespace folianto::app {

bool ruleHolds(ViewRule rule, const ViewStateInput& in)
{
    switch (rule) {
    case ViewRule::CatalogueShown:
        return in.catalogueShown;
    case ViewRule::Listing:
        return in.listing();
    case ViewRule::ListingWithCurrentRow:
        return in.listing() && in.hasCurrentRow;
    case ViewRule::CatalogueOpen:
        return in.catalogueOpen;
    case ViewRule::HasRows:
        return in.hasRows();
    case ViewRule::Filter:
        // A checked filter stays usable so that it can always be switched off.
        return in.hasRows() || in.filterChecked;
    case ViewRule::GroupFilter:
        return in.groupFilterChecked || (in.hasRows() && in.filterListEntries > 0);
    case ViewRule::GroupSort:
        return in.hasRows() && in.sortListEntries > 0;
    case ViewRule::BookOpen:
        return in.bookOpen;
    case ViewRule::NotBookOpen:
        return !in.bookOpen;
    }
    return false;
}

const QList<ViewStateRule>& viewStateRules()
{
    static const QList<ViewStateRule> rules = {
        {ViewRule::CatalogueShown, {QStringLiteral("mFile")}},
        {ViewRule::Listing, {QStringLiteral("mNew"), QStringLiteral("mpNew"), QStringLiteral("TlBtNew")}},
        {ViewRule::ListingWithCurrentRow, {QStringLiteral("mSaveCatAs")}},
        {ViewRule::CatalogueOpen, {QStringLiteral("mImportData")}},
        {ViewRule::HasRows,
         {QStringLiteral("mOpenbook"), QStringLiteral("mpOpen"), QStringLiteral("TlBtOpen"),
          QStringLiteral("mFind"), QStringLiteral("mpFind"), QStringLiteral("mpFileOps"),
          QStringLiteral("mEdit"), QStringLiteral("mpEdit"), QStringLiteral("TlBtEdit"),
          QStringLiteral("mDelete"), QStringLiteral("mpDelete"), QStringLiteral("TlBtDel"),
          QStringLiteral("mpUnread"), QStringLiteral("mSave"), QStringLiteral("mpReplace"),
          QStringLiteral("mpTopic"), QStringLiteral("mpDef"), QStringLiteral("mpGroupOps"),
          QStringLiteral("mpClone"), QStringLiteral("mpExternal")}},
        {ViewRule::Filter, {QStringLiteral("mFilter"), QStringLiteral("mpFilter")}},
        {ViewRule::GroupFilter, {QStringLiteral("mpFiltGroup")}},
        {ViewRule::GroupSort, {QStringLiteral("mpSortGroup")}},
        {ViewRule::BookOpen,
         {QStringLiteral("m1Closebook"), QStringLiteral("mp1CloseBook"), QStringLiteral("mpGoToBook")}},
        {ViewRule::NotBookOpen, {QStringLiteral("mPart"), QStringLiteral("mFastRead")}},
    };
    return rules;
}

bool propertiesPanelEnabled(const ViewStateInput& in)
{
    return in.catalogueShown && in.catalogueOpen && !in.bookOpen;
}

} // namespace folianto::app
