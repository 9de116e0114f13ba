#include "archive/ExtractFixture.h"
#include "engines/codepage/CodePages.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

namespace folianto::test {
namespace {

using reader::ExtractFromHa;

class HaExtract : public ExtractFixture {
protected:
    void SetUp() override
    {
        if (request.haProgram.isEmpty())
            GTEST_SKIP() << "folianto-ha is not built (build the folianto-ha target or set FOLIANTO_HA)";
        books = dir.write(QStringLiteral("books.ha"), haArchive({
            {"", codepage::toCp866(u"Повесть.txt"), "Повесть временных лет"},
            {"A\xFF", "same.txt", "from A"},
            {"B\xFF", "same.txt", "from B"},
            {"", "packed.txt", "\x01\x02\x03\x04", 2, true, std::nullopt, 100u},
            {"", "FOLDER", {}, 14},
            {"", "after.txt", "never listed"},
        }));
    }
    QString extract(const QString& archive, int arc)
    {
        request.arc = arc;
        return ExtractFromHa(archive, nullptr, request);
    }
    QString books;
};

TEST_F(HaExtract, ListingStopsAtTheFolderAndAfterANonDosEntry)
{
    EXPECT_EQ(listing(&ExtractFromHa, books),
              QStringList({u"Повесть.txt"_qs, u"same.txt"_qs, u"same.txt"_qs, u"packed.txt"_qs}));
    const QString unix = dir.write(QStringLiteral("unix.ha"), haArchive({{"", "first.txt", "1", 0, false}, {"", "second.txt", "2"}}));
    EXPECT_EQ(listing(&ExtractFromHa, unix), QStringList({u"first.txt"_qs}));
    const QString other = dir.write(QStringLiteral("other.ha"), "PK not an HA archive");
    EXPECT_TRUE(listing(&ExtractFromHa, other).isEmpty());
    EXPECT_TRUE(workEntries().isEmpty());
}

TEST_F(HaExtract, StoredEntriesUnpackThroughTheExtractor)
{
    EXPECT_EQ(extract(books, 0), work(u"Повесть.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"Повесть.txt"_qs)), QByteArray("Повесть временных лет"));
    EXPECT_EQ(extract(books, 2), work(u"same.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"same.txt"_qs)), QByteArray("from B"));
    EXPECT_EQ(extract(books, 1), work(u"same.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"same.txt"_qs)), QByteArray("from A"));
    EXPECT_TRUE(ui.prompts().empty());
}

TEST_F(HaExtract, FailuresOfTheExtractor)
{
    // Compressed: the extractor writes stored entries only, and the user is told so.
    request.haProgram = dir.file(u"no-such-program"_qs);
    ui.expectMessage(u"Файл в HA-архиве сжат: распаковываются только несжатые файлы !"_qs);
    EXPECT_TRUE(extract(books, 3).isEmpty());
    ui.verifyAllConsumed();

    // Beyond the listed entries: no extractor started, and the wait's end said at once.
    for (const int arc : {4, 5, 100}) {
        ui.expectMessage(u"Время для распаковки вышло!"_qs);
        EXPECT_TRUE(extract(books, arc).isEmpty());
        ui.verifyAllConsumed();
    }
    // Not an HA archive at all: nothing to say.
    EXPECT_TRUE(extract(dir.write(QStringLiteral("other.ha"), "PK not an HA archive"), 0).isEmpty());
    EXPECT_EQ(ui.prompts().size(), 4u);

    ui.expectMessage(u"На-архиватор не запускается!"_qs);
    EXPECT_TRUE(extract(books, 0).isEmpty());
    ui.verifyAllConsumed();

    // An extractor that never finishes is stopped when the time is up.
    const QString slow = dir.write(QStringLiteral("slow.sh"), "#!/bin/sh\nexec sleep 60\n");
    QFile::setPermissions(slow, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    request.haProgram = slow;
    request.haTimeoutSeconds = 0;
    // The main window comes to the front for the message, also when another window is active.
    QWidget mainWindow;
    QWidget other;
    mainWindow.show();
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    mainWindow.lower();
    request.mainWindow = &mainWindow;
    ASSERT_EQ(QApplication::activeWindow(), &other);
    ui.expectMessage(u"Время для распаковки вышло!"_qs);
    EXPECT_TRUE(extract(books, 0).isEmpty());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &mainWindow);
    EXPECT_TRUE(workEntries().isEmpty());
}

TEST_F(HaExtract, LockedLeftoverIsReturned)
{
    dir.write(QStringLiteral("BOOKDATA/same.txt"), "open in the reader");
    request.removeFile = [](const QString&) { return false; };
    EXPECT_EQ(extract(books, 1), work(u"same.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"same.txt"_qs)), QByteArray("open in the reader"));
}

TEST_F(HaExtract, StoredPathsNeverWriteOutsideTheWorkFolder)
{
    const QString evil = dir.write(QStringLiteral("evil.ha"), haArchive({
        {"..\xFF..\xFF", "evil.txt", "escape"},
        {"", "..", "dots"},
    }));
    EXPECT_EQ(extract(evil, 0), work(u"evil.txt"_qs));
    ui.expectMessage(u"Файл не распаковывается !"_qs);
    EXPECT_TRUE(extract(evil, 1).isEmpty());
    EXPECT_EQ(workEntries(), QStringList({u"evil.txt"_qs}));
    EXPECT_EQ(scratchEntries(), QStringList({u"BOOKDATA"_qs, u"books.ha"_qs, u"evil.ha"_qs}));
}

} // namespace
} // namespace folianto::test
