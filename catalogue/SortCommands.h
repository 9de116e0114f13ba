#pragma once
// Sorting the catalogue: `ApplySort`, a click on a column title (ascending, then descending on
// the same title) and the multi-field sort of the list `FStrSort`.

#include <QString>

class QHeaderView;

namespace folianto::catalogue {

class Catalogue;
class CatalogueViewHost;

class SortCommands {
public:
    SortCommands(Catalogue& catalogue, QHeaderView& titles, CatalogueViewHost& host);

    // Orders the catalogue by the ";"-separated fields and remembers it in `Ind_Name`; the
    // titles show it. Throws table::TableError when the table cannot be ordered so.
    void ApplySort(const QString& sortFields, bool descending);
    // `DBGTitleClick`: the column's field, descending when it is sorted ascending by it now.
    void DBGTitleClick(int column);
    // "&Сортировка": by the fields of `FStrSort`, in list order; errors leave the order.
    void mpSortGroupClick();

private:
    Catalogue& catalogue_;
    QHeaderView& titles_;
    CatalogueViewHost& host_;
};

} // namespace folianto::catalogue
