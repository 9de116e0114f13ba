// The window as laid out: menus with their keys and checks, the status bar, the grid's columns,
// the toolbars, and the progress bar of a bulk change.

#include "FormBookFixture.h"
#include "app/GridColumns.h"
#include "catalogue/BulkChange.h"

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>

namespace folianto::test {
namespace {

class WindowLayout : public FormBookTest {
protected:
    void SetUp() override
    {
        FormBookTest::SetUp();
        ASSERT_TRUE(start());
    }
    QAction* item(const char* name) const { return form->command(QString::fromLatin1(name)); }
};

TEST_F(WindowLayout, TheMenuBarHasItsFourMenusInOrder)
{
    QStringList titles;
    for (QAction* a : form->menuBar()->actions())
        titles.append(a->text());
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&Файл"), QStringLiteral("&Книга"),
                                   QStringLiteral("&Настройки"), QStringLiteral("&Помощь")}));
}

TEST_F(WindowLayout, ItemsCarryTheirKeys)
{
    struct Key {
        const char* item;
        const char* keys;
    };
    const Key keys[] = {
        {"mProperties", "Ctrl+F1"}, {"mTray", "F12"},         {"mpNew", "Ins"},
        {"mpEdit", "F5"},           {"mpDelete", "Ctrl+Del"}, {"mpFind", "Ctrl+F"},
        {"mpOpen", "F2"},           {"mp1CloseBook", "F9"},   {"mcFullScreen", "F11"},
        {"mpExit", "F10"},          {"mpViewLibrary", "F2"},  {"mpSearch", "Ctrl+F"},
        {"mpEditBook", "F5"},       {"pmSetMark", "F7"},      {"mpGoToMark", "F8"},
        {"mpCloseBook", "F9"},      {"mbFullScreen", "F11"},  {"mbExit", "F10"},
        {"mExit", ""},              {"mCatalog", ""},
    };
    for (const Key& k : keys)
        EXPECT_EQ(item(k.item)->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(k.keys)) << k.item;
}

TEST_F(WindowLayout, ChecksHiddenItemsAndNestingAreAsDesigned)
{
    const app::TFormBook designed; // as built, before any setting is applied
    for (const char* on : {"mShowBar", "mShowStatus", "mConFile", "mCase", "mConfirm"})
        EXPECT_TRUE(designed.command(QString::fromLatin1(on))->isChecked()) << on;
    for (const char* off : {"mTestFile", "mFastRead", "mpFilter", "mFilter", "mpFiltGroup", "mcFullScreen"}) {
        EXPECT_TRUE(item(off)->isCheckable()) << off;
        EXPECT_FALSE(item(off)->isChecked()) << off;
    }
    for (const char* hidden : {"mPage", "mpPage", "mProperties"})
        EXPECT_FALSE(item(hidden)->isVisible()) << hidden;

    const auto& menus = form->menus();
    EXPECT_TRUE(menus.menu(QStringLiteral("mImportData"))->actions().contains(item("mImportBBS")));
    EXPECT_TRUE(menus.menu(QStringLiteral("mpSetAsCurrent"))->actions().contains(item("mpSetOem")));
    EXPECT_TRUE(menus.menu(QStringLiteral("mpGroupOps"))->actions().contains(item("mpSetAsCurrent")));
    EXPECT_TRUE(menus.menu(QStringLiteral("mChecks"))->actions().contains(item("mConfirm")));
    EXPECT_TRUE(form->readingPopup()->actions().contains(item("mpCopyToBook")));
    EXPECT_TRUE(form->gridPopup()->actions().contains(item("mpExternal")));
    EXPECT_EQ(item("mpExternal")->text(), QStringLiteral("&Внешняя программа  (Ctrl+Enter)"));
    EXPECT_EQ(app::MenuSet::tag(item("mpExternal")), 21);
    EXPECT_EQ(app::MenuSet::tag(item("mbFullScreen")), 11);
    EXPECT_FALSE(form->bookOpen()); // "П&рервать чтение" starts disabled
}

