#pragma once
// Catalogue tables made in code: an empty table with the catalogue's fields, and rows of a
// test's own row type appended to it.

#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"

#include <vector>

namespace folianto::test {

// Makes `ds` an empty, open catalogue table.
inline void newCatalogueTable(table::Dataset& ds)
{
    ds.setFieldDefs(catalogue::catalogueFieldDefs());
    ds.createEmpty();
}

// Appends and posts one row per entry; `fill(ds, row)` sets the row's fields.
template <typename Row, typename Fill>
void appendCatalogueRows(table::Dataset& ds, const std::vector<Row>& rows, Fill fill)
{
    for (const Row& r : rows) {
        ds.append();
        fill(ds, r);
        ds.post();
    }
}

} // namespace folianto::test
