#pragma once
// Text order and comparison shared by sorting, locate and the filter: Russian alphabetical,
// case-sensitive unless asked otherwise, nulls before every value.

#include "engines/table/FieldDef.h"

#include <QStringView>
#include <QVariant>

namespace folianto::table {

int compareText(QStringView a, QStringView b, bool caseInsensitive = false);
bool textEquals(QStringView a, QStringView b, bool caseInsensitive = false);
bool textStartsWith(QStringView text, QStringView prefix, bool caseInsensitive = false);
// Values of one field type; a null QVariant orders before every value and equals only null.
int compareValues(const QVariant& a, const QVariant& b, FieldType type, bool caseInsensitive = false);

} // namespace folianto::table
