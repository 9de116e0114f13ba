// Reads arbitrary bytes as a description file: decoding, joining continuation lines, splitting
// into fields with separators taken from the input, and the import into a table (links made
// without looking at the disk, and with the presence check against a folder that is missing).

#include "catalogue/CatalogueRecord.h"
#include "exchange/DescriptionImport.h"
#include "exchange/ImportSink.h"

#include <QByteArray>
#include <cstdint>

using namespace folianto;
using namespace folianto::exchange;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = decodeDescriptionBytes(bytes);

    // The first few characters choose the settings; the whole text is the file.
    DescriptionSettings settings;
    for (size_t i = 0; i < 3; ++i)
        settings.separators[i] = text.mid(qsizetype(i), 1 + qsizetype(i % 2));
    settings.merge = text.mid(3, 1);
    settings.skip1 = text.mid(4, 2);
    settings.link = size % 2 ? LinkChoice::Field : LinkChoice::NameOnly;
    const FieldTarget all[] = {FieldTarget::None, FieldTarget::Book, FieldTarget::Author, FieldTarget::Comment};
    for (size_t i = 0; i < 4; ++i)
        settings.targets[i] = all[(size + i) % 4];

    table::Dataset ds;
    ds.setFieldDefs(catalogue::catalogueFieldDefs());
    ds.createEmpty();
    TableSink sink(ds);
    const QStringList lines = preparedDescriptionLines(text, settings);
    importDescriptionLines(lines, QStringLiteral("/nonexistent-folianto-fuzz/"), settings, sink);
    if (sink.posted() > lines.size())
        std::abort();
    return 0;
}
