#include "CatalogueView.h"

#include "Console.h"
#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"
#include "engines/table/TableError.h"

namespace {

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

} // namespace

bool openCatalogueView(folianto::table::Dataset& ds, const CatalogueViewOptions& options)
{
    ds.setFieldDefs(folianto::catalogue::catalogueFieldDefs());
    ds.setFileName(options.file);
    try {
        ds.open();
        applySort(ds, options.sort);
        ds.setCaseInsensitive(options.noCase);
        if (!options.filter.isEmpty()) {
            ds.setFilterText(options.filter);
            ds.setFiltered(true);
        }
    } catch (const folianto::table::TableError& e) {
        printError(QStringLiteral("%1: %2").arg(options.file, e.message()));
        return false;
    }
    return true;
}
