#include "catalogue/SortCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/CatalogueViewHost.h"
#include "catalogue/RememberedSort.h"
#include "catalogue/WaitCursor.h"

#include <QHeaderView>

namespace folianto::catalogue {

SortCommands::SortCommands(Catalogue& catalogue, QHeaderView& titles, CatalogueViewHost& host)
    : catalogue_(catalogue), titles_(titles), host_(host)
{
}

void SortCommands::ApplySort(const QString& sortFields, bool descending)
{
    WaitCursor wait;
    host_.setRememberedSort(applySortIndex(catalogue_.Ds(), sortFields, descending));
    titles_.viewport()->update();
}

void SortCommands::DBGTitleClick(int column)
{
    if (host_.titleClickGuard())
        return;
    host_.armTitleClickGuard();
    table::Dataset& ds = catalogue_.Ds();
    const QList<CatalogueField>& fields = catalogueFields();
    if (!catalogue_.isOpen() || ds.recordCount() == 0 || column < 0 || column >= fields.size())
        return;
    const QString name = fields[column].def.name;
    util::runCommand([&] { ApplySort(name, ds.indexName() == name); });
}

void SortCommands::mpSortGroupClick()
{
    const QStringList list = host_.sortFields();
    if (list.isEmpty())
        return;
    try {
        ApplySort(list.join(u';'), false);
    } catch (const std::exception&) {
    }
    host_.UpdateViewState();
}

} // namespace folianto::catalogue
