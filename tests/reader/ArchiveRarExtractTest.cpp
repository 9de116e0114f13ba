#include "archive/ExtractFixture.h"
#include "engines/archive/RarReader.h"
#include "engines/codepage/CodePages.h"

namespace folianto::test {
namespace {

using reader::ExtractFromRar;

class RarExtract : public ExtractFixture {
protected:
    QString extract(const QString& archive, int arc)
    {
        request.arc = arc;
        return ExtractFromRar(archive, nullptr, request);
    }
    static QString fixture(const char* name)
    {
        return sharedFixture(QStringLiteral("fixtures/rar/") + QLatin1String(name));
    }
};

TEST_F(RarExtract, Cp866NamedEntriesListAndUnpackUnderTheirCyrillicNames)
{
    const QString path = dir.write(QStringLiteral("b.rar"), rar4Archive({
        {codepage::toCp866(u"ПАПКА"), {}, true},
        {codepage::toCp866(u"ПАПКА\\Идиот.txt"), "Князь Мышкин"},
        {"..\\..\\escape.txt", "escape"},
        {"empty.txt", {}},
    }));
    EXPECT_EQ(listing(&ExtractFromRar, path), QStringList({u"Идиот.txt"_qs, u"escape.txt"_qs, u"empty.txt"_qs}));
    EXPECT_EQ(extract(path, 0), work(u"Идиот.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"Идиот.txt"_qs)), QByteArray("Князь Мышкин"));
    EXPECT_EQ(extract(path, 1), work(u"escape.txt"_qs));
    EXPECT_EQ(scratchEntries(), QStringList({u"BOOKDATA"_qs, u"b.rar"_qs}));
    EXPECT_TRUE(extract(path, 3).isEmpty()); // beyond the entries: no message
    EXPECT_TRUE(ui.prompts().empty());

    ui.expectMessage(u"Файл пуст !"_qs);
    EXPECT_TRUE(extract(path, 2).isEmpty());
}

TEST_F(RarExtract, DamagedDataShowsItsMessageAndLeavesNothing)
{
    const QString path = dir.write(QStringLiteral("bad.rar"), rar4Archive({{"book.txt", "text of the book", false, true}}));
    ui.expectMessage(u"Файл не распаковывается !"_qs);
    EXPECT_TRUE(extract(path, 0).isEmpty());
    EXPECT_TRUE(workEntries().isEmpty());

    const QString junk = dir.write(QStringLiteral("junk.rar"), "Rar!\x1A\x07\x00 and nothing");
    EXPECT_TRUE(listing(&ExtractFromRar, junk).isEmpty());
    EXPECT_TRUE(extract(junk, 0).isEmpty());
    EXPECT_TRUE(extract(dir.file(u"missing.rar"_qs), 0).isEmpty());
}

TEST_F(RarExtract, LockedLeftoverIsReturned)
{
    const QString path = dir.write(QStringLiteral("b.rar"), rar4Archive({{"book.txt", "new"}}));
    dir.write(QStringLiteral("BOOKDATA/book.txt"), "open in the reader");
    request.removeFile = [](const QString&) { return false; };
    EXPECT_EQ(extract(path, 0), work(u"book.txt"_qs));
    EXPECT_EQ(TempDir::read(work(u"book.txt"_qs)), QByteArray("open in the reader"));
}

TEST_F(RarExtract, Fixtures)
{
    const QString plain = fixture("test_read_format_rar.rar");
    if (plain.isEmpty())
        GTEST_SKIP() << "RAR fixtures not found (set FOLIANTO_SHARED to the shared folder)";
    EXPECT_EQ(listing(&ExtractFromRar, plain), QStringList({u"test.txt"_qs, u"testlink"_qs, u"test.txt"_qs}));
    EXPECT_EQ(extract(plain, 2), work(u"test.txt"_qs));
    EXPECT_EQ(QFileInfo(work(u"test.txt"_qs)).size(), 20);

    // The Unicode archive holds an empty file.
    const QString unicode = fixture("test_read_format_rar_unicode.rar");
    const auto entries = archive::RarReader(unicode).entries();
    ASSERT_TRUE(entries);
    const auto empty = std::find_if(entries->cbegin(), entries->cend(), [](const auto& e) { return e.size == 0; });
    ASSERT_NE(empty, entries->cend());
    ui.expectMessage(u"Файл пуст !"_qs);
    EXPECT_TRUE(extract(unicode, int(empty - entries->cbegin())).isEmpty());
    ui.verifyAllConsumed();

    // Encrypted entries cannot be unpacked, with or without a password, and the user is told.
    for (const QString& password : {QString(), u"password"_qs}) {
        request.password = password;
        ui.expectMessage(u"Файл не распаковывается !"_qs);
        EXPECT_TRUE(extract(fixture("test_read_format_rar4_encrypted.rar"), 1).isEmpty());
        ui.verifyAllConsumed();
    }
    EXPECT_FALSE(QFileInfo::exists(work(u"b.txt"_qs)));
    // The damaged archive lists its entry, whose data then cannot be read.
    ui.expectMessage(u"Файл не распаковывается !"_qs);
    EXPECT_TRUE(extract(fixture("test_read_format_rar_invalid1.rar"), 0).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(work(u"test"_qs)));
    EXPECT_EQ(listing(&ExtractFromRar, fixture("test_read_format_rar5_unicode.rar")).value(0), u"👋🌎.txt"_qs);
}

} // namespace
} // namespace folianto::test
