#include "engines/table/TableData.h"

#include "engines/table/TableError.h"

#include <QSet>

namespace folianto::table {

void checkFieldDefs(const FieldDefs& defs)
{
    if (defs.isEmpty())
        throw TableError(QStringLiteral("В таблице нет полей"));
    if (defs.size() > 1000)
        throw TableError(QStringLiteral("Слишком много полей"));
    QSet<QString> names;
    for (const FieldDef& f : defs) {
        if (f.name.isEmpty() || names.contains(f.name))
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

} // namespace folianto::table
