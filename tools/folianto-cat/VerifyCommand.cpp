#include "Commands.h"
#include "Console.h"
#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"

// Exit 0 when the file opens as a catalogue, otherwise the reason and exit 1.
int runVerify(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("verify needs exactly one FILE"));
    folianto::table::Dataset ds;
    ds.setFieldDefs(folianto::catalogue::catalogueFieldDefs());
    ds.setFileName(args[0]);
    try {
        ds.open();
    } catch (const folianto::table::TableError& e) {
        printError(QStringLiteral("%1: %2").arg(args[0], e.message()));
        return 1;
    }
    return 0;
}
