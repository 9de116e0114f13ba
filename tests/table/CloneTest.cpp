#include "TableFixture.h"

#include <gtest/gtest.h>

using namespace folianto::table;
using namespace folianto::table::test;

namespace {

const QString kName = QStringLiteral("name");

TEST(Clone, SeesChangesFromEveryCursor)
{
    Dataset ds;
    fillNames(ds, {"a", "b", "c"});
    ds.addIndex(QStringLiteral("d"), kName, true);
    ds.setIndexName(QStringLiteral("d"));
    std::unique_ptr<Dataset> c = ds.clone();
    EXPECT_EQ(c->indexName(), QString());
    EXPECT_FALSE(c->filtered());
    EXPECT_EQ(c->recNo(), 1);
    EXPECT_EQ(column(*c, kName), QStringList({"a", "b", "c"}));

    c->last();
    c->edit();
    c->setValue(kName, QStringLiteral("0"));
    c->post();
    appendRow(*c, {{"name", QStringLiteral("z")}});
    EXPECT_EQ(column(ds, kName), QStringList({"z", "b", "a", "0"}));

    ds.setRecNo(2); // "b"
    ds.edit();
    ds.setValue(kName, QStringLiteral("bb"));
    ds.post();
    EXPECT_EQ(column(*c, kName), QStringList({"a", "bb", "0", "z"}));
}

TEST(Clone, RowsDeletedElsewhereDoNotLeaveACursorBehind)
{
    Dataset ds;
    fillNames(ds, {"a", "b", "c"});
    std::unique_ptr<Dataset> c = ds.clone();
    ds.setRecNo(2);
    c->setRecNo(2);
    const Bookmark onB = ds.bookmark();
    c->remove();
    EXPECT_EQ(ds.recordCount(), 2);
    EXPECT_EQ(ds.asString(kName), QStringLiteral("c"));
    EXPECT_FALSE(ds.bookmarkValid(onB));
    EXPECT_THROW(ds.gotoBookmark(onB), TableError);

    // A row being edited through one cursor and deleted through another cannot be posted.
    ds.edit();
    c->setRecNo(2);
    c->remove();
    EXPECT_THROW(ds.post(), TableError);
    ds.cancel();
    EXPECT_EQ(column(ds, kName), QStringList({"a"}));
    EXPECT_EQ(ds.asString(kName), QStringLiteral("a"));
    c->remove();
    EXPECT_FALSE(ds.hasCurrentRow());
    EXPECT_EQ(ds.recNo(), 0);
}

TEST(Clone, OwnFilterSortAndCaseRule)
{
    Dataset ds;
    fillNames(ds, {"Ab", "ab", "b"});
    std::unique_ptr<Dataset> c = ds.clone();
    c->setFilterText(QStringLiteral("name = 'ab'"));
    c->setCaseInsensitive(true);
    c->setFiltered(true);
    EXPECT_EQ(c->recordCount(), 2);
    EXPECT_EQ(ds.recordCount(), 3);
    EXPECT_FALSE(ds.caseInsensitive());
    c->last();
    ds.first();
    ds.gotoCursorOf(*c);
    EXPECT_EQ(ds.recNo(), 2);

    ds.setRecNo(3);
    EXPECT_THROW(c->gotoCursorOf(ds), TableError); // "b" is outside the clone's filter

    Dataset other;
    fillNames(other, {"x"});
    EXPECT_THROW(ds.gotoCursorOf(other), TableError);
}

TEST(Clone, SurvivesTheMainCursorClosing)
{
    auto ds = std::make_unique<Dataset>();
    fillNames(*ds, {"a", "b"});
    std::unique_ptr<Dataset> c = ds->clone();
    ds->close();
    EXPECT_EQ(column(*c, kName), QStringList({"a", "b"}));
    ds.reset();
    c->first();
    EXPECT_EQ(c->asString(kName), QStringLiteral("a"));
}

TEST(Bookmarks, ReturnToTheSameRowAcrossOrderAndFilterChanges)
{
    Dataset ds;
    fillNames(ds, {"c", "a", "b"});
    ds.setRecNo(3); // "b"
    const Bookmark b = ds.bookmark();
    ds.addIndex(QStringLiteral("_name"), kName);
    ds.setIndexName(QStringLiteral("_name"));
    ds.first();
    ds.gotoBookmark(b);
    EXPECT_EQ(ds.asString(kName), QStringLiteral("b"));
    ds.setFilterText(QStringLiteral("name <> 'b'"));
    ds.setFiltered(true);
    EXPECT_FALSE(ds.bookmarkValid(b));
    EXPECT_THROW(ds.gotoBookmark(b), TableError);
    ds.setFiltered(false);
    EXPECT_TRUE(ds.bookmarkValid(b));
    EXPECT_FALSE(ds.bookmarkValid(Bookmark{}));
}

} // namespace
