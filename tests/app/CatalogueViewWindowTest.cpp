// The catalogue view's commands as the window offers them: each through its item or the grid.

#include "FormBookFixture.h"
#include "catalogue/FilterCommands.h"
#include "catalogue/GridLook.h"
#include "catalogue/TablePage.h"
#include "catalogue/TopicCommands.h"
#include "util/TFormTopic.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace folianto::test {
namespace {

namespace f = catalogue::field;

class CatalogueViewWindow : public FormBookTest {
protected:
    void SetUp() override
    {
        FormBookTest::SetUp();
        const QString path = dir.file(QStringLiteral("w.bon"));
        table::Dataset file;
        file.setFieldDefs(catalogue::catalogueFieldDefs());
        file.createEmpty();
        const QStringList rows[] = {{QStringLiteral("Б"), QStringLiteral("Чехов"), QStringLiteral("Проза")},
                                    {QStringLiteral("А"), QStringLiteral("Пушкин"), QStringLiteral("Поэзия")},
                                    {QStringLiteral("В"), QStringLiteral("Пушкин"), QStringLiteral("проза")}};
        for (const QStringList& r : rows) {
            file.append();
            file.setValue(f::BookName, r[0]);
            file.setValue(f::Author, r[1]);
            file.setValue(f::Topic, r[2]);
            file.post();
        }
        file.saveToFile(path);
        ASSERT_TRUE(start({path}));
    }
    int column(const QString& field) { return ds().fieldIndex(field); }
    void selectColumn(const QString& field)
    {
        form->grid()->setCurrentIndex(form->grid()->model()->index(ds().recNo() - 1, column(field)));
    }
    void clickTitle(const QString& field) { Q_EMIT form->grid()->horizontalHeader()->sectionClicked(column(field)); }
    void timerFires() { QMetaObject::invokeMethod(form->titleClickTimer(), "timeout", Qt::DirectConnection); }
};

TEST_F(CatalogueViewWindow, TitleClickSortsOnceWithinTheGuardAndMarksTheTitle)
{
    clickTitle(f::Author);
    clickTitle(f::Author); // within the 500 ms
    EXPECT_EQ(form->settings().indexName, QStringLiteral("_Author"));
    timerFires();
    clickTitle(f::Author);
    EXPECT_EQ(form->settings().indexName, QStringLiteral("d_Author"));
    auto* header = dynamic_cast<catalogue::GridHeader*>(form->grid()->horizontalHeader());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->titleTextColor(column(f::Author)), catalogue::colour::Descending);
}

TEST_F(CatalogueViewWindow, DoubleClickAfterATitleClickOpensNothing)
{
    clickTitle(f::Author);
    Q_EMIT form->grid()->doubleClicked(form->grid()->currentIndex()); // a book open would prompt
    EXPECT_FALSE(form->bookOpen());
}

TEST_F(CatalogueViewWindow, CellFilterThroughThePopupKeepsTheMainMenuInStep)
{
    ds().locate(f::BookName, QStringLiteral("А"));
    selectColumn(f::Author);
    triggerCommand(*form, "mpFilter");
    EXPECT_EQ(ds().recordCount(), 2);
    EXPECT_EQ(form->command(QStringLiteral("mFilter"))->text(), QStringLiteral("&Фильтр:Автор=Пушкин"));
    EXPECT_TRUE(form->command(QStringLiteral("mFilter"))->isChecked());
    triggerCommand(*form, "mFilter");
    EXPECT_EQ(ds().recordCount(), 3);
    EXPECT_FALSE(form->command(QStringLiteral("mpFilter"))->isChecked());
}

TEST_F(CatalogueViewWindow, ComposedFilterHidingEveryRowCanBeSwitchedOff)
{
    form->settings().filterConditions = {QStringLiteral(" _Author='Гоголь'")};
    form->UpdateViewState();
    triggerCommand(*form, "mpFiltGroup");
    EXPECT_EQ(ds().recordCount(), 0);
    triggerCommand(*form, "mpFiltGroup");
    EXPECT_EQ(ds().recordCount(), 3);
}

TEST_F(CatalogueViewWindow, FindThroughTheMenu)
{
    selectColumn(f::BookName);
    ui.expectInput(catalogue::FilterCommands::findCaption(QStringLiteral("Книга")),
                   catalogue::FilterCommands::findPrompt(), QStringLiteral("В"));
    triggerCommand(*form, "mFind");
    EXPECT_EQ(ds().asString(f::BookName), QStringLiteral("В"));
}

TEST_F(CatalogueViewWindow, SortListThroughTheExtendedMenu)
{
    form->settings().sortFields = {f::Author, f::BookName};
    form->UpdateViewState();
    triggerCommand(*form, "mpSortGroup");
    EXPECT_EQ(form->settings().indexName, QStringLiteral("_Author;_BookName"));
    ds().first();
    EXPECT_EQ(ds().asString(f::BookName), QStringLiteral("А"));
}

TEST_F(CatalogueViewWindow, TopicWindowRebuildsAStaleCacheWhenShown)
{
    ui.expectDialog(catalogue::TopicCommands::caption(), [](QDialog& d) {
        d.show(); // the page rebuilds the stale cache as it is shown
        auto* list = d.findChild<QListWidget*>(QStringLiteral("LbTopic"));
        ASSERT_TRUE(list);
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(d.width(), 320);
        EXPECT_GT(d.maximumHeight(), 287); // resizable
        d.findChild<QPushButton*>(QStringLiteral("ButFilterTopic"))->click();
    });
    triggerCommand(*form, "mpTopic");
    EXPECT_FALSE(form->catalogueCommands().topicCacheStale());
    EXPECT_EQ(ds().filterText(), QStringLiteral("_Topic='Поэзия'"));
    EXPECT_EQ(form->command(QStringLiteral("mFilter"))->text(), QStringLiteral("&Фильтр:Тема=Поэзия"));
}

TEST_F(CatalogueViewWindow, TablePageStoresTheListsOnOkDroppingUnknownFields)
{
    form->settings().sortFields = {QStringLiteral("_Gone"), f::Author};
    ui.expectDialog(catalogue::TablePage::caption(), [](QDialog& d) {
        auto* filters = d.findChild<QListWidget*>(QStringLiteral("LbFilt"));
        ASSERT_TRUE(filters);
        filters->addItem(QStringLiteral(" _Author='Пушкин'"));
    });
    triggerCommand(*form, "mDefTable");
    EXPECT_EQ(form->settings().sortFields, QStringList{f::Author});
    EXPECT_EQ(form->settings().filterConditions, QStringList{QStringLiteral(" _Author='Пушкин'")});
    EXPECT_TRUE(enabled("mpFiltGroup"));
}

} // namespace
} // namespace folianto::test
