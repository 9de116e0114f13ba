#include "engines/table/FilterNodes.h"

#include "engines/table/Collation.h"

#include <QDate>
#include <QDateTime>
#include <QVariant>

namespace folianto::table::filter {

namespace {

bool holds(int order, CompareOp op)
{
    switch (op) {
    case CompareOp::Equal:
        return order == 0;
    case CompareOp::NotEqual:
        return order != 0;
    case CompareOp::Greater:
        return order > 0;
    case CompareOp::Less:
        return order < 0;
    }
    return false;
}

// The text a value holds: stored texts are read in place, anything else through a copy kept
// in spare.
QStringView textOf(const QVariant& v, QString& spare)
{
    if (v.typeId() == QMetaType::QString)
        return *static_cast<const QString*>(v.constData());
    spare = v.toString();
    return spare;
}

bool scalarOf(const QVariant& v, ScalarCompareNode::Kind kind, qint64& out)
{
    bool ok = true;
    switch (kind) {
    case ScalarCompareNode::Kind::Integer:
        if (v.typeId() == QMetaType::Int) {
            out = *static_cast<const int*>(v.constData());
            return true;
        }
        out = v.toLongLong(&ok);
        return ok;
    case ScalarCompareNode::Kind::Day: {
        QDate d;
        if (v.typeId() == QMetaType::QDate)
            d = *static_cast<const QDate*>(v.constData());
        else if (v.typeId() == QMetaType::QDateTime)
            d = v.toDateTime().date();
        else
            d = QDate::fromString(v.toString().trimmed(), QStringLiteral("d.M.yyyy"));
        out = d.toJulianDay();
        return d.isValid();
    }
    case ScalarCompareNode::Kind::Boolean:
        out = v.toBool() ? 1 : 0;
        return true;
    }
    return false;
}

bool isNullValue(const RowValues& row, int field)
{
    bool isNull = false;
    return row.isNullInPlace(field, isNull) ? isNull : !row.value(field).isValid();
}

// A non-null text of the row, in place when the row allows; false for null.
bool readText(const RowValues& row, int field, QStringView& text, QVariant& holder, QString& spare)
{
    bool isNull = false;
    if (row.isNullInPlace(field, isNull)) {
        if (isNull)
            return false;
        if (row.textInPlace(field, text))
            return true;
    }
    holder = row.value(field);
    if (!holder.isValid())
        return false;
    text = textOf(holder, spare);
    return true;
}

} // namespace

bool AllOfNode::eval(const RowValues& row) const
{
    for (const NodePtr& p : parts_)
        if (!p->eval(row))
            return false;
    return true;
}

bool AnyOfNode::eval(const RowValues& row) const
{
    for (const NodePtr& p : parts_)
        if (p->eval(row))
            return true;
    return false;
}

bool NullTestNode::eval(const RowValues& row) const
{
    return isNullValue(row, field_) == wantNull_;
}

bool TextCompareNode::eval(const RowValues& row) const
{
    QStringView text;
    QVariant holder;
    QString spare;
    if (!readText(row, field_, text, holder, spare))
        return false;
    if (prefix_) {
        if (op_ == CompareOp::Equal || op_ == CompareOp::NotEqual)
            return textStartsWith(text, value_, caseInsensitive_) == (op_ == CompareOp::Equal);
        text = text.first(std::min(text.size(), value_.size()));
    } else if (op_ == CompareOp::Equal || op_ == CompareOp::NotEqual) {
        return textEquals(text, value_, caseInsensitive_) == (op_ == CompareOp::Equal);
    }
    return holds(compareText(text, value_, caseInsensitive_), op_);
}

bool ScalarCompareNode::eval(const RowValues& row) const
{
    qint64 x = 0;
    bool isNull = false;
    if (row.isNullInPlace(field_, isNull)) {
        if (isNull)
            return false;
        if (row.scalarInPlace(field_, x))
            return holds(x < value_ ? -1 : (x > value_ ? 1 : 0), op_);
    }
    const QVariant v = row.value(field_);
    if (!v.isValid() || !scalarOf(v, kind_, x))
        return false;
    return holds(x < value_ ? -1 : (x > value_ ? 1 : 0), op_);
}

bool LikeNode::eval(const RowValues& row) const
{
    QStringView text;
    QVariant holder;
    QString spare;
    return readText(row, field_, text, holder, spare) && pattern_.matches(text);
}

} // namespace folianto::table::filter
