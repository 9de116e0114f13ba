#include "archive/ExtractFixture.h"
#include "engines/codepage/CodePages.h"

namespace folianto::test {
namespace {

using reader::ExtractFromZip;

class ZipExtract : public ExtractFixture {
protected:
    QString makeBooks()
    {
        const QString path = dir.file(QStringLiteral("books.zip"));
        makeZip(path, {
            {"Книги/", {}, true},
            {"Книги/a.txt", "first book"},
            {"b/empty.txt", {}},
            {"DOS/" + codepage::toCp866(u"Война.txt"), "Война и мир", false, true},
            {"secret.txt", "hidden text", false, false, "pw"},
        });
        return path;
    }
    QString extract(const QString& archive, int arc)
    {
        request.arc = arc;
        return ExtractFromZip(archive, nullptr, request);
    }
};

TEST_F(ZipExtract, ListsFileEntriesByBareNameAfterWhatTheListHeld)
{
    QStringList list{u"earlier"_qs};
    EXPECT_TRUE(ExtractFromZip(makeBooks(), &list, request).isEmpty());
    EXPECT_EQ(list, QStringList({u"earlier"_qs, u"a.txt"_qs, u"empty.txt"_qs, u"Война.txt"_qs, u"secret.txt"_qs}));
    EXPECT_TRUE(workEntries().isEmpty());
    EXPECT_TRUE(ui.prompts().empty());
}

TEST_F(ZipExtract, FolderAsFirstEntryTakesNoIndex)
{
    const QString books = makeBooks();
    EXPECT_EQ(extract(books, 0), work(u"a.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"a.txt"_qs)), QByteArray("first book"));
    EXPECT_EQ(extract(books, 2), work(u"Война.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"Война.txt"_qs)), QByteArray("Война и мир"));
    EXPECT_TRUE(extract(books, 5).isEmpty()); // beyond the entries: no message
    EXPECT_TRUE(extract(books, -1).isEmpty());
    EXPECT_TRUE(ui.prompts().empty());
}

TEST_F(ZipExtract, EmptyAndEncryptedEntries)
{
    const QString books = makeBooks();
    ui.expectMessage(u"Файл пуст !"_qs);
    EXPECT_TRUE(extract(books, 1).isEmpty());
    for (const QString& password : {QString(), u"wrong"_qs}) {
        request.password = password;
        ui.expectMessage(u"Ошибка в архивном файле secret.txt"_qs);
        EXPECT_TRUE(extract(books, 3).isEmpty());
    }
    EXPECT_TRUE(workEntries().isEmpty());
    ui.verifyAllConsumed();

    request.password = u"pw"_qs;
    EXPECT_EQ(extract(books, 3), work(u"secret.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"secret.txt"_qs)), QByteArray("hidden text"));
}

TEST_F(ZipExtract, SameBareNameInTwoFoldersIsTheEntryAsked)
{
    const QString path = dir.file(QStringLiteral("two.zip"));
    makeZip(path, {{"one/book.txt", "from one"}, {"two/book.txt", "from two"}});
    EXPECT_EQ(extract(path, 1), work(u"book.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"book.txt"_qs)), QByteArray("from two"));
    EXPECT_EQ(extract(path, 0), work(u"book.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"book.txt"_qs)), QByteArray("from one"));
}

TEST_F(ZipExtract, StoredPathsNeverWriteOutsideTheWorkFolder)
{
    const QString path = dir.file(QStringLiteral("evil.zip"));
    makeZip(path, {
        {"../../evil1.txt", "1"},
        {"/tmp/evil2.txt", "2"},
        {"C:\\Windows\\evil3.txt", "3"},
        {"a\\..\\..\\evil4.txt", "4"},
        {"..", "5"},
    });
    EXPECT_EQ(listing(&ExtractFromZip, path), QStringList({u"evil1.txt"_qs, u"evil2.txt"_qs, u"evil3.txt"_qs, u"evil4.txt"_qs, u""_qs}));
    for (int arc = 0; arc < 4; ++arc) {
        const QString name = QStringLiteral("evil%1.txt").arg(arc + 1);
        EXPECT_EQ(extract(path, arc), work(name));
    }
    ui.expectMessage(u"Ошибка в архивном файле .."_qs);
    EXPECT_TRUE(extract(path, 4).isEmpty());
    EXPECT_EQ(workEntries().size(), 4);
    EXPECT_EQ(scratchEntries(), QStringList({u"BOOKDATA"_qs, u"evil.zip"_qs}));
}

TEST_F(ZipExtract, DamagedArchivesLeaveNoBookBehind)
{
    const QString crc = dir.file(QStringLiteral("crc.zip"));
    makeZip(crc, {{"book.txt", "MARKED CONTENT OF THE BOOK", false, false, {}, true}});
    damageFile(crc, "CONTENT");
    ui.expectMessage(u"Ошибка в архивном файле book.txt"_qs);
    EXPECT_TRUE(extract(crc, 0).isEmpty());

    const QString junk = dir.write(QStringLiteral("junk.zip"), "PK\x03\x04 truncated");
    EXPECT_TRUE(listing(&ExtractFromZip, junk).isEmpty());
    ui.expectMessage(u"Ошибка в архивном файле junk.zip"_qs);
    EXPECT_TRUE(extract(junk, 0).isEmpty());
    EXPECT_TRUE(workEntries().isEmpty());
}

TEST_F(ZipExtract, TargetClash)
{
    const QString books = makeBooks();
    // A leftover that can be deleted is replaced.
    dir.write(QStringLiteral("BOOKDATA/a.txt"), "leftover");
    EXPECT_EQ(extract(books, 0), work(u"a.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"a.txt"_qs)), QByteArray("first book"));

    // A file the system keeps locked is returned as it is.
    dir.write(QStringLiteral("BOOKDATA/a.txt"), "still open");
    request.removeFile = [](const QString&) { return false; };
    EXPECT_EQ(extract(books, 0), work(u"a.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"a.txt"_qs)), QByteArray("still open"));
    EXPECT_TRUE(ui.prompts().empty());

    // A folder of that name is never taken for the book.
    request.removeFile = nullptr;
    dir.write(QStringLiteral("BOOKDATA/Война.txt/inside"), "x");
    ui.expectMessage(u"Ошибка в архивном файле Война.txt"_qs);
    EXPECT_TRUE(extract(books, 2).isEmpty());
    EXPECT_TRUE(QFileInfo(work(u"Война.txt/inside"_qs)).isFile());
}

} // namespace
} // namespace folianto::test
