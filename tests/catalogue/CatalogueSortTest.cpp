// Sorting by a title click and by the sort list; the titles and cells as the grid draws them.

#include "CatalogueViewFixture.h"
#include "catalogue/RememberedSort.h"

#include <QHeaderView>

namespace folianto::test {
namespace {

namespace f = catalogue::field;
using catalogue::GridDelegate;
using catalogue::GridHeader;
using catalogue::SortMark;

class CatalogueSort : public CatalogueViewTest {
protected:
    void SetUp() override
    {
        open({{QStringLiteral("Б"), QStringLiteral("Чехов"), QStringLiteral("Проза")},
              {QStringLiteral("А"), QStringLiteral("Пушкин"), QStringLiteral("Поэзия")},
              {QStringLiteral("В"), QStringLiteral("Пушкин"), QStringLiteral("Проза")}});
    }
    int column(const QString& field) { return ds().fieldIndex(field); }
    GridHeader& header() { return *static_cast<GridHeader*>(grid.horizontalHeader()); }
    void titleClick(const QString& field)
    {
        commands.sort().DBGTitleClick(column(field));
        host.guard = false; // the 500 ms are over
    }
};

TEST_F(CatalogueSort, TitleClicksCycleAndMarkTheTitle)
{
    const QColor normalText = header().titleTextColor(column(f::Topic));
    titleClick(f::Author);
    EXPECT_EQ(host.indName, QStringLiteral("_Author"));
    EXPECT_EQ(header().sortMark(column(f::Author)), SortMark::Ascending);
    EXPECT_EQ(header().titleTextColor(column(f::Author)), catalogue::colour::Ascending);
    EXPECT_EQ(header().titleBackground(column(f::Author)), grid.palette().color(QPalette::ToolTipBase));

    titleClick(f::Author);
    EXPECT_EQ(host.indName, QStringLiteral("d_Author"));
    EXPECT_EQ(header().titleTextColor(column(f::Author)), catalogue::colour::Descending);
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("Б"), QStringLiteral("А"), QStringLiteral("В")}));

    titleClick(f::Author);
    EXPECT_EQ(host.indName, QStringLiteral("_Author"));

    titleClick(f::BookName);
    EXPECT_EQ(host.indName, QStringLiteral("_BookName"));
    EXPECT_EQ(header().sortMark(column(f::Author)), SortMark::None);
    EXPECT_EQ(header().titleTextColor(column(f::Author)), normalText);
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В")}));
}

TEST_F(CatalogueSort, ClicksWhileTheGuardIsSetSortNothing)
{
    commands.sort().DBGTitleClick(column(f::Author));
    EXPECT_TRUE(host.guard);
    commands.sort().DBGTitleClick(column(f::Author)); // within the 500 ms
    EXPECT_EQ(host.indName, QStringLiteral("_Author"));
}

TEST_F(CatalogueSort, CurrentRowStaysCurrent)
{
    ds().locate(f::BookName, QStringLiteral("В"));
    titleClick(f::Topic);
    EXPECT_EQ(current(), QStringLiteral("В"));
}

TEST_F(CatalogueSort, SortListOrdersByItsFieldsAndMarksNoTitle)
{
    host.sortList = {f::Author, f::BookName};
    commands.sort().mpSortGroupClick();
    EXPECT_EQ(host.indName, QStringLiteral("_Author;_BookName"));
    EXPECT_EQ(ds().indexName(), QStringLiteral("ind_grp"));
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("А"), QStringLiteral("В"), QStringLiteral("Б")}));
    for (int c = 0; c < model.columnCount(); ++c)
        EXPECT_EQ(header().sortMark(c), SortMark::None);

    host.sortList = {f::Topic, f::BookName};
    commands.sort().mpSortGroupClick();
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В")}));

    // A list naming a field that is gone leaves the order.
    host.sortList = {QStringLiteral("_Gone"), f::BookName};
    commands.sort().mpSortGroupClick();
    EXPECT_EQ(host.indName, QStringLiteral("_Topic;_BookName"));
}

TEST_F(CatalogueSort, RememberedSortIsAppliedAsAtTheClick)
{
    catalogue::applyRememberedSort(ds(), QStringLiteral("d_Author"));
    EXPECT_EQ(header().sortMark(column(f::Author)), SortMark::Descending);
    catalogue::applyRememberedSort(ds(), QStringLiteral("_Topic;_BookName"));
    EXPECT_EQ(ds().indexName(), QStringLiteral("ind_grp"));
}

class GridCells : public CatalogueViewTest {};

TEST_F(GridCells, OpenBookPercentAndMissingFileColours)
{
    catalogueHost.fileCheck = true; // the catalogue computes `_TestFile`
    open({{QStringLiteral("Открытая"), {}, {}, 10, 100}, {QStringLiteral("Читаемая"), {}, {}, 10, 37},
          {QStringLiteral("Новая"), {}, {}, 10, 0}, {QStringLiteral("Пустая"), {}, {}, 10, {}}});
    ds().locate(f::BookName, QStringLiteral("Открытая"));
    table::editAndPost(ds(), [&] {
        ds().setValue(f::Cur, catalogue::mark::OpenBook);
        ds().setValue(f::FileName, dir.file(QStringLiteral("нет.txt")));
    });
    const auto& delegate = *static_cast<GridDelegate*>(grid.itemDelegate());
    auto look = [&](const QString& title, const QString& field, QStyle::State state = QStyle::State_Enabled) {
        const int row = titles().indexOf(title);
        return delegate.cellLook(model.index(row, ds().fieldIndex(field)), state);
    };
    EXPECT_EQ(look(QStringLiteral("Открытая"), f::BookName).background, catalogue::colour::OpenBook);
    EXPECT_FALSE(look(QStringLiteral("Читаемая"), f::BookName).background);
    EXPECT_EQ(look(QStringLiteral("Открытая"), f::Percent).text, catalogue::colour::Finished);
    EXPECT_EQ(look(QStringLiteral("Читаемая"), f::Percent).text, catalogue::colour::Reading);
    EXPECT_FALSE(look(QStringLiteral("Новая"), f::Percent).text);
    EXPECT_FALSE(look(QStringLiteral("Пустая"), f::Percent).text);
    // The current cell keeps the normal highlight.
    EXPECT_FALSE(look(QStringLiteral("Открытая"), f::BookName, QStyle::State_Selected).background);
    EXPECT_FALSE(
        look(QStringLiteral("Открытая"), f::BookName, QStyle::State_Selected | QStyle::State_HasFocus).background);
    // A missing file is pink only while the check is on.
    EXPECT_FALSE(look(QStringLiteral("Открытая"), f::Size).background);
    fileCheck = true;
    EXPECT_EQ(look(QStringLiteral("Открытая"), f::Size).background, catalogue::colour::MissingFile);
}

} // namespace
} // namespace folianto::test
