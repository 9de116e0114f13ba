// What UpdateViewState enables in each situation of the window.

#include "FormBookFixture.h"
#include "app/PropertiesPanel.h"

#include <QComboBox>

namespace folianto::test {
namespace {

struct Expectation {
    const char* control;
    bool enabled;
};

class ViewState : public FormBookTest {
protected:
    void openCatalogue(const QStringList& titles)
    {
        const QString path = dir.file(QStringLiteral("v.bon"));
        writeTitles(path, titles);
        ASSERT_TRUE(start({path}));
    }
    void expectStates(std::initializer_list<Expectation> list)
    {
        for (const Expectation& e : list)
            EXPECT_EQ(enabled(e.control), e.enabled) << e.control;
    }
};

// Every control gated by HasRows, by its object name.
const char* const kRowCommands[] = {
    "mOpenbook", "mpOpen", "TlBtOpen", "mFind", "mpFind", "mpFileOps", "mEdit", "mpEdit", "TlBtEdit",
    "mDelete", "mpDelete", "TlBtDel", "mpUnread", "mSave", "mpReplace", "mpTopic", "mpDef",
    "mpGroupOps", "mpClone", "mpExternal", "mFilter", "mpFilter",
};

TEST_F(ViewState, AnEmptyCatalogueAllowsAddingButNotRowCommands)
{
    openCatalogue({});
    expectStates({{"mNew", true}, {"mpNew", true}, {"TlBtNew", true}, {"mImportData", true},
                  {"mSaveCatAs", false}, {"m1Closebook", false}, {"mpGoToBook", false},
                  {"mPart", true}, {"mFastRead", true}, {"mFile", true}, {"mBook", false}});
    for (const char* name : kRowCommands)
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(form->propertiesPanel()->isEnabled());
}

TEST_F(ViewState, RowsEnableTheRowCommandsAndTheListsGateTheExtendedOnes)
{
    openCatalogue({QStringLiteral("Один"), QStringLiteral("Два")});
    for (const char* name : kRowCommands)
        EXPECT_TRUE(enabled(name)) << name;
    expectStates({{"mSaveCatAs", true}, {"mpSortGroup", false}, {"mpFiltGroup", false}});

    form->settings().sortFields = QStringList{QStringLiteral("_Author")};
    form->settings().filterConditions = QStringList{QStringLiteral("_Author = 'Лем'")};
    form->UpdateViewState();
    expectStates({{"mpSortGroup", true}, {"mpFiltGroup", true}});
}

TEST_F(ViewState, TheBookViewDisablesTheCatalogueCommands)
{
    openCatalogue({QStringLiteral("Один")});
    form->setBookOpen(true);
    form->showBookView();
    form->UpdateViewState();
    EXPECT_EQ(form->frontView(), form->bookView());
    expectStates({{"mFile", false}, {"mBook", true}, {"mNew", false}, {"mOpenbook", false},
                  {"m1Closebook", true}, {"mpGoToBook", true}, {"mPart", false}, {"mFastRead", false},
                  {"mCatalog", true}, {"mExit", true}});
    EXPECT_FALSE(form->propertiesPanel()->isEnabled());
}

TEST_F(ViewState, ReturningToTheListKeepsTheBookOpenAndTheCatalogueInFront)
{
    openCatalogue({QStringLiteral("Один")});
    form->setBookOpen(true);
    form->showBookView();
    form->UpdateViewState();

    triggerCommand(*form, "mViewLibrary");
    EXPECT_TRUE(form->catalogueShown());
    EXPECT_EQ(form->frontView(), form->catalogueView());
    EXPECT_TRUE(form->bookOpen());
    expectStates({{"mBook", false}, {"mFile", true}, {"m1Closebook", true}, {"mpGoToBook", true},
                  {"mOpenbook", true}, {"mPart", false}});
    EXPECT_FALSE(form->propertiesPanel()->isEnabled());

    // Closing the book from the list leaves the list in front.
    form->command(QStringLiteral("m1Closebook"))->trigger();
    EXPECT_FALSE(form->bookOpen());
    EXPECT_EQ(form->frontView(), form->catalogueView());
    expectStates({{"m1Closebook", false}, {"mpGoToBook", false}, {"mPart", true}});
    EXPECT_TRUE(form->propertiesPanel()->isEnabled());
}

TEST_F(ViewState, WithoutAnOpenBookTheCatalogueViewComesToTheFront)
{
    openCatalogue({QStringLiteral("Один")});
    form->showBookView();
    form->UpdateViewState();
    EXPECT_TRUE(form->catalogueShown());
    EXPECT_EQ(form->frontView(), form->catalogueView());
    EXPECT_FALSE(enabled("mBook"));
}

TEST_F(ViewState, AFilterThatHidesEveryRowCanStillBeSwitchedOff)
{
    openCatalogue({QStringLiteral("Один"), QStringLiteral("Два")});
    ds().setFilterText(QStringLiteral("_BookName = 'Такой нет'"));
    ds().setFiltered(true);
    form->command(QStringLiteral("mpFilter"))->setChecked(true);
    form->command(QStringLiteral("mpFiltGroup"))->setChecked(true);
    form->UpdateViewState();
    ASSERT_EQ(ds().recordCount(), 0);
    expectStates({{"mFilter", true}, {"mpFilter", true}, {"mpFiltGroup", true}, {"mSave", false},
                  {"mOpenbook", false}, {"mSaveCatAs", false}, {"mNew", true}});
}

TEST_F(ViewState, SwitchingCataloguesResetsTheFilterCommandsAndTheTopicCache)
{
    openCatalogue({QStringLiteral("Один")});
    QAction* filter = form->command(QStringLiteral("mpFilter"));
    filter->setText(QStringLiteral("&Фильтр:Тема"));
    filter->setChecked(true);
    form->topicCache()->addItem(QStringLiteral("Тема"));
    const QString other = dir.file(QStringLiteral("other.bon"));
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), other);
    triggerCommand(*form, "mCatalog");
    EXPECT_EQ(form->catalogue().fileName(), other);
    EXPECT_FALSE(filter->isChecked());
    EXPECT_EQ(filter->text(), QStringLiteral("&Фильтр"));
    EXPECT_EQ(form->topicCache()->count(), 0);
    EXPECT_TRUE(form->catalogueCommands().topicCacheStale());
    EXPECT_EQ(form->windowTitle(), other);
}

TEST_F(ViewState, TheInfoLabelOpensTheCatalogueDialogOnlyWhileItHasText)
{
    ASSERT_TRUE(start());
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), QString());
    form->catalogueCommands().LabInfoClick();
    ui.verifyAllConsumed();

    const QString path = dir.file(QStringLiteral("new.bon"));
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), path);
    form->catalogueCommands().LabInfoClick();
    EXPECT_EQ(form->infoText(), QString());
    form->catalogueCommands().LabInfoClick(); // empty text: nothing is asked
    ui.verifyAllConsumed();
}

} // namespace
} // namespace folianto::test
