#include "engines/dbf/DbfValueText.h"

#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfHeader.h"

#include <QDate>
#include <QLocale>
#include <cmath>
#include <cstring>

namespace folianto::dbf {

namespace {

QByteArrayView trimmed(QByteArrayView raw)
{
    qsizetype b = 0, e = raw.size();
    while (b < e && raw[b] == ' ')
        ++b;
    while (e > b && (raw[e - 1] == ' ' || raw[e - 1] == '\0'))
        --e;
    return raw.sliced(b, e - b);
}

const QLocale& systemLocale()
{
    static const QLocale locale = [] {
        QLocale l = QLocale::system();
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return locale;
}

QString numberText(const DbfField& field, QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    if (text.isEmpty())
        return QStringLiteral("0");
    const QByteArray bytes = text.toByteArray();
    bool ok = false;
    if (field.decimals == 0) {
        const qlonglong n = bytes.toLongLong(&ok);
        if (ok)
            return QString::number(n);
    }
    const double d = bytes.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        throw DbfError(QStringLiteral("field %1 holds no number").arg(field.name));
    if (field.decimals == 0 && d == std::trunc(d) && std::fabs(d) < 9.2e18)
        return QString::number(qlonglong(d));
    return systemLocale().toString(d, 'g', 15);
}

QString dateText(QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    if (text.size() != 8 || text == "00000000")
        return {};
    const QDate date = QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyyMMdd"));
    return date.isValid() ? systemLocale().toString(date, QLocale::ShortFormat) : QString();
}

quint32 memoBlock(const DbfField& field, QByteArrayView raw)
{
    if (field.width == 4)
        return readLe32(raw.data());
    const QByteArrayView text = trimmed(raw);
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const quint32 block = text.toByteArray().toUInt(&ok);
    if (!ok)
        throw DbfError(QStringLiteral("field %1 holds no memo block number").arg(field.name));
    return block;
}

QString memoText(const DbfField& field, QByteArrayView raw, const ValueContext& context)
{
    if (!context.memo)
        return {};
    const quint32 block = memoBlock(field, raw);
    return block == 0 ? QString() : decodeText(context.memo(block), context.translate);
}

} // namespace

QString decodeText(QByteArrayView bytes, bool translate)
{
    return translate ? codepage::fromCp866(bytes) : codepage::fromCp1251(bytes);
}

QString valueText(const DbfField& field, QByteArrayView raw, const ValueContext& context)
{
    switch (field.type) {
    case 'C': {
        qsizetype end = raw.indexOf('\0');
        if (end < 0)
            end = raw.size();
        while (end > 0 && std::uint8_t(raw[end - 1]) <= 0x20)
            --end;
        return decodeText(raw.first(end), context.translate);
    }
    case 'N':
    case 'F':
        return numberText(field, raw);
    case 'D':
        return dateText(raw);
    case 'L':
        return !raw.isEmpty() && QByteArrayView("TtYyJj").contains(raw[0]) ? QStringLiteral("True")
                                                                            : QStringLiteral("False");
    case 'M':
        return memoText(field, raw, context);
    case 'I':
        return raw.size() >= 4 ? QString::number(qint32(readLe32(raw.data()))) : QString();
    case 'T': {
        if (raw.size() < 8 || readLe32(raw.data()) == 0)
            return {};
        const QDate date = QDate::fromJulianDay(readLe32(raw.data()));
        const QTime time = QTime::fromMSecsSinceStartOfDay(int(readLe32(raw.data() + 4) % 86400000u));
        return systemLocale().toString(QDateTime(date, time), QLocale::ShortFormat);
    }
    case 'B':
        if (context.foxPro && raw.size() == 8) {
            double d = 0;
            std::memcpy(&d, raw.data(), 8);
            return std::isfinite(d) ? systemLocale().toString(d, 'g', 15) : QString();
        }
        return memoText(field, raw, context);
    default:
        return {}; // G (OLE objects) and anything else carry no text
    }
}

} // namespace folianto::dbf
