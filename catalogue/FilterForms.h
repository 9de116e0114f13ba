#pragma once
// The filter texts the program builds in the table's filter language. A value always travels
// as a quoted constant (apostrophes around it, inner ones doubled), so no value can change
// the structure of a filter.

#include "engines/table/FieldDef.h"

#include <QString>
#include <QStringList>

namespace folianto::catalogue {

// Q(v): "'" + v with every "'" doubled + "'".
QString quoteFilterText(const QString& value);

// The filter by a cell: fld='v', or fld=null for an empty value.
QString cellFilter(const QString& field, const QString& value);
// The topic filter: _Topic='t', or _Topic=null for the empty topic.
QString topicFilter(const QString& topic);

// A selection narrowed by the catalogue's active filter: S and ( T ).
QString withinFilter(const QString& selection, const QString& filter);

// One condition of a composed filter, as the builder of the options page makes it.
struct ConditionInput {
    QString field;
    table::FieldType type = table::FieldType::String;
    QString op;          // "=", ">", "<" or "<>"
    QString value;       // trimmed for a text field; already checked for a number or date
    bool first = true;   // the list holds no condition yet (no connective in front)
    bool orWith = false; // "or" rather than "and" in front
    bool open = false;   // "(" checked
    bool close = false;  // ")" checked
};
// The condition's text; a number or date field must not come here with an empty value
// unless the operator is "=" or "<>".
QString composedCondition(const ConditionInput& in);
// The composed filter of a list of conditions: each between blanks, concatenated.
QString composedFilter(const QStringList& conditions);
// The first condition of a list never begins with a connective: "and" or "or" is cut off.
QString withoutLeadingConnective(const QString& condition);

bool isTextField(table::FieldType type);
bool isNumberField(table::FieldType type);

} // namespace folianto::catalogue
