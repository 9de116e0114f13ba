#include "TableFixture.h"

#include "engines/table/Collation.h"

#include <gtest/gtest.h>

using namespace folianto::table;
using namespace folianto::table::test;

namespace {

struct LocateCase {
    const char* field;
    QVariant value;
    bool partial;
    bool noCase;
    int expectedRecNo; // 0 = not found, the cursor stays
};

class LocateTest : public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateTest, FindsTheFirstRowOfTheView)
{
    const LocateCase& c = GetParam();
    Dataset ds;
    fillNames(ds, {QStringLiteral("Толстой"), QStringLiteral("толстой"), QStringLiteral("Тол"),
                   QStringLiteral("Пушкин"), QString()});
    ds.setRecNo(4);
    ds.edit();
    ds.setValue(QStringLiteral("day"), QDate(2022, 5, 6));
    ds.post();
    ds.setRecNo(2);
    int scrolls = 0;
    ds.events().afterScroll = [&] { ++scrolls; };
    const bool found = ds.locate(QString::fromUtf8(c.field), c.value, {c.partial, c.noCase});
    EXPECT_EQ(found, c.expectedRecNo != 0);
    EXPECT_EQ(ds.recNo(), c.expectedRecNo != 0 ? c.expectedRecNo : 2);
    EXPECT_EQ(scrolls, found ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Variants, LocateTest, ::testing::Values(
    LocateCase{"name", QStringLiteral("толстой"), false, false, 2},
    LocateCase{"name", QStringLiteral("ТОЛСТОЙ"), false, true, 1},
    LocateCase{"name", QStringLiteral("ТОЛСТОЙ"), false, false, 0},
    LocateCase{"name", QStringLiteral("Тол"), false, false, 3},
    LocateCase{"name", QStringLiteral("Тол"), true, false, 1},
    LocateCase{"name", QStringLiteral("тол"), true, false, 2},
    LocateCase{"name", QStringLiteral("пуш"), true, true, 4},
    LocateCase{"name", QStringLiteral("Пушкин А."), true, false, 0},
    LocateCase{"name", QString(), false, false, 5},
    LocateCase{"n", 4, false, false, 4},
    LocateCase{"n", QStringLiteral("3"), false, false, 3},
    LocateCase{"n", QStringLiteral("x"), false, false, 0},
    LocateCase{"day", QStringLiteral("06.05.2022"), false, false, 4},
    LocateCase{"day", QDate(2022, 5, 7), false, false, 0}));

TEST(Locate, FollowsTheSortAndTheFilter)
{
    Dataset ds;
    fillNames(ds, {"b1", "a1", "b2", "a2"});
    ds.addIndex(QStringLiteral("d_name"), QStringLiteral("name"), true);
    ds.setIndexName(QStringLiteral("d_name"));
    ASSERT_TRUE(ds.locate(QStringLiteral("name"), QStringLiteral("a"), {true, false}));
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("a2"));
    ds.setFilterText(QStringLiteral("name <> 'a2'"));
    ds.setFiltered(true);
    ASSERT_TRUE(ds.locate(QStringLiteral("name"), QStringLiteral("a"), {true, false}));
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("a1"));
    EXPECT_THROW(ds.locate(QStringLiteral("nosuch"), 1), TableError);
}

// Sorted on the located field, locate searches only the run of rows alike in letters: it must
// land on the row a scan of the whole view finds, whatever the order, case rule and key.
TEST(Locate, SortedOnTheFieldFindsWhatAScanOfTheViewFinds)
{
    Dataset ds;
    fillNames(ds, {QStringLiteral("ёлка"), QStringLiteral("Ёлка"), QStringLiteral("елка"), QStringLiteral("Елка"),
                   QStringLiteral("ежи"), QStringLiteral("Ежи"), QStringLiteral("ЕЖИ"), QStringLiteral("Толстой"),
                   QStringLiteral("толстой"), QStringLiteral("Тол"), QString(), QStringLiteral("apple"),
                   QStringLiteral("Apple"), QStringLiteral("1984"), QStringLiteral(" пробел"), QString(),
                   QStringLiteral("Толстой"), QStringLiteral("я"), QStringLiteral("Я")});
    ds.addIndex(QStringLiteral("up"), QStringLiteral("name"));
    ds.addIndex(QStringLiteral("down"), QStringLiteral("name"), true);
    ds.addIndex(QStringLiteral("two"), QStringLiteral("name;n"), true);
    const QString keys[] = {QString(), QStringLiteral("ё"), QStringLiteral("Ё"), QStringLiteral("е"),
                            QStringLiteral("Елка"), QStringLiteral("ЁЛКА"), QStringLiteral("ежи"), QStringLiteral("ЕЖ"),
                            QStringLiteral("Толстой"), QStringLiteral("ТОЛСТОЙ"), QStringLiteral("тол"),
                            QStringLiteral("APP"), QStringLiteral("1"), QStringLiteral(" "), QStringLiteral("я"),
                            QStringLiteral("нет такой"), QStringLiteral("Толстой Л.Н."), QStringLiteral("ъ")};
    const int nameField = ds.fieldIndex(QStringLiteral("name"));
    for (const QString& index : {QStringLiteral("up"), QStringLiteral("down"), QStringLiteral("two")}) {
        ds.setIndexName(index);
        for (const QString& key : keys)
            for (const bool partial : {false, true})
                for (const bool noCase : {false, true}) {
                    int expected = 0;
                    for (int i = 0; i < ds.recordCount() && expected == 0; ++i) {
                        const QString s = valueText(ds.valueAt(i, nameField));
                        const bool hit = ds.valueAt(i, nameField).isValid()
                                             ? (partial ? textStartsWith(s, key, noCase) : textEquals(s, key, noCase))
                                             : key.isEmpty();
                        if (hit)
                            expected = i + 1;
                    }
                    ds.setRecNo(3);
                    const bool found = ds.locate(QStringLiteral("name"), key, {partial, noCase});
                    const std::string what = QString(index + u' ' + key).toStdString() + (partial ? " partial" : "")
                                             + (noCase ? " no case" : "");
                    EXPECT_EQ(found, expected != 0) << what;
                    EXPECT_EQ(ds.recNo(), expected != 0 ? expected : 3) << what;
                }
    }
}

} // namespace
