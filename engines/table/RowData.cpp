#include "engines/table/RowData.h"

#include <QDate>

namespace folianto::table {

RowFormat::RowFormat(const FieldDefs& defs)
{
    int prev = -1;
    for (int i = 0; i < defs.size(); ++i) {
        const FieldDef& f = defs[i];
        kinds_.push_back(f.calculated ? Kind::Calculated : (isTextType(f.type) ? Kind::Text : Kind::Scalar));
        types_.push_back(f.type);
        prevText_.push_back(prev);
        if (kinds_.back() == Kind::Text)
            prev = i;
    }
    const int n = int(defs.size());
    nullsAt_ = 4 * n;
    textAt_ = (nullsAt_ + (n + 7) / 8 + 1) & ~1;
}

QVariant RowFormat::value(const Row* row, int field) const
{
    if (kinds_[size_t(field)] == Kind::Calculated || isNull(row, field))
        return {};
    switch (types_[size_t(field)]) {
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        return text(row, field).toString();
    case FieldType::Date:
        return QDate::fromJulianDay(scalar(row, field));
    case FieldType::Int16:
    case FieldType::Int32:
        return int(scalar(row, field));
    case FieldType::Boolean:
        return scalar(row, field) != 0;
    }
    return {};
}

RowValuesVector RowFormat::values(const Row* row) const
{
    RowValuesVector out(kinds_.size());
    for (int i = 0; i < fieldCount(); ++i)
        out[size_t(i)] = value(row, i);
    return out;
}

namespace {

qsizetype textUnits(const QVariant& v)
{
    return v.typeId() == QMetaType::QString ? static_cast<const QString*>(v.constData())->size()
                                            : v.toString().size();
}

} // namespace

size_t RowFormat::bytesFor(const RowValuesVector& values) const
{
    size_t units = 0;
    for (size_t i = 0; i < kinds_.size() && i < values.size(); ++i)
        if (kinds_[i] == Kind::Text && values[i].isValid())
            units += size_t(textUnits(values[i]));
    return size_t(textAt_) + 2 * units;
}

void RowFormat::startBlock(char* data) const
{
    std::memset(data, 0, size_t(textAt_));
}

void RowFormat::setNull(char* data, int field) const
{
    data[nullsAt_ + (field >> 3)] = char(quint8(data[nullsAt_ + (field >> 3)]) | (1u << (field & 7)));
}

void RowFormat::setScalar(char* data, int field, qint32 v) const
{
    std::memcpy(data + 4 * field, &v, 4);
}

void RowFormat::setTextEnd(char* data, int field, quint32 end) const
{
    std::memcpy(data + 4 * field, &end, 4);
}

void RowFormat::pack(const RowValuesVector& values, char* data) const
{
    startBlock(data);
    char16_t* out = texts(data, size_t(textAt_));
    quint32 end = 0;
    for (int i = 0; i < fieldCount(); ++i) {
        const QVariant none;
        const QVariant& v = size_t(i) < values.size() ? values[size_t(i)] : none;
        const Kind kind = kinds_[size_t(i)];
        if (kind == Kind::Text) {
            if (v.isValid()) {
                const QString copy = v.typeId() == QMetaType::QString ? QString() : v.toString();
                const QString& s = v.typeId() == QMetaType::QString ? *static_cast<const QString*>(v.constData()) : copy;
                std::memcpy(out + end, s.utf16(), size_t(s.size()) * 2);
                end += quint32(s.size());
            } else {
                setNull(data, i);
            }
            setTextEnd(data, i, end);
            continue;
        }
        if (kind == Kind::Calculated || !v.isValid()) {
            setNull(data, i);
            continue;
        }
        switch (types_[size_t(i)]) {
        case FieldType::Date:
            setScalar(data, i, qint32(v.toDate().toJulianDay()));
            break;
        case FieldType::Boolean:
            setScalar(data, i, v.toBool() ? 1 : 0);
            break;
        default:
            setScalar(data, i, qint32(v.toInt()));
            break;
        }
    }
}

} // namespace folianto::table
