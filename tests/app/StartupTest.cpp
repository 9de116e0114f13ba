// The start-up sequence: the argument, the choice of the catalogue, and its failure paths.

#include "FormBookFixture.h"
#include "support/TempDirAsTmp.h"

#include <QFileInfo>
#include <stdexcept>

namespace folianto::test {
namespace {

TEST_F(FormBookTest, ArgumentsWithoutTheBonExtensionEndTheStart)
{
    for (const char* argument : {"Books.txt", "Books", "Books.bon.txt", "Books."}) {
        SCOPED_TRACE(argument);
        ui.expectMessage(app::TFormBook::extensionMessage());
        EXPECT_FALSE(start({QString::fromLatin1(argument)}));
        EXPECT_FALSE(form->startupOk());
        ui.verifyAllConsumed();
    }
}

TEST_F(FormBookTest, ARelativeArgumentIsCompletedAgainstTheLaunchDirectory)
{
    // Upper case passes the check; the file is found below the launch directory, not below the
    // process's current directory.
    QDir().mkpath(launchDir() + QStringLiteral("/sub"));
    const QString path = launchDir() + QStringLiteral("/sub/Books.BON");
    writeTitles(path, {QStringLiteral("Одна")});
    ASSERT_NE(QDir::currentPath(), launchDir());
    ASSERT_TRUE(start({QStringLiteral("sub/Books.BON")}));
    EXPECT_TRUE(form->catalogue().isOpen());
    EXPECT_EQ(form->catalogue().fileName(), path);
    EXPECT_EQ(form->windowTitle(), path);
    EXPECT_EQ(form->infoText(), QString());
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("1/1"));
}

TEST_F(FormBookTest, AMissingRecentCatalogueGivesWayToTheFirstOneBesideTheProgram)
{
    writeTitles(exeDir() + QStringLiteral("/b.bon"), {QStringLiteral("Б")});
    writeTitles(exeDir() + QStringLiteral("/a.bon"), {QStringLiteral("А")});
    ASSERT_TRUE(start({}, dir.file(QStringLiteral("deleted.bon"))));
    EXPECT_EQ(form->catalogue().fileName(), exeDir() + QStringLiteral("/a.bon"));
}

TEST_F(FormBookTest, TheRecentCatalogueOpensWhenItExists)
{
    const QString recent = dir.file(QStringLiteral("recent.bon"));
    writeTitles(recent, {QStringLiteral("Р")});
    writeTitles(exeDir() + QStringLiteral("/a.bon"), {QStringLiteral("А")});
    ASSERT_TRUE(start({}, recent));
    EXPECT_EQ(form->catalogue().fileName(), recent);
}

TEST_F(FormBookTest, WithNothingToOpenTheWindowInvitesToOpenACatalogue)
{
    ASSERT_TRUE(start());
    EXPECT_FALSE(form->catalogue().isOpen());
    EXPECT_EQ(form->infoText(), QStringLiteral("Откройте или создайте Bon-каталог"));
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("0/0"));
    EXPECT_EQ(form->windowTitle(), QString());
    EXPECT_FALSE(enabled("mNew"));
    EXPECT_FALSE(enabled("mImportData"));
    EXPECT_TRUE(enabled("mCatalog"));
    EXPECT_TRUE(enabled("mFile"));
    EXPECT_FALSE(enabled("mBook"));
}

TEST_F(FormBookTest, ADamagedCatalogueLeavesTheProgramRunningWithNone)
{
    const QString path = dir.write(QStringLiteral("bad.bon"), "not a catalogue");
    ui.expectMessage(catalogue::Catalogue::accessErrorText());
    ASSERT_TRUE(start({path}));
    EXPECT_FALSE(form->catalogue().isOpen());
    EXPECT_EQ(TempDir::read(path), QByteArray("not a catalogue"));
    EXPECT_EQ(form->windowTitle(), QString());
}

TEST_F(FormBookTest, AnErrorDuringStartUpIsShownAndNoWindowRuns)
{
    app::ShellServices services;
    services.loadSettings = [](settings::SettingsHost&) -> QString { throw std::runtime_error("Реестр недоступен"); };
    form = std::make_unique<app::TFormBook>(services);
    ui.expectMessage(QStringLiteral("Реестр недоступен"), MessageKind::Error);
    EXPECT_FALSE(form->FormCreate({{}, launchDir(), exeDir()}));
}

TEST_F(FormBookTest, StartUpKeepsTheLoadedChecksAndFixesAZeroTimeout)
{
    // Its own temporary folder: other tests of the run may have made the work folder already.
    const TempDirAsTmp tmp;
    ASSERT_TRUE(start({}, {}, [](settings::ProgramSettings& s) {
        s.haTimeout = 0;
        s.showBar = false;
        s.caseSensitive = false;
        s.propertiesOffered = true;
    }));
    EXPECT_EQ(form->settings().haTimeout, 300);
    EXPECT_FALSE(form->command(QStringLiteral("mShowBar"))->isChecked());
    EXPECT_FALSE(form->command(QStringLiteral("mCase"))->isChecked());
    EXPECT_TRUE(form->command(QStringLiteral("mProperties"))->isVisible());
    EXPECT_TRUE(form->acceptDrops());
    EXPECT_TRUE(form->workFolder().endsWith(QStringLiteral("BOOKDATA")));
    EXPECT_FALSE(QFileInfo::exists(form->workFolder())); // computed, not created
}

} // namespace
} // namespace folianto::test
