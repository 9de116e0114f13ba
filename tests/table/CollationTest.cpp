#include "engines/table/Collation.h"

#include <QDate>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace folianto::table;
using namespace Qt::StringLiterals;

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

int keyOrder(const QString& a, const QString& b, bool caseInsensitive)
{
    return sign(collationKey(a, caseInsensitive).compare(collationKey(b, caseInsensitive)));
}

// Strictly ascending in the case-sensitive order.
const QStringList& ascending()
{
    static const QStringList list = {
        QString(), u" "_s, u"!"_s, u"-a"_s, u"0"_s, u"10"_s, u"9"_s,
        u"a"_s, u"A"_s, u"b"_s, u"e"_s, u"é"_s, u"f"_s, u"z"_s, u"Z"_s,
        u"а"_s, u"А"_s, u"б"_s, u"г"_s, u"ґ"_s, u"д"_s,
        u"е"_s, u"Е"_s, u"ё"_s, u"Ё"_s, u"еж"_s, u"ёж"_s, u"ежик"_s, u"Ёлка"_s, u"ель"_s,
        u"ж"_s, u"и"_s, u"й"_s, u"к"_s, u"ю"_s, u"я"_s, u"Я"_s, u"ω"_s,
    };
    return list;
}

} // namespace

TEST(Collation, OrdersPunctuationDigitsLatinCyrillicWithYoAfterYe)
{
    const QStringList& list = ascending();
    for (qsizetype i = 0; i < list.size(); ++i)
        for (qsizetype j = 0; j < list.size(); ++j) {
            const int want = sign(int(i - j));
            EXPECT_EQ(sign(compareText(list[i], list[j])), want) << list[i].toStdString() << " vs " << list[j].toStdString();
            EXPECT_EQ(keyOrder(list[i], list[j], false), want) << list[i].toStdString() << " vs " << list[j].toStdString();
        }

    QStringList shuffled = list;
    std::mt19937 rng(7);
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    std::sort(shuffled.begin(), shuffled.end(), [](const QString& a, const QString& b) { return compareText(a, b) < 0; });
    EXPECT_EQ(shuffled, list);
}

TEST(Collation, CaseRuleDecidesEqualityAndPrefixes)
{
    struct Case {
        const char16_t* a;
        const char16_t* b;
        bool equalIgnoringCase;
    };
    const Case cases[] = {
        {u"Пушкин", u"ПУШКИН", true},
        {u"Ёлка", u"ёЛКА", true},
        {u"O'Brien", u"o'brien", true},
        {u"ёлка", u"елка", false}, // ё is its own letter, only filed next to е
        {u"Пушкин", u"Пушкина", false},
        {u"abc", u"abd", false},
    };
    for (const Case& c : cases) {
        const QString a = QString::fromUtf16(c.a), b = QString::fromUtf16(c.b);
        EXPECT_EQ(textEquals(a, b, true), c.equalIgnoringCase) << a.toStdString();
        EXPECT_EQ(compareText(a, b, true) == 0, c.equalIgnoringCase) << a.toStdString();
        EXPECT_EQ(collationKey(a, true) == collationKey(b, true), c.equalIgnoringCase) << a.toStdString();
        EXPECT_FALSE(textEquals(a, b, false)) << a.toStdString();
        EXPECT_NE(compareText(a, b, false), 0) << a.toStdString();
    }

    EXPECT_TRUE(textStartsWith(u"Пушкин А.С.", u"пуш", true));
    EXPECT_FALSE(textStartsWith(u"Пушкин А.С.", u"пуш", false));
    EXPECT_TRUE(textStartsWith(u"Пушкин А.С.", u"Пуш", false));
    EXPECT_TRUE(textStartsWith(u"Ёж", u"ё", true));
    EXPECT_FALSE(textStartsWith(u"Еж", u"ё", true));
    EXPECT_FALSE(textStartsWith(u"Пу", u"Пуш", true));
    EXPECT_TRUE(textStartsWith(u"Пу", u"", false));
}

TEST(Collation, KeysOrderLikeComparisonOnMixedTexts)
{
    // Texts drawn from characters whose order is easy to get wrong: case pairs, е/ё,
    // punctuation and digits, Latin and Cyrillic look-alikes.
    const QString alphabet = QStringLiteral("aAeEеЕёЁжЖ 0-9zZ'яЯ");
    std::mt19937 rng(42);
    auto randomText = [&] {
        QString s;
        const int n = int(rng() % 5);
        for (int i = 0; i < n; ++i)
            s += alphabet[qsizetype(rng() % alphabet.size())];
        return s;
    };
    for (int round = 0; round < 4000; ++round) {
        const QString a = randomText(), b = randomText();
        for (const bool ci : {false, true}) {
            const int order = sign(compareText(a, b, ci));
            ASSERT_EQ(order, -sign(compareText(b, a, ci))) << a.toStdString() << " / " << b.toStdString();
            ASSERT_EQ(keyOrder(a, b, ci), order) << a.toStdString() << " / " << b.toStdString() << " ci=" << ci;
            ASSERT_EQ(order == 0, textEquals(a, b, ci)) << a.toStdString() << " / " << b.toStdString();
        }
    }
}

TEST(Collation, ComparesValuesByFieldType)
{
    const QVariant null;
    struct Case {
        QVariant a, b;
        FieldType type;
        int order;
    };
    const Case cases[] = {
        {null, null, FieldType::String, 0},
        {null, u""_s, FieldType::String, -1},
        {null, -5, FieldType::Int32, -1},
        {QDate(2003, 2, 1), null, FieldType::Date, 1},
        {u"9"_s, u"10"_s, FieldType::String, 1},
        {9, 10, FieldType::Int16, -1},
        {-3, -3, FieldType::Int32, 0},
        {QDate(2003, 2, 1), QDate(2003, 1, 31), FieldType::Date, 1},
        {false, true, FieldType::Boolean, -1},
        {u"ёж"_s, u"жук"_s, FieldType::Memo, -1},
        {u"Пушкин"_s, u"пушкин"_s, FieldType::String, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(compareValues(c.a, c.b, c.type)), c.order) << c.a.toString().toStdString() << " / " << c.b.toString().toStdString();
        EXPECT_EQ(sign(compareValues(c.b, c.a, c.type)), -c.order) << c.a.toString().toStdString();
    }
    EXPECT_EQ(compareValues(u"Пушкин"_s, u"пушкин"_s, FieldType::String, true), 0);
}
