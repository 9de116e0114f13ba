#include "catalogue/CatalogueViewCommands.h"

#include <QHeaderView>
#include <QTableView>

namespace folianto::catalogue {

CatalogueViewCommands::CatalogueViewCommands(Catalogue& catalogue, CatalogueViewControls controls,
                                             CatalogueViewHost& host)
    : sort_(catalogue, *controls.grid.horizontalHeader(), host),
      filter_(catalogue, controls.grid, controls.filterItems, host),
      topics_(catalogue, controls.topics, filter_, host)
{
}

} // namespace folianto::catalogue
