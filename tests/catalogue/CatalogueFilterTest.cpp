// Find, the filter by a cell and the composed filter, through the catalogue view's commands.

#include "CatalogueFixtures.h"
#include "CatalogueViewFixture.h"
#include "catalogue/FilterCommands.h"

namespace folianto::test {
namespace {

namespace f = catalogue::field;
using catalogue::FilterCommands;

class CatalogueFilter : public CatalogueViewTest {
protected:
    void SetUp() override
    {
        open({{QStringLiteral("Альфа"), QStringLiteral("O'Brien"), QStringLiteral("Проза"), 500, 100},
              {QStringLiteral("Бета"), QStringLiteral("Пушкин"), {}, 1500, 37},
              {QStringLiteral("Гамма"), QStringLiteral("ПУШКИН"), QStringLiteral("Поэзия"), 2000, 0},
              {QStringLiteral("Дельта"), QStringLiteral("Толстой"), QStringLiteral("Проза"), 700, {}}});
    }
};

TEST_F(CatalogueFilter, CellFilterQuotesTheValueAndShowsItInTheCaption)
{
    ds().locate(f::BookName, QStringLiteral("Альфа"));
    selectColumn(f::Author);
    click(*mpFilter);
    EXPECT_EQ(ds().filterText(), QStringLiteral("_Author='O''Brien'"));
    EXPECT_EQ(titles(), QStringList{QStringLiteral("Альфа")});
    for (QAction* a : {mpFilter.get(), mFilter.get()}) {
        EXPECT_TRUE(a->isChecked());
        EXPECT_EQ(a->text(), QStringLiteral("&Фильтр:Автор=O'Brien"));
    }
    EXPECT_FALSE(mpFiltGroup->isChecked());
}

TEST_F(CatalogueFilter, EmptyCellFiltersByNullAndTheSameItemSwitchesItOffOnTheSameRow)
{
    ds().locate(f::BookName, QStringLiteral("Бета"));
    selectColumn(f::Topic);
    click(*mFilter); // the main menu's item works as the popup's
    EXPECT_EQ(ds().filterText(), QStringLiteral("_Topic=null"));
    EXPECT_EQ(mpFilter->text(), QStringLiteral("&Фильтр:Тема=пусто"));
    EXPECT_TRUE(mpFilter->isChecked());

    click(*mpFilter);
    EXPECT_FALSE(ds().filtered());
    EXPECT_EQ(titles().size(), 4);
    EXPECT_EQ(current(), QStringLiteral("Бета"));
    for (QAction* a : {mpFilter.get(), mFilter.get()}) {
        EXPECT_FALSE(a->isChecked());
        EXPECT_EQ(a->text(), QStringLiteral("&Фильтр"));
    }
}

TEST_F(CatalogueFilter, CaseRuleDecidesWhetherOtherCasesPass)
{
    for (const bool sensitive : {false, true}) {
        SCOPED_TRACE(sensitive);
        cat.setCaseSensitive(sensitive);
        ds().locate(f::BookName, QStringLiteral("Бета"));
        selectColumn(f::Author);
        click(*mpFilter);
        EXPECT_EQ(titles().size(), sensitive ? 1 : 2);
        click(*mpFilter);
    }
}

TEST_F(CatalogueFilter, CellFilterClosesAnOpenBookFirst)
{
    host.open = true;
    selectColumn(f::Author);
    click(*mpFilter);
    EXPECT_EQ(host.bookCloses, 1);
    click(*mpFilter); // switching off closes nothing
    EXPECT_EQ(host.bookCloses, 1);
}

TEST_F(CatalogueFilter, ComposedFilterReplacesTheCellFilter)
{
    host.filterList = {QStringLiteral(" _Size > '1000'"), QStringLiteral("or _Percent = '100'")};
    selectColumn(f::Author);
    click(*mpFilter);
    click(*mpFiltGroup);
    EXPECT_TRUE(mpFiltGroup->isChecked());
    EXPECT_FALSE(mpFilter->isChecked());
    EXPECT_FALSE(mFilter->isChecked());
    EXPECT_EQ(mpFilter->text(), QStringLiteral("&Фильтр"));
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("Альфа"), QStringLiteral("Бета"), QStringLiteral("Гамма")}));
}

TEST_F(CatalogueFilter, UnreadableComposedListIsReportedAndLeavesTheFilterOffAndTheListKept)
{
    const QStringList broken[] = {
        {QStringLiteral("( _Size > '1000'")},             // an unbalanced parenthesis
        {QStringLiteral(" _Gone='x'")},                    // a field the catalogue lacks
        {QStringLiteral(" _Size > 'много'")},              // not a number
    };
    for (const QStringList& list : broken) {
        SCOPED_TRACE(list.first().toStdString());
        host.filterList = list;
        ui.expectMessage(FilterCommands::badFilterMessage());
        click(*mpFiltGroup);
        EXPECT_FALSE(ds().filtered());
        EXPECT_FALSE(mpFiltGroup->isChecked());
        EXPECT_EQ(titles().size(), 4);
        EXPECT_EQ(host.filterList, list);
    }
}

TEST_F(CatalogueFilter, FindGoesToTheFirstRowInTheActiveOrderAmongFilteredRows)
{
    cat.setCaseSensitive(false);
    ds().addIndex(QStringLiteral("d_BookName"), f::BookName, true);
    ds().setIndexName(QStringLiteral("d_BookName"));
    ds().locate(f::BookName, QStringLiteral("Альфа"));
    selectColumn(f::Author);
    ui.expectInput(FilterCommands::findCaption(QStringLiteral("Автор")), FilterCommands::findPrompt(),
                   QStringLiteral("пуш"), QStringLiteral("O'Brien"));
    commands.filter().mpFindClick();
    EXPECT_EQ(current(), QStringLiteral("Гамма")); // case ignored; descending order

    cat.setCaseSensitive(true);
    ui.expectInput(FilterCommands::findCaption(QStringLiteral("Автор")), FilterCommands::findPrompt(),
                   QStringLiteral("пуш"));
    ui.expectMessage(FilterCommands::notFoundMessage());
    commands.filter().mpFindClick();
    EXPECT_EQ(current(), QStringLiteral("Гамма")); // the cursor stays
}

TEST_F(CatalogueFilter, FindOnANumberColumnComparesNumbers)
{
    selectColumn(f::Size);
    ui.expectInput(FilterCommands::findCaption(QStringLiteral("Всего")), FilterCommands::findPrompt(),
                   QStringLiteral("700"));
    commands.filter().mpFindClick();
    EXPECT_EQ(current(), QStringLiteral("Дельта"));

    ui.expectInput(FilterCommands::findCaption(QStringLiteral("Всего")), FilterCommands::findPrompt(),
                   QStringLiteral("70"));
    ui.expectMessage(FilterCommands::notFoundMessage());
    commands.filter().mpFindClick();

    // A pattern that is no number reaches the error box.
    ErrorCollector errors;
    InstalledInteraction collecting(errors);
    errors.expectInput(FilterCommands::findCaption(QStringLiteral("Всего")), FilterCommands::findPrompt(),
                       QStringLiteral("семь"));
    EXPECT_NO_THROW(commands.filter().mpFindClick());
    EXPECT_EQ(errors.errors.size(), 1);
}

} // namespace
} // namespace folianto::test
