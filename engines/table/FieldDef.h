#pragma once
#include <QList>
#include <QString>

namespace folianto::table {

enum class FieldType {
    String,      // variable text up to size characters
    FixedString, // text of exactly size characters at most (kept as given, cut to size)
    Memo,        // text of any length
    Date,        // whole days (QDate)
    Int16,
    Int32,
    Boolean,     // only as a calculated field
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;            // width of String and FixedString fields
    bool calculated = false; // not stored, filled by the calculate-fields event
};

using FieldDefs = QList<FieldDef>;

bool isTextType(FieldType t);
bool isNumberType(FieldType t);

} // namespace folianto::table
