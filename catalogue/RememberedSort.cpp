#include "catalogue/RememberedSort.h"

#include "catalogue/CatalogueRecord.h"

namespace folianto::catalogue {

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

void applyRememberedSort(table::Dataset& ds, const QString& indName)
{
    const SortChoice choice = sortFromRememberedName(indName);
    ds.addIndex(choice.indexName, choice.fields, choice.descending);
    ds.setIndexName(choice.indexName);
}

} // namespace folianto::catalogue
