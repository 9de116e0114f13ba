#include "util/TFormTopic.h"
#include "support/ScriptedInteraction.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace folianto::test {
namespace {

using util::TFormTopic;

TEST(TFormTopic, IsAFixedSizeDialogWithHiddenTabsAndAnOkPanel)
{
    TFormTopic dialog;
    dialog.addPage(QStringLiteral("ShSearch"));
    dialog.addPage(QStringLiteral("ShPart"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Книга"));
    EXPECT_EQ(dialog.size(), QSize(588, 287));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(dialog.pages()->tabBar()->isHidden());
    EXPECT_EQ(dialog.BitBtnOk()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog.BitBtnOk()->isDefault());
    EXPECT_EQ(dialog.BtCancel()->parentWidget(), dialog.PanOk());
    dialog.selectPage(QStringLiteral("ShPart"));
    EXPECT_EQ(dialog.activePage(), QStringLiteral("ShPart"));
    EXPECT_THROW(dialog.selectPage(QStringLiteral("ShNone")), std::out_of_range);
}

TEST(TFormTopic, TheGlobalReferenceLivesAsLongAsTheDialog)
{
    EXPECT_EQ(TFormTopic::current(), nullptr);
    {
        TFormTopic dialog;
        EXPECT_EQ(TFormTopic::current(), &dialog);
    }
    EXPECT_EQ(TFormTopic::current(), nullptr);
}

TEST(TFormTopic, OkRunsTheActivePagesCheckAndCancelNeverDoes)
{
    TFormTopic dialog;
    dialog.addPage(QStringLiteral("ShCard"));
    dialog.addPage(QStringLiteral("ShPart"));
    int checks = 0;
    bool allow = false;
    dialog.setOkCheck(QStringLiteral("ShCard"), [&] { ++checks; return allow; });
    dialog.selectPage(QStringLiteral("ShCard"));
    dialog.setResult(-1);
    dialog.BitBtnOk()->click();
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(dialog.result(), -1); // refused: still open
    allow = true;
    dialog.BitBtnOk()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.selectPage(QStringLiteral("ShPart")); // no check on this page
    dialog.setResult(-1);
    dialog.BitBtnOk()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.BtCancel()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(checks, 2);
}

TEST(TFormTopic, ShowingPreparesOnlyTheActivePage)
{
    TFormTopic dialog;
    dialog.addPage(QStringLiteral("ShTopic"));
    dialog.addPage(QStringLiteral("ShTab"));
    QStringList prepared;
    dialog.setShowHandler(QStringLiteral("ShTopic"), [&] { prepared.append(QStringLiteral("ShTopic")); });
    dialog.setShowHandler(QStringLiteral("ShTab"), [&] { prepared.append(QStringLiteral("ShTab")); });
    dialog.selectPage(QStringLiteral("ShTab"));
    dialog.setWindowTitle(QStringLiteral("Работа с таблицей"));

    ScriptedInteraction ui;
    InstalledInteraction installed(ui);
    ui.expectDialog(QStringLiteral("Работа с таблицей"), [](QDialog& d) { d.show(); });
    EXPECT_EQ(util::interaction().runDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(prepared, QStringList{QStringLiteral("ShTab")});
}

} // namespace
} // namespace folianto::test
