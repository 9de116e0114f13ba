#include "TableFixture.h"
#include "engines/table/DatasetModel.h"

#include <gtest/gtest.h>

using namespace folianto::table;
using namespace folianto::table::test;

namespace {

// Counts what a model announced.
struct ModelLog {
    int inserted = 0, removed = 0, changed = 0, resets = 0, cursor = 0;
    explicit ModelLog(DatasetModel& m)
    {
        QObject::connect(&m, &QAbstractItemModel::rowsInserted, [this] { ++inserted; });
        QObject::connect(&m, &QAbstractItemModel::rowsRemoved, [this] { ++removed; });
        QObject::connect(&m, &QAbstractItemModel::dataChanged, [this] { ++changed; });
        QObject::connect(&m, &QAbstractItemModel::modelReset, [this] { ++resets; });
        QObject::connect(&m, &DatasetModel::cursorRowChanged, [this] { ++cursor; });
    }
    int total() const { return inserted + removed + changed + resets; }
};

QStringList modelColumn(const DatasetModel& m, int col)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out.append(m.data(m.index(r, col)).toString());
    return out;
}

TEST(DatasetModel, RowsFollowTheViewAndItsChanges)
{
    Dataset ds;
    fillNames(ds, {"в", "а", "б"});
    DatasetModel model(ds);
    ModelLog log(model);
    model.setHeaderTitles({QStringLiteral("Книга")});
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Книга"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("n"));
    EXPECT_EQ(model.columnCount(), ds.fieldCount());

    ds.addIndex(QStringLiteral("_name"), QStringLiteral("name"));
    ds.setIndexName(QStringLiteral("_name"));
    EXPECT_EQ(modelColumn(model, 0), QStringList({"а", "б", "в"}));
    EXPECT_EQ(log.resets, 1);

    ds.first();
    ds.edit();
    ds.setValue(QStringLiteral("name"), QStringLiteral("г")); // moves to the end
    ds.post();
    EXPECT_EQ(modelColumn(model, 0), QStringList({"б", "в", "г"}));
    EXPECT_EQ(model.currentRow(), 2);
    EXPECT_EQ(log.removed, 1);
    EXPECT_EQ(log.inserted, 1);

    ds.edit();
    ds.setValue(QStringLiteral("day"), QDate(2020, 1, 1)); // stays in place
    ds.post();
    EXPECT_EQ(log.changed, 1);
    EXPECT_EQ(model.data(model.index(2, 2)).toString(), QStringLiteral("01.01.2020"));
    EXPECT_EQ(model.data(model.index(2, 2), Qt::EditRole).toDate(), QDate(2020, 1, 1));

    ds.setFilterText(QStringLiteral("name <> 'в'"));
    ds.setFiltered(true);
    EXPECT_EQ(modelColumn(model, 0), QStringList({"б", "г"}));

    std::unique_ptr<Dataset> c = ds.clone();
    appendRow(*c, {{"name", QStringLiteral("а")}});
    EXPECT_EQ(modelColumn(model, 0), QStringList({"а", "б", "г"}));
    c->first();
    c->remove();
    EXPECT_EQ(modelColumn(model, 0), QStringList({"а", "б", "г"})); // "в" was filtered out anyway
    EXPECT_GT(log.cursor, 0);
}

TEST(DatasetModel, SilentWhileSuspendedThenOneReset)
{
    Dataset ds;
    fillNames(ds, {"a", "b"});
    DatasetModel model(ds);
    ModelLog log(model);
    ds.disableControls();
    fillNames(ds, {"c", "d"});
    ds.first();
    ds.remove();
    ds.setFilterText(QStringLiteral("name <> 'c'"));
    ds.setFiltered(true);
    EXPECT_EQ(log.total(), 0);
    ds.enableControls();
    EXPECT_EQ(log.resets, 1);
    EXPECT_EQ(log.total(), 1);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(modelColumn(model, 0), QStringList({"b", "d"}));

    ds.close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
}

TEST(DatasetModel, CalculatedColumnsAreComputedPerRow)
{
    Dataset ds;
    ds.setFieldDefs(sampleDefs());
    ds.events().calcFields = [&] { ds.setCalcValue(QStringLiteral("calc"), ds.asInt(QStringLiteral("n")) % 2 == 0); };
    fillNames(ds, {"a", "b", "c"});
    DatasetModel model(ds);
    const int calc = ds.fieldIndex(QStringLiteral("calc"));
    EXPECT_EQ(modelColumn(model, calc), QStringList({"False", "True", "False"}));
    EXPECT_EQ(ds.recNo(), 3); // reading the model does not move the cursor
}

} // namespace
