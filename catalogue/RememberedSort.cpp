#include "catalogue/RememberedSort.h"

#include "catalogue/CatalogueRecord.h"

namespace folianto::catalogue {

namespace {
const QString kGroupIndex = QStringLiteral("ind_grp");
}

SortChoice sortFromRememberedName(const QString& indName)
{
    SortChoice choice;
    choice.indexName = indName.isEmpty() ? field::BookName : indName;
    // Field names begin with "_", so a leading "d" can only mean "descending".
    if (choice.indexName.startsWith(u'd')) {
        choice.descending = true;
        choice.fields = choice.indexName.mid(1);
    } else {
        choice.fields = choice.indexName;
    }
    return choice;
}

QString sortIndexName(const QString& sortFields, bool descending)
{
    if (sortFields.contains(u';'))
        return kGroupIndex;
    return descending ? u'd' + sortFields : sortFields;
}

QString applySortIndex(table::Dataset& ds, const QString& sortFields, bool descending)
{
    const QString name = sortIndexName(sortFields, descending);
    if (name == kGroupIndex) {
        // Redefined every time: the list may have changed since.
        ds.addIndex(name, sortFields, false);
        ds.setIndexName(name);
        return sortFields;
    }
    bool defined = false;
    for (const table::IndexDef& def : ds.indexDefs())
        defined = defined || def.name == name;
    if (!defined)
        ds.addIndex(name, sortFields, descending);
    ds.setIndexName(name);
    return name;
}

void applyRememberedSort(table::Dataset& ds, const QString& indName)
{
    const SortChoice choice = sortFromRememberedName(indName);
    applySortIndex(ds, choice.fields, choice.descending);
}

} // namespace folianto::catalogue
