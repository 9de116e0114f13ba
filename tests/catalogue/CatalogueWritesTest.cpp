// Write-through of posted rows, the single write of a bulk change, and writes that fail.

#include "CatalogueFixtures.h"
#include "FakeCatalogueHost.h"
#include "catalogue/BulkChange.h"
#include "catalogue/Catalogue.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace folianto::test {
namespace {

namespace f = catalogue::field;
using catalogue::BulkChange;
using catalogue::Catalogue;

class CatalogueWrites : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file(QStringLiteral("w.bon"));
        std::vector<FixtureRow> rows;
        for (int i = 1; i <= 20; ++i)
            rows.push_back({QStringLiteral("Книга %1").arg(i, 2, 10, QLatin1Char('0'))});
        writeCatalogue(path, rows);
        ASSERT_TRUE(cat.SwitchCatalogue(path));
        cat.setRowEventsOn(true);
    }
    void rename(const QString& title)
    {
        cat.Ds().edit();
        cat.Ds().setValue(f::BookName, title);
    }
    QStringList stored() const { return readTitlesAndMarks(path); }

    TempDir dir;
    ErrorCollector ui;
    InstalledInteraction installed{ui};
    FakeCatalogueHost host;
    Catalogue cat{host};
    QString path;
};

TEST_F(CatalogueWrites, EveryPostedRowIsWrittenAtOnce)
{
    rename(QStringLiteral("Новая"));
    cat.Ds().post();
    EXPECT_EQ(stored().first(), QStringLiteral("Новая|"));
    cat.Ds().next();
    cat.Ds().remove();
    EXPECT_EQ(stored().size(), 19);
    EXPECT_EQ(ui.errors, QStringList());
}

TEST_F(CatalogueWrites, PanelRefreshFollowsAPostOnlyWhileThePanelIsActive)
{
    const int before = host.viewStateUpdates;
    rename(QStringLiteral("А"));
    cat.Ds().post();
    EXPECT_EQ(host.viewStateUpdates, before);
    host.panelActive = true;
    rename(QStringLiteral("Б"));
    cat.Ds().post();
    EXPECT_EQ(host.viewStateUpdates, before + 1);
}

TEST_F(CatalogueWrites, BulkChangeWritesOnceAtTheEndAndRestoresEverything)
{
    const QByteArray original = TempDir::read(path);
    const int positionsBefore = int(host.positions.size());
    {
        BulkChange bulk(cat);
        EXPECT_FALSE(cat.rowEventsOn());
        EXPECT_TRUE(cat.Ds().controlsDisabled());
        EXPECT_TRUE(host.progressShown);
        // Renamed rows move in the sorted view, so the rows are visited by bookmark.
        std::vector<table::Bookmark> rows;
        for (int r = 0; r < cat.Ds().recordCount(); ++r)
            rows.push_back(cat.Ds().bookmarkAt(r));
        int n = 0;
        for (const table::Bookmark& b : rows) {
            cat.Ds().gotoBookmark(b);
            rename(QStringLiteral("Пачка %1").arg(++n, 2, 10, QLatin1Char('0')));
            EXPECT_TRUE(bulk.postRow());
            bulk.setProgress(n * 5);
        }
        EXPECT_EQ(TempDir::read(path), original); // nothing written yet
        EXPECT_EQ(int(host.positions.size()), positionsBefore);
        bulk.finish();
        EXPECT_EQ(stored().first(), QStringLiteral("Пачка 01|"));
        EXPECT_EQ(bulk.postedRows(), 20);
    }
    EXPECT_TRUE(cat.rowEventsOn());
    EXPECT_FALSE(cat.Ds().controlsDisabled());
    EXPECT_FALSE(host.progressShown);
    EXPECT_GT(int(host.positions.size()), positionsBefore);
    EXPECT_EQ(stored().last(), QStringLiteral("Пачка 20|"));
}

TEST_F(CatalogueWrites, BulkChangeLeftByAnErrorStillRestoresAndKeepsWhatWasPosted)
{
    try {
        BulkChange bulk(cat);
        cat.Ds().first();
        rename(QStringLiteral("До ошибки"));
        bulk.postRow();
        cat.Ds().next();
        rename(QStringLiteral("Не дописана"));
        throw std::runtime_error("operation failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(cat.rowEventsOn());
    EXPECT_FALSE(cat.Ds().controlsDisabled());
    EXPECT_FALSE(host.progressShown);
    const QStringList rows = stored();
    EXPECT_EQ(rows[0], QStringLiteral("До ошибки|"));
    EXPECT_EQ(rows[1], QStringLiteral("Не дописана|")); // a pending edit is finished too
}

TEST_F(CatalogueWrites, AFailedWriteIsReportedAndTheFileKeepsItsContent)
{
    const QByteArray original = TempDir::read(path);
    {
        FileSizeLimit full(64);
        rename(QStringLiteral("Не поместится"));
        cat.Ds().post();
    }
    EXPECT_EQ(ui.errors.size(), 1);
    EXPECT_EQ(TempDir::read(path), original);
    // The change stays in memory; the next write that succeeds stores it.
    EXPECT_EQ(cat.Ds().asString(f::BookName), QStringLiteral("Не поместится"));
    cat.mSaveClick();
    EXPECT_EQ(stored().first(), QStringLiteral("Не поместится|"));
}

TEST_F(CatalogueWrites, AFailedBulkWriteThrowsAndStillRestores)
{
    const QByteArray original = TempDir::read(path);
    {
        BulkChange bulk(cat);
        rename(QStringLiteral("Х"));
        bulk.postRow();
        FileSizeLimit full(64);
        EXPECT_THROW(bulk.finish(), table::TableError);
    }
    EXPECT_TRUE(cat.rowEventsOn());
    EXPECT_FALSE(host.progressShown);
    EXPECT_EQ(TempDir::read(path), original);
}

TEST_F(CatalogueWrites, ACatalogueThatCannotBeWrittenStaysOpenWithoutTheCloseMark)
{
    const QString other = dir.file(QStringLiteral("other.bon"));
    writeCatalogue(other, {{QStringLiteral("Другая")}});
    cat.Ds().setRecNo(3);
    const QByteArray original = TempDir::read(path);
    {
        FileSizeLimit full(64);
        EXPECT_FALSE(cat.SwitchCatalogue(other));
    }
    EXPECT_TRUE(cat.isOpen());
    EXPECT_EQ(cat.fileName(), path);
    EXPECT_FALSE(cat.lastCloseError().isEmpty());
    EXPECT_EQ(marksOf(cat.Ds()), QStringList());
    EXPECT_EQ(cat.Ds().recNo(), 3);
    EXPECT_EQ(TempDir::read(path), original);
    EXPECT_TRUE(cat.rowEventsOn());
}

} // namespace
} // namespace folianto::test
