#include "SortOption.h"

#include "engines/table/Dataset.h"

void applySort(folianto::table::Dataset& ds, const QString& sort)
{
    if (sort.isEmpty())
        return;
    bool descending = false;
    QString fields = sort;
    if (!sort.contains(u';') && sort.startsWith(u'd') && ds.findField(sort) < 0) {
        descending = true;
        fields = sort.mid(1);
    }
    ds.addIndex(sort, fields, descending);
    ds.setIndexName(sort);
}
