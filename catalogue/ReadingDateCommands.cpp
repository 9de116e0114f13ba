#include "catalogue/ReadingDateCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/TFormDate.h"
#include "util/Clock.h"

namespace folianto::catalogue {

ReadingDateCommands::ReadingDateCommands(Catalogue& catalogue) : catalogue_(catalogue) {}

void ReadingDateCommands::ButFirstClick(int tag)
{
    if (!catalogue_.isOpen() || (tag != 1 && tag != 2))
        return;
    table::Dataset& ds = catalogue_.Ds();
    const QString name = tag == 1 ? field::First : field::Last;
    const QDate stored = ds.hasCurrentRow() || ds.isEditing() ? ds.asDate(name) : QDate();
    const PickedDate picked = PickDate(stored.isValid(), stored.isValid() ? stored : util::clock().today());
    if (picked.kind == PickedDate::Kind::Cancel)
        return;
    try {
        if (!ds.isEditing()) {
            if (ds.recordCount() == 0)
                ds.append();
            else
                ds.edit();
        }
        ds.setValue(name, picked.kind == PickedDate::Kind::Date ? QVariant(picked.date) : QVariant());
    } catch (const std::exception&) {
        // The row stays as it was; the picker has nothing to report.
    }
    catalogue_.host().UpdateViewState();
}

} // namespace folianto::catalogue
