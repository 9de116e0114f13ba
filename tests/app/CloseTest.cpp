// The close request, with and without confirmation, and what closing leaves on disk.

#include "../catalogue/CatalogueFixtures.h"
#include "FormBookFixture.h"

#include <QFileInfo>

namespace folianto::test {
namespace {

class Closing : public FormBookTest {
protected:
    void startWith(bool confirm)
    {
        path = dir.file(QStringLiteral("c.bon"));
        writeCatalogue(path, {{QStringLiteral("Один")}, {QStringLiteral("Два")}, {QStringLiteral("Три")}});
        ASSERT_TRUE(start({path}, {}, [confirm](settings::ProgramSettings& s) { s.confirmClose = confirm; }));
        ASSERT_TRUE(ds().locate(catalogue::field::BookName, QStringLiteral("Три")));
    }
    QString path;
};

TEST_F(Closing, CancellingTheConfirmationKeepsEverything)
{
    startWith(true);
    const QByteArray before = TempDir::read(path);
    ui.expectQuestion(app::TFormBook::closeQuestion(), Answer::Cancel, Question::OkCancel);
    triggerCommand(*form, "mExit");
    ui.verifyAllConsumed();
    EXPECT_TRUE(form->catalogue().isOpen());
    EXPECT_FALSE(form->shuttingDown());
    EXPECT_EQ(TempDir::read(path), before);
    EXPECT_FALSE(saved.has_value());
}

TEST_F(Closing, AConfirmedCloseMarksTheRowWritesAndSavesTheSettings)
{
    startWith(true);
    ui.expectQuestion(app::TFormBook::closeQuestion(), Answer::Ok, Question::OkCancel);
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_TRUE(form->shuttingDown());
    EXPECT_FALSE(form->catalogue().isOpen());
    EXPECT_EQ(readTitlesAndMarks(path),
              (QStringList{QStringLiteral("Один|"), QStringLiteral("Два|"), QStringLiteral("Три|1")}));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->recentCatalog, path);
}

TEST_F(Closing, WithoutConfirmationExitClosesAtOnceAndClearsTheWorkFolder)
{
    startWith(false);
    ASSERT_FALSE(form->workFolder().isEmpty());
    QDir().mkpath(form->workFolder());
    QFile leftover(form->workFolder() + QStringLiteral("/~ur.tmp"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_FALSE(QFileInfo::exists(form->workFolder()));
    EXPECT_FALSE(form->catalogue().isOpen());
}

TEST_F(Closing, ReopeningPutsTheCursorBackWhereTheReaderWas)
{
    startWith(false);
    ASSERT_TRUE(form->FormCloseQuery());
    form.reset();
    ASSERT_TRUE(start({}, path));
    EXPECT_EQ(ds().asString(catalogue::field::BookName), QStringLiteral("Три"));
    EXPECT_EQ(marksOf(ds()), QStringList());
    EXPECT_EQ(form->statusPanelText(1), QStringLiteral("3/3")); // sorted by title: Два, Один, Три
}

TEST_F(Closing, ACatalogueThatCannotBeWrittenIsNotLostSilently)
{
    startWith(false);
    const QByteArray before = TempDir::read(path);
    {
        FileSizeLimit full(64);
        ErrorCollector tolerant;
        InstalledInteraction installedHere(tolerant);
        tolerant.expectQuestion(app::TFormBook::unsavedCloseQuestion(), Answer::No, Question::YesNo);
        EXPECT_FALSE(form->FormCloseQuery());
        EXPECT_EQ(tolerant.errors.size(), 1);
        tolerant.verifyAllConsumed();
    }
    EXPECT_TRUE(form->catalogue().isOpen());
    EXPECT_FALSE(form->shuttingDown());
    EXPECT_EQ(TempDir::read(path), before);
    EXPECT_FALSE(saved.has_value());
    // Once the disk has room again, closing works.
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_EQ(readTitlesAndMarks(path)[2], QStringLiteral("Три|1"));
}

} // namespace
} // namespace folianto::test
