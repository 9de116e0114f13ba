#pragma once
// Small tables made in code for the engine's tests.

#include "engines/table/Dataset.h"
#include "engines/table/ValueConvert.h"

#include <QStringList>
#include <initializer_list>
#include <utility>

namespace folianto::table::test {

inline FieldDefs sampleDefs()
{
    return {
        {QStringLiteral("name"), FieldType::String, 10},
        {QStringLiteral("n"), FieldType::Int32},
        {QStringLiteral("day"), FieldType::Date},
        {QStringLiteral("memo"), FieldType::Memo},
        {QStringLiteral("code"), FieldType::FixedString, 1},
        {QStringLiteral("small"), FieldType::Int16},
        {QStringLiteral("calc"), FieldType::Boolean, 0, true},
    };
}

using Values = std::initializer_list<std::pair<const char*, QVariant>>;

inline void appendRow(Dataset& ds, Values values)
{
    ds.append();
    for (const auto& [field, v] : values)
        ds.setValue(QString::fromUtf8(field), v);
    ds.post();
}

// A sample table with one row per name, "n" numbering them from 1.
inline void fillNames(Dataset& ds, const QStringList& names)
{
    if (!ds.isActive()) {
        ds.setFieldDefs(sampleDefs());
        ds.createEmpty();
    }
    int n = ds.recordCount();
    for (const QString& name : names)
        appendRow(ds, {{"name", name}, {"n", ++n}});
}

// The text of one field down the cursor's view, without moving the cursor.
inline QStringList column(const Dataset& ds, const QString& field)
{
    QStringList out;
    const int f = ds.fieldIndex(field);
    for (int i = 0; i < ds.recordCount(); ++i)
        out.append(valueText(ds.valueAt(i, f)));
    return out;
}

} // namespace folianto::table::test
