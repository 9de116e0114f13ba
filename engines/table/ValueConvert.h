#pragma once
// Turning what callers assign into the value a field stores, and stored values into text.

#include "engines/table/FieldDef.h"

#include <QString>
#include <QVariant>

namespace folianto::table {

// The stored form of v for the field: null for empty text, text cut to the width, numbers and
// dates read from text. Throws TableError when v cannot be a value of the field.
QVariant toFieldValue(const FieldDef& def, const QVariant& v);
// The same for a text as typed, without making a QVariant of it first.
QVariant toFieldValue(const FieldDef& def, QStringView text);
inline QVariant toFieldValue(const FieldDef& def, const QString& text)
{
    return toFieldValue(def, QStringView(text));
}

// Text of a stored value: "" for null, dates as dd.MM.yyyy.
QString valueText(const QVariant& v);

// Dates written by hand: dd.MM.yyyy (also d.M.yyyy) or yyyy-MM-dd; invalid when neither.
QDate parseDate(QStringView text);

} // namespace folianto::table
