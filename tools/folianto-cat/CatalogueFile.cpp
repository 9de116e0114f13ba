#include "CatalogueFile.h"

#include "Console.h"
#include "catalogue/CatalogueRecord.h"

#include <QFileInfo>

using folianto::table::TableError;

void openOrCreateCatalogue(folianto::table::Dataset& ds, const QString& file)
{
    ds.setFieldDefs(folianto::catalogue::catalogueFieldDefs());
    if (QFileInfo::exists(file)) {
        ds.setFileName(file);
        ds.open();
    } else {
        ds.createEmpty();
    }
}

bool openCatalogueForCommand(folianto::table::Dataset& ds, const QString& file)
{
    try {
        openOrCreateCatalogue(ds, file);
        return true;
    } catch (const TableError& e) {
        printError(QStringLiteral("%1: %2").arg(file, e.message()));
        return false;
    }
}

int saveCatalogueForCommand(const folianto::table::Dataset& ds, const QString& file, int added)
{
    try {
        ds.saveToFile(file);
    } catch (const TableError& e) {
        printError(QStringLiteral("%1: %2").arg(file, e.message()));
        return 1;
    }
    printError(QStringLiteral("%1 row(s) added").arg(added));
    return 0;
}
