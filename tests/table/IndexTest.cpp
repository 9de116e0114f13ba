#include "TableFixture.h"
#include "engines/table/Collation.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <algorithm>

using namespace folianto::table;
using namespace folianto::table::test;

namespace {

const QString kName = QStringLiteral("name");

// The order a full sort gives: by the keys, ties in storage order (here: by "n").
QStringList expectedOrder(Dataset& ds, bool descending)
{
    std::unique_ptr<Dataset> plain = ds.clone();
    struct Item { QVariant name; int n; };
    std::vector<Item> items;
    for (int i = 0; i < plain->recordCount(); ++i)
        items.push_back({plain->valueAt(i, 0), plain->valueAt(i, 1).toInt()});
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        const int c = compareValues(a.name, b.name, FieldType::String);
        return descending ? c > 0 : c < 0;
    });
    QStringList out;
    for (const Item& i : items)
        out.append(valueText(i.name) + u'#' + QString::number(i.n));
    return out;
}

QStringList actualOrder(const Dataset& ds)
{
    QStringList out;
    for (int i = 0; i < ds.recordCount(); ++i)
        out.append(valueText(ds.valueAt(i, 0)) + u'#' + QString::number(ds.valueAt(i, 1).toInt()));
    return out;
}

TEST(Index, PostedChangesKeepTheOrderOfAFullSort)
{
    for (const bool descending : {false, true}) {
        Dataset ds;
        const QStringList words = {"ель", "Ёж", "арбуз", "Баня", "яблоко", "дом", "ель", "", "Ель", "Жук",
                                  "арбузная корка", "арбузный сок", "Арбузный сок", "ёлка", "елка", "12", "2"};
        fillNames(ds, words);
        ds.addIndex(QStringLiteral("idx"), kName, descending);
        ds.setIndexName(QStringLiteral("idx"));
        EXPECT_EQ(ds.indexName(), QStringLiteral("idx"));
        ASSERT_EQ(actualOrder(ds), expectedOrder(ds, descending));

        QRandomGenerator rng(7);
        for (int step = 0; step < 60; ++step) {
            const int op = int(rng.bounded(3));
            if (op == 0 && ds.recordCount() > 0) {
                ds.setRecNo(int(rng.bounded(ds.recordCount())) + 1);
                ds.edit();
                ds.setValue(kName, words[int(rng.bounded(words.size()))]);
                ds.post();
            } else if (op == 1) {
                ds.setRecNo(int(rng.bounded(qMax(1, ds.recordCount()))) + 1);
                ds.insert(); // storage place before the current row
                ds.setValue(kName, words[int(rng.bounded(words.size()))]);
                ds.setValue(QStringLiteral("n"), 100 + step);
                ds.post();
            } else if (ds.recordCount() > 0) {
                ds.setRecNo(int(rng.bounded(ds.recordCount())) + 1);
                ds.remove();
            }
            ASSERT_EQ(actualOrder(ds), expectedOrder(ds, descending)) << "step " << step;
            if (step % 4 == 0) {
                // A fresh sort after changes must not reuse what an earlier sort knew.
                ds.setIndexName(QString());
                ds.setIndexName(QStringLiteral("idx"));
                ASSERT_EQ(actualOrder(ds), expectedOrder(ds, descending)) << "resorted at step " << step;
            }
        }
        // A full rebuild gives the same order as the step-by-step one.
        const QStringList stepwise = actualOrder(ds);
        ds.setIndexName(QString());
        ds.setIndexName(QStringLiteral("idx"));
        EXPECT_EQ(actualOrder(ds), stepwise);
    }
}

TEST(Index, CursorFollowsThePostedRow)
{
    Dataset ds;
    fillNames(ds, {"б", "в", "г"});
    ds.addIndex(QStringLiteral("_name"), kName);
    ds.setIndexName(QStringLiteral("_name"));
    ds.last();
    ds.edit();
    ds.setValue(kName, QStringLiteral("а"));
    ds.post();
    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_EQ(ds.asString(kName), QStringLiteral("а"));
    ds.append();
    ds.setValue(kName, QStringLiteral("бб"));
    ds.post();
    EXPECT_EQ(ds.asString(kName), QStringLiteral("бб"));
    EXPECT_EQ(ds.recNo(), 3);
}

TEST(Index, MultiFieldIndexesAndNames)
{
    Dataset ds;
    fillNames(ds, {"b", "a", "b", "a"});
    ds.setRecNo(1);
    ds.edit();
    ds.setValue(QStringLiteral("day"), QDate(2020, 1, 2));
    ds.post();
    ds.addIndex(QStringLiteral("ind_grp"), QStringLiteral("name;day"));
    ds.setIndexName(QStringLiteral("ind_grp"));
    // Nulls first within equal names.
    EXPECT_EQ(column(ds, QStringLiteral("n")), QStringList({"2", "4", "3", "1"}));
    EXPECT_EQ(ds.indexDefs().size(), 1);
    EXPECT_EQ(ds.indexDefs()[0].fields, QStringList({"name", "day"}));

    EXPECT_THROW(ds.setIndexName(QStringLiteral("unknown")), TableError);
    EXPECT_EQ(ds.indexName(), QStringLiteral("ind_grp"));
    EXPECT_THROW(ds.addIndex(QStringLiteral("bad"), QStringLiteral("name;nosuch")), TableError);
    ds.deleteIndex(QStringLiteral("ind_grp"));
    EXPECT_EQ(ds.indexName(), QString());
    EXPECT_EQ(column(ds, QStringLiteral("n")), QStringList({"1", "2", "3", "4"}));
}

TEST(Index, KeepsTheCurrentRowWhenTheOrderChanges)
{
    Dataset ds;
    fillNames(ds, {"c", "a", "b"});
    ds.setRecNo(1); // "c"
    ds.addIndex(QStringLiteral("d_name"), kName, true);
    ds.addIndex(QStringLiteral("_name"), kName);
    ds.setIndexName(QStringLiteral("_name"));
    EXPECT_EQ(ds.asString(kName), QStringLiteral("c"));
    EXPECT_EQ(ds.recNo(), 3);
    ds.setIndexName(QStringLiteral("d_name"));
    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_EQ(column(ds, kName), QStringList({"c", "b", "a"}));
}

} // namespace
