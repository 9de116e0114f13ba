#include "engines/table/TableData.h"

#include "engines/table/RowStore.h"
#include "engines/table/TableError.h"

#include <QSet>
#include <algorithm>

namespace folianto::table {

void checkFieldDefs(const FieldDefs& defs)
{
    if (defs.isEmpty())
        throw TableError(QStringLiteral("В таблице нет полей"));
    if (defs.size() > 1000)
        throw TableError(QStringLiteral("Слишком много полей"));
    QSet<QString> names;
    for (const FieldDef& f : defs) {
        // Control characters (also DEL and the second set, U+0080 to U+009F) and what XML
        // cannot hold make no field name.
        const bool writable = std::all_of(f.name.begin(), f.name.end(), [](QChar c) {
            return c.category() != QChar::Other_Control && !c.isSurrogate() && c.unicode() < 0xFFFE;
        });
        if (f.name.isEmpty() || !writable || names.contains(f.name))
            throw TableError(QStringLiteral("Неверное имя поля \"%1\"").arg(f.name));
        names.insert(f.name);
        const bool sized = f.type == FieldType::String || f.type == FieldType::FixedString;
        if (sized && (f.size < 1 || f.size > 65535))
            throw TableError(QStringLiteral("Неверная ширина поля %1").arg(f.name));
    }
}

TableData decodeTable(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        throw TableError(QStringLiteral("Файл каталога пуст"));
    if (looksLikeBon(bytes))
        return decodeBon(bytes);
    return decodeXml(bytes);
}

FieldDefs withProgramCalculated(FieldDefs fileDefs, const FieldDefs& programDefs)
{
    for (const FieldDef& f : programDefs)
        if (f.calculated && std::none_of(fileDefs.begin(), fileDefs.end(),
                                         [&](const FieldDef& g) { return g.name == f.name; }))
            fileDefs.append(f);
    return fileDefs;
}

std::shared_ptr<RowStore> loadTable(QByteArrayView bytes, const FieldDefs& programDefs, const ConsumedFn& consumed)
{
    if (bytes.isEmpty())
        throw TableError(QStringLiteral("Файл каталога пуст"));
    if (looksLikeBon(bytes))
        return loadBon(bytes, programDefs, consumed);
    TableData data = decodeXml(bytes);
    auto store = std::make_shared<RowStore>(withProgramCalculated(data.defs, programDefs));
    store->replaceAll(data.rows);
    return store;
}

TableData tableData(const RowStore& store)
{
    TableData t;
    t.defs = store.defs();
    t.rows.reserve(size_t(store.size()));
    store.rows().forEach([&](const Row* row) { t.rows.push_back(store.format().values(row)); });
    return t;
}

} // namespace folianto::table
