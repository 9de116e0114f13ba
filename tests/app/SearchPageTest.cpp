// "&Условия поиска файла...": the page `ShSearch`, its copying in and out, and its buttons.

#include "FormBookFixture.h"
#include "app/options/SearchPage.h"
#include "util/TFormTopic.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace folianto::test {
namespace {

class SearchOptions : public FormBookTest {
protected:
    void startWith(const QString& subst, bool subDirs, bool writeFound)
    {
        ASSERT_TRUE(start({}, {}, [=](settings::ProgramSettings& s) {
            s.substPath = subst;
            s.subDirs = subDirs;
            s.writeFound = writeFound;
        }));
    }
    static app::SearchPage& pageOf(QDialog& d)
    {
        auto* page = d.findChild<app::SearchPage*>();
        EXPECT_NE(page, nullptr);
        return *page;
    }
    void run() { form->command(QStringLiteral("mCondition"))->trigger(); }
};

TEST_F(SearchOptions, ThePageShowsTheSettingsAndOkTakesThemBack)
{
    startWith(QStringLiteral("/srv/archive/"), false, true);
    const QString chosen = dir.file(QStringLiteral("books"));
    QDir().mkpath(chosen);
    ui.expectDialog(app::SearchPage::caption(), [](QDialog& d) {
        auto* topic = qobject_cast<util::TFormTopic*>(&d);
        ASSERT_NE(topic, nullptr);
        EXPECT_EQ(topic->activePage(), QStringLiteral("ShSearch"));
        app::SearchPage& page = pageOf(d);
        EXPECT_EQ(page.St()->text(), QStringLiteral("/srv/archive/"));
        EXPECT_FALSE(page.ChSubDirs()->isChecked());
        EXPECT_TRUE(page.ChWrite()->isChecked());
        page.ButPath()->click();
        page.ChSubDirs()->setChecked(true);
        page.ChWrite()->setChecked(false);
    });
    ui.expectFolder(app::SearchPage::browserTitle(), chosen);
    run();
    ui.verifyAllConsumed();
    EXPECT_EQ(form->settings().substPath, chosen + u'/');
    EXPECT_TRUE(form->settings().subDirs);
    EXPECT_FALSE(form->settings().writeFound);
}

TEST_F(SearchOptions, CancelKeepsEverythingAndDeletingThePathTakesEffectOnOk)
{
    startWith(QStringLiteral("/srv/archive/"), true, true);
    auto removeAndChange = [](QDialog& d) {
        app::SearchPage& page = pageOf(d);
        page.ButDelSubst()->click();
        EXPECT_EQ(page.St()->text(), QString());
        page.ChSubDirs()->setChecked(false);
    };
    ui.expectDialog(app::SearchPage::caption(), removeAndChange, QDialog::Rejected);
    run();
    EXPECT_EQ(form->settings().substPath, QStringLiteral("/srv/archive/"));
    EXPECT_TRUE(form->settings().subDirs);

    ui.expectDialog(app::SearchPage::caption(), removeAndChange, QDialog::Accepted);
    run();
    ui.verifyAllConsumed();
    EXPECT_EQ(form->settings().substPath, QString());
    EXPECT_FALSE(form->settings().subDirs);
    EXPECT_TRUE(form->settings().writeFound);
}

TEST_F(SearchOptions, TheFolderBrowserStartsInThePathAndACancelChangesNothing)
{
    const QString previous = QDir::currentPath();
    const QString folder = dir.file(QStringLiteral("subst"));
    QDir().mkpath(folder);
    QWidget sheet;
    app::SearchPage page(&sheet);
    page.setValues({folder + u'/'});
    ui.expectFolder(app::SearchPage::browserTitle(), QString());
    page.ButPathClick();
    ui.verifyAllConsumed();
    EXPECT_EQ(page.values().substPath, folder + u'/');
    EXPECT_EQ(QDir::currentPath(), QDir(folder).canonicalPath());
    EXPECT_EQ(ui.prompts().back().initial, QDir::currentPath());

    // A path that is gone is no error; a folder already ending in a separator keeps one.
    page.setValues({dir.file(QStringLiteral("gone/"))});
    ui.expectFolder(app::SearchPage::browserTitle(), folder + u'/');
    page.ButPathClick();
    EXPECT_EQ(page.values().substPath, folder + u'/');
    QDir::setCurrent(previous);
}

TEST_F(SearchOptions, EveryControlWithItsTextAndHint)
{
    QWidget sheet;
    app::SearchPage page(&sheet);
    QStringList labels;
    for (QLabel* l : sheet.findChildren<QLabel*>())
        if (l != page.St())
            labels << l->text();
    EXPECT_EQ(labels, (QStringList{
        QStringLiteral("Алгоритм поиска файла:"),
        QStringLiteral("1  Сначала для поиска используется путь к файлу, указанный в базе данных (в каталоге);"),
        QStringLiteral("    Если файл не найден то для поиска используется путь подстановки (при его наличии). "
                       "Успешное выполнение любого шага прекращает дальнейший поиск."),
        QStringLiteral("2  Из пути подстановки берётся только устройство (drive) и подставляется взамен "
                       "устройства из базы данных. Остальная часть пути к файлу не изменяется."),
        QStringLiteral("3  Весь путь подстановки вместе с устройством подставляется слева к указанному в базе;"),
        QStringLiteral("4  Поиск только в директории, указанной в качестве подстановки;"),
    }));
    EXPECT_EQ(page.St()->toolTip(), QStringLiteral("Путь подстановки"));
    EXPECT_EQ(page.ButPath()->toolTip(), QStringLiteral("Изменить путь подстановки..."));
    EXPECT_EQ(page.ButDelSubst()->toolTip(), QStringLiteral("Удалить путь подстановки"));
    EXPECT_EQ(page.ChSubDirs()->text(),
              QStringLiteral("5  По желанию - поиск от указанной директории и далее - вглубь по всему диску."));
    EXPECT_EQ(page.ChWrite()->text(),
              QStringLiteral("В случае успеха найденный путь может быть записан в базу взамен прежнего"));
    EXPECT_EQ(page.ChWrite()->toolTip(), QStringLiteral("Записать в каталог новую ссылку, если найден файл"));
}

} // namespace
} // namespace folianto::test
