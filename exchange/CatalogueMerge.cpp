#include "exchange/CatalogueMerge.h"

#include "catalogue/CatalogueRecord.h"
#include "exchange/ImportSink.h"

#include <QList>

namespace folianto::exchange {

std::unique_ptr<table::Dataset> loadOtherCatalogue(const QString& path, const table::FieldDefs& defs)
{
    auto other = std::make_unique<table::Dataset>();
    other->setFieldDefs(defs);
    other->setFileName(path);
    other->open();
    return other;
}

void mergeCatalogueRows(table::Dataset& other, ImportSink& sink)
{
    table::Dataset& ds = sink.ds();
    // Stored fields by position in both tables; the catalogue's row mark is left empty.
    QList<int> fields;
    for (int f = 0; f < other.fieldCount() && f < ds.fieldCount(); ++f)
        if (!other.fieldDef(f).calculated && !ds.fieldDef(f).calculated
            && ds.fieldDef(f).name != catalogue::field::Cur)
            fields.append(f);

    for (other.first(); !other.eof(); other.next()) {
        ds.append();
        for (int f : fields)
            ds.setValue(f, other.value(f));
        sink.postRow();
        sink.step();
    }
}

} // namespace folianto::exchange
