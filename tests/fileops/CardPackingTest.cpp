// Packing the book card's file into a zip archive (`ButZip`), and ZipFile itself.

#include "FileOpsFixture.h"
#include "catalogue/BookCard.h"
#include "catalogue/BookCardPage.h"
#include "engines/archive/Vzp.h"
#include "fileops/ZipFile.h"
#include "reader/ArchiveExtract.h"
#include "support/FileSizeLimit.h"
#include "util/Paths.h"

#include <QComboBox>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QToolButton>

namespace folianto::test {
namespace {

using catalogue::BookCard;
namespace field = catalogue::field;

QStringList entriesOf(const QString& zip)
{
    archive::Vzp vzp;
    vzp.setArchiveName(zip);
    QStringList names;
    if (vzp.readDirectory())
        for (int i = 0; i < vzp.count(); ++i)
            names.append(vzp.entry(i).path);
    return names;
}

class CardPacking : public FileOps {
protected:
    // Opens the card on a catalogue whose one row links to `file`.
    void openCard(const QString& file)
    {
        open({file});
        catalogue::BookCardServices services;
        services.listEntries = [this](table::Dataset& row) {
            catalogue::CardFileEntries out;
            out.found = reader::LocateBookFile(row, {}, row.asString(field::FileName));
            reader::ArchiveRequest request;
            request.workFolder = dir.file(QStringLiteral("work"));
            const reader::ArchiveEntries entries = reader::ListArchiveEntries(out.found, request);
            out.items = entries.items;
            out.selected = entries.selected;
            return out;
        };
        services.zipFile = [this](const QString& source, const QString& archive, QProgressBar* bar) {
            barGiven = bar;
            return fileops::ZipFile(source, archive, bar);
        };
        card.emplace(page, window.cat.Ds(), services);
        card->beginEdit();
        card->locateFile();
        card->updateZipButton();
    }
    void expectPacking(const QString& proposed, const QString& answer)
    {
        ui.expectSaveFile(BookCard::zipCaption(), answer);
        expectedProposal = proposed;
    }
    void click()
    {
        card->ButZipClick();
        ui.verifyAllConsumed();
        if (!expectedProposal.isEmpty()) {
            EXPECT_EQ(ui.prompts().front().request.directory.toStdString(), expectedProposal.toStdString());
        }
    }

    catalogue::BookCardPage page;
    std::optional<BookCard> card;
    QProgressBar* barGiven = nullptr;
    QString expectedProposal;
};

TEST_F(CardPacking, PackedFileIsLinkedThroughItsArchive)
{
    for (const Answer deleteSource : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(deleteSource == Answer::Yes ? "delete" : "keep");
        const QString src = book(QStringLiteral("книга.txt"), 50000);
        const QString zip = dir.file(QStringLiteral("книга.zip"));
        QFile::remove(zip);
        openCard(src);
        ASSERT_FALSE(page.ButZip->isHidden());
        expectPacking(zip, zip);
        ui.expectQuestion(BookCard::deleteZippedQuestion(src), deleteSource, Question::YesNo);
        click();
        EXPECT_EQ(entriesOf(zip), QStringList{QStringLiteral("книга.txt")});
        EXPECT_EQ(window.cat.Ds().asString(field::FileName), zip);
        EXPECT_EQ(page.CbArc->count(), 1);
        EXPECT_FALSE(page.CbArc->isHidden());
        EXPECT_TRUE(page.ButZip->isHidden());
        EXPECT_TRUE(page.fileFound());
        EXPECT_EQ(barGiven, page.Prb);
        EXPECT_TRUE(page.Prb->isHidden());
        EXPECT_EQ(exists(src), deleteSource == Answer::No);
        // A deleted file is never left linked, even when the card is cancelled afterwards.
        card->cancel();
        EXPECT_EQ(storedLinks(), QStringList{deleteSource == Answer::Yes ? zip : src});
        card.reset();
    }
}

TEST_F(CardPacking, NothingHappensWithoutAFileOrWhenCancelled)
{
    const QString missing = dir.file(QStringLiteral("gone.txt"));
    openCard(missing);
    EXPECT_TRUE(page.ButZip->isHidden());
    click(); // no dialog
    EXPECT_FALSE(page.fileFound());

    const QString src = book(QStringLiteral("a.txt"));
    card.reset();
    openCard(src);
    expectPacking(dir.file(QStringLiteral("a.zip")), {});
    click();
    EXPECT_EQ(window.cat.Ds().asString(field::FileName), src);
    EXPECT_FALSE(exists(dir.file(QStringLiteral("a.zip"))));
}

TEST_F(CardPacking, AFailedPackingKeepsTheLinkAndTheArchive)
{
    QByteArray noise(400000, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const QString src = dir.write(QStringLiteral("a.txt"), noise); // does not shrink in a zip
    const QString zip = dir.file(QStringLiteral("old.zip"));
    ASSERT_TRUE(fileops::ZipFile(book(QStringLiteral("first.txt")), zip, nullptr));
    const QByteArray before = contentOf(zip);
    openCard(src);
    expectPacking(dir.file(QStringLiteral("a.zip")), zip);
    {
        FileSizeLimit disk(100000);
        click(); // no question about the source
    }
    EXPECT_EQ(contentOf(zip), before);
    EXPECT_EQ(window.cat.Ds().asString(field::FileName), src);
    EXPECT_TRUE(exists(src));
}

TEST_F(CardPacking, ASourceThatCannotBeDeletedIsReported)
{
    const QString systemFile = QStringLiteral("/proc/version");
    if (!QFileInfo(systemFile).isFile())
        GTEST_SKIP() << "no /proc file system";
    const QString zip = dir.file(QStringLiteral("v.zip"));
    openCard(systemFile);
    ui.expectSaveFile(BookCard::zipCaption(), zip);
    ui.expectQuestion(BookCard::deleteZippedQuestion(systemFile), Answer::Yes);
    ui.expectMessage(BookCard::cannotDeleteSourceText());
    click();
    EXPECT_EQ(entriesOf(zip), QStringList{QStringLiteral("version")});
    EXPECT_EQ(window.cat.Ds().asString(field::FileName), zip);
}

TEST_F(CardPacking, AReadOnlySourceGetsNoProposedName)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may change every file here, so none counts as read-only";
    const QString src = book(QStringLiteral("ro/a.txt"));
    const QString folder = dir.file(QStringLiteral("ro"));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    openCard(src);
    expectPacking(util::joinPath(folder, BookCard::readOnlySourceName()), {});
    click();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(ZipFile, AddsToAnExistingArchiveAndRefusesWhatIsNotThere)
{
    TempDir dir;
    const QString zip = dir.file(QStringLiteral("x.zip"));
    const QString a = dir.write(QStringLiteral("a.txt"), "a");
    const QString b = dir.write(QStringLiteral("b.txt"), "b");
    EXPECT_TRUE(fileops::ZipFile(a, zip, nullptr));
    EXPECT_TRUE(fileops::ZipFile(b, zip, nullptr));
    EXPECT_EQ(entriesOf(zip), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    EXPECT_FALSE(fileops::ZipFile(dir.file(QStringLiteral("none.txt")), zip, nullptr));
    EXPECT_FALSE(fileops::ZipFile(a, {}, nullptr));
    EXPECT_FALSE(fileops::ZipFile(a, b, nullptr)); // not an archive: left alone
    EXPECT_EQ(TempDir::read(b), QByteArray("b"));
}

} // namespace
} // namespace folianto::test
