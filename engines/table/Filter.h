#pragma once
// The filter expression language of the catalogue, compiled once into a predicate.

#include "engines/table/FieldDef.h"
#include "engines/table/TableError.h"

#include <QString>
#include <QStringView>
#include <QVariant>
#include <memory>

namespace folianto::table {

// What a predicate reads of one row: its values by field number (a null QVariant is empty).
class RowValues {
public:
    virtual ~RowValues() = default;
    virtual QVariant value(int field) const = 0;
    // Reads without making a QVariant, for rows that hold their values in place. Each returns
    // false when this row cannot, and the reader then goes through value().
    virtual bool isNullInPlace(int /*field*/, bool& /*isNull*/) const { return false; }
    virtual bool textInPlace(int /*field*/, QStringView& /*text*/) const { return false; } // non-null text field
    virtual bool scalarInPlace(int /*field*/, qint64& /*v*/) const { return false; } // non-null number, day, boolean
};

class CompiledFilter {
public:
    virtual ~CompiledFilter() = default;
    virtual bool matches(const RowValues& row) const = 0;

    // Throws TableError with a readable message for a text it cannot read, an unknown field,
    // or a constant that cannot be read as the field's number or date.
    static std::shared_ptr<const CompiledFilter> compile(const QString& text, const FieldDefs& defs,
                                                         bool caseInsensitive);
};

} // namespace folianto::table