TEST_F(WindowLayout, TheStatusBarHasFivePanels)
{
    const int widths[] = {85, 80, 120, 250, 100};
    for (int i = 0; i < 5; ++i) {
        auto* panel = form->findChild<QWidget*>(QStringLiteral("SbPanel%1").arg(i));
        ASSERT_NE(panel, nullptr) << i;
        EXPECT_EQ(panel->width(), widths[i]) << i;
    }
    EXPECT_EQ(form->statusPanelText(0), QStringLiteral("В каталоге:"));
    EXPECT_EQ(form->statusPanelText(2), QStringLiteral("Открыта книга:"));
}

TEST_F(WindowLayout, TheGridShowsTheEightDefaultColumnsInFieldOrder)
{
    const QString path = dir.file(QStringLiteral("g.bon"));
    writeTitles(path, {QStringLiteral("Один")});
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), path);
    triggerCommand(*form, "mCatalog");
    QTableView* grid = form->grid();
    QStringList shown;
    QList<int> widths;
    for (int v = 0; v < grid->horizontalHeader()->count(); ++v) {
        const int logical = grid->horizontalHeader()->logicalIndex(v);
        if (grid->isColumnHidden(logical))
            continue;
        shown.append(grid->model()->headerData(logical, Qt::Horizontal).toString());
        widths.append(grid->columnWidth(logical));
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Книга"), QStringLiteral("Автор"), QStringLiteral("Тема"),
                                  QStringLiteral("Начало"), QStringLiteral("Послед"), QStringLiteral("Прочт%"),
                                  QStringLiteral("Всего"), QStringLiteral("Примечание")}));
    ASSERT_EQ(widths.size(), 8);
    EXPECT_GT(widths[0], widths[1]); // 25 characters against 14
    EXPECT_GT(widths[1], widths[2]); // 14 against 10
    EXPECT_EQ(widths[3], widths[4]); // both dates
    EXPECT_GE(widths[3], grid->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")));
    EXPECT_EQ(widths[0], widths[7]); // both 25
}

TEST_F(WindowLayout, TheGridAndTheCatalogueCursorFollowEachOther)
{
    const QString path = dir.file(QStringLiteral("c.bon"));
    writeTitles(path, {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В")});
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), path);
    triggerCommand(*form, "mCatalog");
    QTableView* grid = form->grid();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(2, 0), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(ds().recNo(), 3);
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("3/3"));
    ds().first();
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("1/3"));
}

TEST_F(WindowLayout, ABulkChangeShowsTheProgressBarOnlyWhileItRuns)
{
    const QString path = dir.file(QStringLiteral("b.bon"));
    writeTitles(path, {QStringLiteral("А")});
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), path);
    triggerCommand(*form, "mCatalog");
    EXPECT_FALSE(form->progressBarShown());
    {
        catalogue::BulkChange bulk(form->catalogue());
        EXPECT_TRUE(form->progressBarShown());
        bulk.setProgress(40);
        EXPECT_EQ(form->progressBar()->value(), 40);
    }
    EXPECT_FALSE(form->progressBarShown());
    EXPECT_TRUE(form->catalogue().rowEventsOn());
}

TEST_F(WindowLayout, TheTitleClickTimerClearsTheGuardAndStops)
{
    EXPECT_EQ(form->titleClickTimer()->interval(), 500);
    EXPECT_FALSE(form->titleClickTimer()->isActive());
    form->armTitleClickGuard();
    EXPECT_TRUE(form->titleClickGuard());
    EXPECT_TRUE(form->titleClickTimer()->isActive());
    QMetaObject::invokeMethod(form->titleClickTimer(), "timeout", Qt::DirectConnection); // the 500 ms are over
    EXPECT_FALSE(form->titleClickGuard());
    EXPECT_FALSE(form->titleClickTimer()->isActive());
    EXPECT_EQ(form->alarmTimer()->interval(), 60000);
    EXPECT_FALSE(form->alarmTimer()->isActive());
}

TEST_F(WindowLayout, HidingTheButtonsHidesBothToolbars)
{
    auto* tbLib = form->findChild<QWidget*>(QStringLiteral("TbLib"));
    auto* tbBook = form->findChild<QWidget*>(QStringLiteral("TbBook"));
    item("mShowBar")->trigger();
    EXPECT_TRUE(tbLib->isHidden());
    EXPECT_TRUE(tbBook->isHidden());
    item("mShowBar")->trigger();
    EXPECT_FALSE(tbLib->isHidden());
}

} // namespace
} // namespace folianto::test
