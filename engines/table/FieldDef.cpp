#include "engines/table/FieldDef.h"

namespace folianto::table {

bool isTextType(FieldType t)
{
    return t == FieldType::String || t == FieldType::FixedString || t == FieldType::Memo;
}

bool isNumberType(FieldType t)
{
    return t == FieldType::Int16 || t == FieldType::Int32;
}

} // namespace folianto::table
