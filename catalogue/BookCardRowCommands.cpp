#include "catalogue/BookCardRowCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCommandsHost.h"
#include "catalogue/CatalogueRecord.h"
#include "util/Interaction.h"

namespace folianto::catalogue {

QString deleteRowQuestion() { return QStringLiteral("Удалить книгу из списка ?"); }

void DeleteCurrentRow(Catalogue& catalogue)
{
    table::Dataset& ds = catalogue.Ds();
    catalogue.finishPendingEdit();
    if (!catalogue.isOpen() || ds.recordCount() == 0)
        return;
    if (!util::interaction().confirm(deleteRowQuestion()))
        return;
    RemoveCurrentRow(catalogue);
}

void RemoveCurrentRow(Catalogue& catalogue)
{
    table::Dataset& ds = catalogue.Ds();
    CatalogueHost& host = catalogue.host();
    const table::Bookmark row = ds.bookmark();
    host.closeOpenBook(); // whichever row goes
    ds.gotoBookmark(row); // the close may have moved the cursor
    const int n = ds.recNo();
    ds.remove();
    host.UpdateViewState();
    if (n - 1 > 1)
        ds.setRecNo(n - 1);
    else
        ds.first();
}

void DuplicateCurrentRow(Catalogue& catalogue, CatalogueCommandsHost& host)
{
    if (!catalogue.finishEditOnRow())
        return;
    table::Dataset& ds = catalogue.Ds();
    auto source = ds.clone();
    ds.disableControls();
    try {
        source->gotoCursorOf(ds);
        ds.append();
        for (int f = 0; f < ds.fieldCount(); ++f)
            if (!ds.fieldDef(f).calculated)
                ds.setValue(f, source->value(f));
        ds.setNull(field::Cur);
        try {
            ds.post();
        } catch (const std::exception&) {
            ds.cancel();
        }
    } catch (const std::exception&) {
        if (ds.isEditing())
            ds.cancel();
    }
    source.reset();
    ds.enableControls();
    host.UpdateViewState();
    catalogue.ShowRowPosition();
}

} // namespace folianto::catalogue
