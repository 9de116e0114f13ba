// The page `ShDef`: the extension list and its buttons, and the settings in and out.

#include "exchange/FileDefaultsPage.h"
#include "support/ScriptedInteraction.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace folianto;
using namespace folianto::test;
using exchange::FileDefaults;
using exchange::FileDefaultsPage;

namespace {

class FileDefaultsPageTest : public ::testing::Test {
protected:
    QStringList entries() const
    {
        QStringList list;
        for (int i = 0; i < page.LbExt()->count(); ++i)
            list.append(page.LbExt()->item(i)->text());
        return list;
    }
    void add(const QString& typed)
    {
        ui.expectInput(FileDefaultsPage::maskCaption(), FileDefaultsPage::maskPrompt(), typed, QString());
        page.ButAddExt()->click();
    }
    bool buttonsEnabled() const { return page.ButExtDel()->isEnabled() && page.ButExtClear()->isEnabled(); }

    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
    QWidget widget;
    FileDefaultsPage page{&widget};
};

TEST_F(FileDefaultsPageTest, AddingStoresLowerCaseWithoutDotsOnce)
{
    EXPECT_FALSE(page.ButExtDel()->isEnabled());
    EXPECT_FALSE(page.ButExtClear()->isEnabled());
    add(QStringLiteral(".TXT"));
    add(QStringLiteral("r.t.f"));
    EXPECT_EQ(entries(), (QStringList{"txt", "rtf"}));
    EXPECT_TRUE(buttonsEnabled());

    ui.expectInput(FileDefaultsPage::maskCaption(), FileDefaultsPage::maskPrompt(), QStringLiteral("Txt"));
    ui.expectMessage(FileDefaultsPage::alreadyThere());
    page.ButAddExt()->click();
    EXPECT_EQ(page.LbExt()->currentRow(), 0);

    add(QString()); // empty: nothing added
    ui.expectInput(FileDefaultsPage::maskCaption(), FileDefaultsPage::maskPrompt(), std::nullopt);
    page.ButAddExt()->click();
    add(QStringLiteral("..."));
    EXPECT_EQ(entries(), (QStringList{"txt", "rtf"}));
}

TEST_F(FileDefaultsPageTest, RemovingSelectsTheEntryBefore)
{
    page.setValues({.extMask = {"a", "b", "c", "d"}});
    page.LbExt()->setCurrentRow(2);
    page.ButExtDel()->click();
    EXPECT_EQ(entries(), (QStringList{"a", "b", "d"}));
    EXPECT_EQ(page.LbExt()->currentItem()->text(), QStringLiteral("b"));

    // The Delete key and a double click remove too; the first removed selects the new first.
    page.LbExt()->setCurrentRow(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(page.LbExt(), &del);
    EXPECT_EQ(entries(), (QStringList{"b", "d"}));
    EXPECT_EQ(page.LbExt()->currentRow(), 0);
    page.LbExt()->setCurrentRow(1); // a real double click selects the entry first
    Q_EMIT page.LbExt()->itemDoubleClicked(page.LbExt()->item(1));
    EXPECT_EQ(entries(), QStringList{"b"});

    // Nothing selected: nothing removed.
    page.LbExt()->clearSelection();
    page.ButExtDel()->click();
    EXPECT_EQ(entries(), QStringList{"b"});

    page.ButExtClear()->click();
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_FALSE(page.ButExtDel()->isEnabled());
    EXPECT_FALSE(page.ButExtClear()->isEnabled());
}

TEST_F(FileDefaultsPageTest, SettingsGoInAndComeBack)
{
    EXPECT_EQ(page.values(), FileDefaults{}); // ChImpFolder and ChFb2Desc on, the rest off
    const FileDefaults values{{"txt", "fb2"}, true, "Автор", "Тема", true, false, true, true, false, "/usr/bin/less", true};
    page.setValues(values);
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_EQ(page.values(), values);

    ui.expectOpenFile(QString(), QStringLiteral("/opt/reader"));
    page.ButProg()->click();
    EXPECT_EQ(page.EdProg()->text(), QStringLiteral("/opt/reader"));
    ui.expectOpenFile(QString(), QString());
    page.ButProg()->click();
    EXPECT_EQ(page.EdProg()->text(), QStringLiteral("/opt/reader"));
}

} // namespace
