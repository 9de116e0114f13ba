#include "engines/table/ValueConvert.h"

#include "engines/table/TableError.h"

#include <QDate>
#include <QDateTime>
#include <limits>

namespace folianto::table {

namespace {

QString fieldMessage(const FieldDef& def, const QString& text)
{
    return QStringLiteral("Значение \"%1\" не подходит для поля %2").arg(text, def.name);
}

// Null for empty text; text longer than the field's width cut to it (a memo has no width).
QVariant fittedText(const FieldDef& def, QString text)
{
    if (text.isEmpty())
        return {};
    if (def.type != FieldType::Memo && def.size > 0 && text.size() > def.size)
        text.truncate(def.size);
    return text;
}

// Each kind of field reads a typed text (QStringView) or a value of any type (QVariant).
QVariant textValue(const FieldDef& def, QStringView text)
{
    return fittedText(def, text.toString());
}

QVariant textValue(const FieldDef& def, const QVariant& v)
{
    return fittedText(def, v.typeId() == QMetaType::QDate ? valueText(v) : v.toString());
}

bool fitsField(const FieldDef& def, qlonglong n)
{
    if (def.type == FieldType::Int16)
        return n >= std::numeric_limits<qint16>::min() && n <= std::numeric_limits<qint16>::max();
    return n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
}

QVariant integerValue(const FieldDef& def, QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (!ok || !fitsField(def, n))
        throw TableError(fieldMessage(def, text.toString()));
    return int(n);
}

QVariant integerValue(const FieldDef& def, const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return int(v.toBool());
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok || !fitsField(def, n))
        throw TableError(fieldMessage(def, v.toString()));
    return int(n);
}

QVariant dateValue(const FieldDef& def, QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return {};
    const QDate date = parseDate(t);
    if (!date.isValid())
        throw TableError(fieldMessage(def, text.toString()));
    return date;
}

QVariant dateValue(const FieldDef& def, const QVariant& v)
{
    QDate date;
    if (v.typeId() == QMetaType::QDate)
        date = v.toDate();
    else if (v.typeId() == QMetaType::QDateTime)
        date = v.toDateTime().date();
    else
        return dateValue(def, QStringView(v.toString()));
    if (!date.isValid())
        throw TableError(fieldMessage(def, v.toString()));
    return date;
}

QVariant booleanValue(const FieldDef& def, QStringView text)
{
    const QString t = text.trimmed().toString().toLower();
    if (t.isEmpty())
        return {};
    if (t == u"true" || t == u"1" || t == u"y")
        return true;
    if (t == u"false" || t == u"0" || t == u"n")
        return false;
    throw TableError(fieldMessage(def, text.toString()));
}

QVariant booleanValue(const FieldDef& def, const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    return booleanValue(def, QStringView(v.toString()));
}

// Two decimal digits at s[i], or -1.
int twoDigits(QStringView s, qsizetype i)
{
    const char16_t a = s[i].unicode(), b = s[i + 1].unicode();
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9')
        return -1;
    return (a - u'0') * 10 + (b - u'0');
}

// dd.MM.yyyy read by hand: the usual form of every date in a catalogue, and far cheaper
// than the general parser. Invalid when the text has another shape.
QDate fixedShapeDate(QStringView s)
{
    if (s.size() != 10 || s[2] != u'.' || s[5] != u'.')
        return {};
    const int day = twoDigits(s, 0), month = twoDigits(s, 3), hi = twoDigits(s, 6), lo = twoDigits(s, 8);
    if (day < 0 || month < 0 || hi < 0 || lo < 0)
        return {};
    return QDate(hi * 100 + lo, month, day);
}

template <typename Input>
QVariant convert(const FieldDef& def, const Input& in)
{
    switch (def.type) {
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        return textValue(def, in);
    case FieldType::Int16:
    case FieldType::Int32:
        return integerValue(def, in);
    case FieldType::Date:
        return dateValue(def, in);
    case FieldType::Boolean:
        return booleanValue(def, in);
    }
    return {};
}

} // namespace

QDate parseDate(QStringView text)
{
    QDate d = fixedShapeDate(text);
    if (d.isValid())
        return d;
    const QString s = text.toString();
    d = QDate::fromString(s, QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        d = QDate::fromString(s, QStringLiteral("d.M.yyyy"));
    if (!d.isValid())
        d = QDate::fromString(s, Qt::ISODate);
    return d;
}

QVariant toFieldValue(const FieldDef& def, QStringView text)
{
    return convert(def, text);
}

QVariant toFieldValue(const FieldDef& def, const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return {};
    if (v.typeId() == QMetaType::QString && !isTextType(def.type))
        return convert(def, QStringView(*static_cast<const QString*>(v.constData())));
    return convert(def, v);
}

QString valueText(const QVariant& v)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

} // namespace folianto::table
