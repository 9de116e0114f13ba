#include "engines/table/Collation.h"

#include "engines/table/CollationTables.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <algorithm>

namespace folianto::table {

using collation::Tables;
using collation::tables;

int compareText(QStringView a, QStringView b, bool caseInsensitive)
{
    const Tables& t = tables();
    const std::uint8_t* tie = caseInsensitive ? t.tieFold : t.tieCase;
    const qsizetype n = std::min(a.size(), b.size());
    int firstTie = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = a[i].unicode(), cb = b[i].unicode();
        if (ca == cb)
            continue;
        const int pa = t.primary[ca], pb = t.primary[cb];
        if (pa != pb)
            return pa < pb ? -1 : 1;
        if (firstTie == 0 && tie[ca] != tie[cb])
            firstTie = tie[ca] < tie[cb] ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return firstTie;
}

int comparePrefixByLetters(QStringView text, QStringView prefix)
{
    const Tables& t = tables();
    const qsizetype n = std::min(text.size(), prefix.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int pa = t.primary[text[i].unicode()], pb = t.primary[prefix[i].unicode()];
        if (pa != pb)
            return pa < pb ? -1 : 1;
    }
    return text.size() < prefix.size() ? -1 : 0;
}

namespace {

// Equal without regard to case: same primary weight and same folded rank.
inline bool sameFolded(const Tables& t, char16_t a, char16_t b)
{
    return a == b || t.lower[a] == t.lower[b];
}

bool foldedEqual(QStringView a, QStringView b)
{
    const Tables& t = tables();
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!sameFolded(t, a[i].unicode(), b[i].unicode()))
            return false;
    return true;
}

QDate dateOf(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate();
    case QMetaType::QDateTime:
        return v.toDateTime().date();
    default:
        return QDate::fromString(v.toString().trimmed(), QStringLiteral("d.M.yyyy"));
    }
}

template <typename T>
int threeWay(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareTextValues(const QVariant& a, const QVariant& b, bool caseInsensitive)
{
    // Stored texts are QStrings: compare them in place, without a copy.
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return compareText(*static_cast<const QString*>(a.constData()),
                           *static_cast<const QString*>(b.constData()), caseInsensitive);
    return compareText(a.toString(), b.toString(), caseInsensitive);
}

} // namespace

bool textEquals(QStringView a, QStringView b, bool caseInsensitive)
{
    if (a.size() != b.size())
        return false;
    return caseInsensitive ? foldedEqual(a, b) : a == b;
}

bool textStartsWith(QStringView text, QStringView prefix, bool caseInsensitive)
{
    if (prefix.size() > text.size())
        return false;
    return textEquals(text.first(prefix.size()), prefix, caseInsensitive);
}

int compareValues(const QVariant& a, const QVariant& b, FieldType type, bool caseInsensitive)
{
    const bool an = !a.isValid(), bn = !b.isValid();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    switch (type) {
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        return compareTextValues(a, b, caseInsensitive);
    case FieldType::Date:
        return threeWay(dateOf(a).toJulianDay(), dateOf(b).toJulianDay());
    case FieldType::Int16:
    case FieldType::Int32:
        return threeWay(a.toLongLong(), b.toLongLong());
    case FieldType::Boolean:
        return threeWay(a.toBool(), b.toBool());
    }
    return 0;
}

char* writeCollationKey(QStringView text, char* out, bool caseInsensitive)
{
    const Tables& t = tables();
    const std::uint8_t* tie = caseInsensitive ? t.tieFold : t.tieCase;
    // First level: two bytes per character, big-endian, never zero; then a zero pair, so a
    // text that is a beginning of another orders first.
    for (const QChar c : text) {
        const std::uint16_t w = t.primary[c.unicode()];
        *out++ = char(w >> 8);
        *out++ = char(w & 0xff);
    }
    *out++ = 0;
    *out++ = 0;
    // Second level: the tie-break rank of each character, met only when the first levels match.
    for (const QChar c : text)
        *out++ = char(tie[c.unicode()]);
    return out;
}

QByteArray collationKey(QStringView text, bool caseInsensitive)
{
    QByteArray key(collationKeySize(text.size()), Qt::Uninitialized);
    writeCollationKey(text, key.data(), caseInsensitive);
    return key;
}

char16_t foldCase(char16_t c)
{
    return tables().lower[c];
}

} // namespace folianto::table
