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

QVariant toText(const FieldDef& def, const QVariant& v)
{
    QString text = v.typeId() == QMetaType::QDate ? valueText(v) : v.toString();
    if (text.isEmpty())
        return {};
    if (def.type != FieldType::Memo && def.size > 0 && text.size() > def.size)
        text.truncate(def.size);
    return text;
}

QVariant toInteger(const FieldDef& def, const QVariant& v)
{
    qlonglong n = 0;
    bool ok = false;
    if (v.typeId() == QMetaType::QString) {
        const QString text = v.toString().trimmed();
        if (text.isEmpty())
            return {};
        n = text.toLongLong(&ok);
    } else if (v.typeId() == QMetaType::Bool) {
        n = v.toBool() ? 1 : 0;
        ok = true;
    } else {
        n = v.toLongLong(&ok);
    }
    const qlonglong lo = def.type == FieldType::Int16 ? std::numeric_limits<qint16>::min()
                                                      : std::numeric_limits<qint32>::min();
    const qlonglong hi = def.type == FieldType::Int16 ? std::numeric_limits<qint16>::max()
                                                      : std::numeric_limits<qint32>::max();
    if (!ok || n < lo || n > hi)
        throw TableError(fieldMessage(def, v.toString()));
    return int(n);
}

QVariant toDate(const FieldDef& def, const QVariant& v)
{
    QDate date;
    if (v.typeId() == QMetaType::QDate)
        date = v.toDate();
    else if (v.typeId() == QMetaType::QDateTime)
        date = v.toDateTime().date();
    else {
        const QString text = v.toString().trimmed();
        if (text.isEmpty())
            return {};
        date = parseDate(text);
    }
    if (!date.isValid())
        throw TableError(fieldMessage(def, v.toString()));
    return date;
}

QVariant toBoolean(const FieldDef& def, const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString text = v.toString().trimmed().toLower();
    if (text.isEmpty())
        return {};
    if (text == u"true" || text == u"1" || text == u"y")
        return true;
    if (text == u"false" || text == u"0" || text == u"n")
        return false;
    throw TableError(fieldMessage(def, v.toString()));
}

} // namespace

QDate parseDate(const QString& text)
{
    QDate d = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        d = QDate::fromString(text, QStringLiteral("d.M.yyyy"));
    if (!d.isValid())
        d = QDate::fromString(text, Qt::ISODate);
    return d;
}

QVariant toFieldValue(const FieldDef& def, const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (def.type) {
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        return toText(def, v);
    case FieldType::Int16:
    case FieldType::Int32:
        return toInteger(def, v);
    case FieldType::Date:
        return toDate(def, v);
    case FieldType::Boolean:
        return toBoolean(def, v);
    }
    return {};
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
