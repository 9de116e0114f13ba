// "&Описание..." shows the guide made of every fragment in app/help, in name order;
// "&О..." shows the about box with the title and the two links.

#include "FormBookFixture.h"
#include "app/TFormCommon.h"
#include "app/help/HelpCommands.h"
#include "util/TFormTopic.h"
#include "util/Urllabel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextBrowser>

namespace folianto::test {
namespace {

using HelpCommands = FormBookTest;

// The text of the first heading of a fragment file.
QString firstHeading(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    static const QRegularExpression heading(QStringLiteral("<h[1-3][^>]*>(.*?)</h[1-3]>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const auto match = heading.match(QString::fromUtf8(file.readAll()));
    EXPECT_TRUE(match.hasMatch()) << "no heading in " << path.toStdString();
    return match.captured(1).simplified();
}

TEST_F(HelpCommands, TheGuideHoldsEveryFragmentInNameOrder)
{
    ASSERT_TRUE(start());
    const QDir sources(QStringLiteral(FOLIANTO_HELP_DIR));
    const QStringList names = sources.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    QStringList carried;
    for (const QString& path : app::HelpCommands::guideFragments())
        carried.append(QFileInfo(path).fileName());
    EXPECT_EQ(carried, names); // the build carries every fragment there is

    ui.expectDialog(app::HelpCommands::caption(), [&](QDialog& d) {
        auto* topic = qobject_cast<util::TFormTopic*>(&d);
        ASSERT_NE(topic, nullptr);
        EXPECT_EQ(topic->activePage(), QStringLiteral("ShAbout"));
        EXPECT_TRUE(topic->PanOk()->isHidden());
        EXPECT_EQ(d.width(), app::HelpCommands::kWidth);
        EXPECT_GT(d.maximumWidth(), d.minimumWidth()); // sizeable
        auto* memo = d.findChild<QTextBrowser*>(QStringLiteral("M"));
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->isReadOnly());
        const QString shown = memo->toPlainText();
        qsizetype previous = -1;
        for (const QString& name : names) {
            SCOPED_TRACE(name.toStdString());
            const QString heading = firstHeading(sources.filePath(name));
            const qsizetype at = shown.indexOf(heading);
            EXPECT_GE(at, 0) << heading.toStdString();
            EXPECT_GT(at, previous);
            previous = at;
        }
    });
    triggerCommand(*form, "mDescription");
    ui.verifyAllConsumed();
}

TEST_F(HelpCommands, TheAboutBoxShowsTheIconTheTitleAndTwoLinks)
{
    ASSERT_TRUE(start());
    ui.expectDialog(QStringLiteral("About..."), [](QDialog& d) {
        auto* about = qobject_cast<app::TFormCommon*>(&d);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->PanName()->text(), app::TFormBook::applicationTitle());
        EXPECT_TRUE(about->PanName()->font().bold());
        EXPECT_EQ(about->PanName()->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
        EXPECT_FALSE(about->Image1()->pixmap().isNull());
        const auto links = d.findChildren<util::TUrllabel*>();
        ASSERT_EQ(links.size(), 2);
        EXPECT_EQ(links[0]->linkTarget(), QStringLiteral("mailto:") + app::TFormCommon::mailAddress());
        EXPECT_EQ(links[1]->linkTarget(), app::TFormCommon::webAddress());
        EXPECT_TRUE(about->EdPas()->isHidden());
    });
    triggerCommand(*form, "mAbout");
    ui.verifyAllConsumed();
}

} // namespace
} // namespace folianto::test
