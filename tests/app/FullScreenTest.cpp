// The interface toggles: full screen with its two items kept in step and the bars it hides and
// brings back, across a restart too; tray mode through the icon's activation.

#include "FormBookFixture.h"
#include "app/FullScreen.h"
#include "app/tray/TrayMode.h"

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTableView>
#include <QToolBar>

namespace folianto::test {
namespace {

class Toggles : public FormBookTest {
protected:
    void startShown(const Adjust& adjust = {})
    {
        ASSERT_TRUE(start({}, {}, adjust));
        form->show();
    }
    bool checked(const char* name) const { return form->command(QString::fromLatin1(name))->isChecked(); }
    bool barsShown() const { return !form->findChild<QToolBar*>(QStringLiteral("TbLib"))->isHidden(); }
    bool statusShown() const { return !form->statusBar()->isHidden(); }
};

TEST_F(Toggles, FullScreenKeepsBothItemsInStepAndBringsTheBarsBack)
{
    startShown();
    for (const char* on : {"mcFullScreen", "mbFullScreen"}) {
        SCOPED_TRACE(on);
        form->command(QString::fromLatin1(on))->trigger();
        EXPECT_TRUE(checked("mcFullScreen"));
        EXPECT_TRUE(checked("mbFullScreen"));
        EXPECT_TRUE(app::isFullScreenApplied(*form));
        EXPECT_TRUE(form->windowState().testFlag(Qt::WindowMaximized));
        EXPECT_FALSE(checked("mShowBar"));
        EXPECT_FALSE(barsShown());
        EXPECT_FALSE(statusShown());
        EXPECT_TRUE(form->isVisible());
        // F11 from the other popup leaves it.
        form->command(QString::fromLatin1(on == std::string("mcFullScreen") ? "mbFullScreen" : "mcFullScreen"))->trigger();
        EXPECT_FALSE(checked("mcFullScreen"));
        EXPECT_FALSE(checked("mbFullScreen"));
        EXPECT_FALSE(app::isFullScreenApplied(*form));
        EXPECT_FALSE(form->menuBar()->isHidden());
        EXPECT_TRUE(barsShown());
        EXPECT_TRUE(statusShown());
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(Toggles, LeavingFullScreenRestoresTheBarsAsTheyWereLastSetByHand)
{
    startShown();
    triggerCommand(*form, "mShowStatus"); // the status bar off, by hand
    EXPECT_FALSE(statusShown());
    form->command(QStringLiteral("mcFullScreen"))->trigger();
    // In full screen the buttons are switched on by hand: that is what leaving restores.
    form->command(QStringLiteral("mShowBar"))->trigger();
    EXPECT_TRUE(barsShown());
    form->command(QStringLiteral("mcFullScreen"))->trigger();
    EXPECT_TRUE(checked("mShowBar"));
    EXPECT_FALSE(checked("mShowStatus"));
    EXPECT_TRUE(barsShown());
    EXPECT_FALSE(statusShown());
}

TEST_F(Toggles, FullScreenSurvivesARestartAndLeavingItThenBringsTheBarsBack)
{
    startShown();
    form->command(QStringLiteral("mcFullScreen"))->trigger();
    form->close();
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->fullScreen);
    EXPECT_TRUE(saved->showBar); // the bars as they were before full screen
    EXPECT_TRUE(saved->showStatus);

    const settings::ProgramSettings last = *saved;
    form.reset();
    ASSERT_TRUE(start({}, {}, [&](settings::ProgramSettings& s) { s = last; s.confirmClose = false; }));
    EXPECT_TRUE(checked("mcFullScreen"));
    EXPECT_TRUE(app::isFullScreenApplied(*form));
    EXPECT_FALSE(barsShown());
    form->show();
    form->command(QStringLiteral("mbFullScreen"))->trigger();
    EXPECT_FALSE(app::isFullScreenApplied(*form));
    EXPECT_TRUE(barsShown());
    EXPECT_TRUE(statusShown());
}

TEST_F(Toggles, FullScreenReturnsToTheSameCatalogueRow)
{
    writeTitles(dir.file(QStringLiteral("c.bon")), {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В")});
    ASSERT_TRUE(start({dir.file(QStringLiteral("c.bon"))}));
    form->show();
    ds().setRecNo(2);
    form->command(QStringLiteral("mcFullScreen"))->trigger();
    EXPECT_EQ(ds().recNo(), 2);
    EXPECT_EQ(form->focusWidget(), static_cast<QWidget*>(form->grid()));
}

TEST_F(Toggles, TheTrayHidesTheWindowAndOnlyALeftClickBringsItBack)
{
    startShown();
    form->tray().setTrayAvailable([] { return true; });
    triggerCommand(*form, "mTray");
    EXPECT_FALSE(form->isVisible());
    QSystemTrayIcon* icon = form->tray().icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), app::TFormBook::applicationTitle());
    EXPECT_FALSE(icon->icon().isNull());
    for (auto reason : {QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::DoubleClick}) {
        Q_EMIT icon->activated(reason);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->tray().icon(), icon);
    }
    Q_EMIT icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->tray().icon(), nullptr);
}

TEST_F(Toggles, WithoutATrayTheWindowStaysVisible)
{
    startShown();
    form->tray().setTrayAvailable([] { return false; });
    triggerCommand(*form, "mTray");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->tray().icon(), nullptr);
}

} // namespace
} // namespace folianto::test
