#include "catalogue/CatalogueRecord.h"

#include <QStringList>

namespace folianto::catalogue {

using table::FieldType;

const QList<CatalogueField>& catalogueFields()
{
    static const QList<CatalogueField> fields = {
        {{field::BookName, FieldType::String, 100}, QStringLiteral("Книга"), 25, false, true},
        {{field::Author, FieldType::String, 70}, QStringLiteral("Автор"), 14, false, true},
        {{field::Topic, FieldType::String, 70}, QStringLiteral("Тема"), 10, false, true},
        {{field::First, FieldType::Date}, QStringLiteral("Начало"), 8, true, true},
        {{field::Last, FieldType::Date}, QStringLiteral("Послед"), 8, true, true},
        {{field::Percent, FieldType::Int16}, QStringLiteral("Прочт%"), 8, false, true},
        {{field::Size, FieldType::Int32}, QStringLiteral("Всего"), 8, false, true},
        {{field::Comment, FieldType::String, 200}, QStringLiteral("Примечание"), 25, false, true},
        {{field::FileName, FieldType::Memo}, QString(), 12, false, false},
        {{field::Pos, FieldType::Int32}, QStringLiteral("Прочт%"), 8, false, false},
        {{field::Oem, FieldType::FixedString, 1}, QString(), 0, false, false},
        {{field::Cur, FieldType::FixedString, 1}, QString(), 0, false, false},
        {{field::Arc, FieldType::Int16}, QString(), 0, false, false},
        {{field::Alter, FieldType::String, 1}, QString(), 0, false, false},
        {{field::TestFile, FieldType::Boolean, 0, true}, QString(), 0, false, false},
    };
    return fields;
}

table::FieldDefs catalogueFieldDefs()
{
    table::FieldDefs defs;
    for (const CatalogueField& f : catalogueFields())
        defs.append(f.def);
    return defs;
}

const CatalogueField* catalogueField(const QString& name)
{
    for (const CatalogueField& f : catalogueFields())
        if (f.def.name == name)
            return &f;
    return nullptr;
}

int catalogueFieldNumber(const QString& name)
{
    const CatalogueField* f = catalogueField(name);
    return f ? int(f - catalogueFields().data()) : -1;
}

QStringList catalogueColumnTitles()
{
    QStringList titles;
    for (const CatalogueField& f : catalogueFields())
        titles.append(f.title);
    return titles;
}

} // namespace folianto::catalogue
