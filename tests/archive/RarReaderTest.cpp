#include "archive/ArchiveFixtures.h"
#include "engines/archive/RarReader.h"
#include "engines/codepage/CodePages.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace folianto::archive {
namespace {

using test::RarItem;
using test::TempDir;

QStringList paths(const QList<RarEntry>& entries)
{
    QStringList out;
    for (const RarEntry& e : entries)
        out << e.path;
    return out;
}

QString fixture(const char* name)
{
    return test::sharedFixture(QStringLiteral("fixtures/rar/") + QLatin1String(name));
}

#define REQUIRE_FIXTURE(path)                                                                    \
    if ((path).isEmpty())                                                                        \
    GTEST_SKIP() << "RAR fixtures not found (set FOLIANTO_SHARED to the shared folder)"

TEST(RarReader, StoredRar4WithCp866NamesListsAndExtracts)
{
    TempDir dir;
    const QByteArray name = codepage::toCp866(u"КНИГИ\\Мастер и Маргарита.txt");
    const QString path = dir.write(QStringLiteral("b.rar"), test::rar4Archive({
        {codepage::toCp866(u"КНИГИ"), {}, true},
        {name, "Рукописи не горят."},
        {"plain.txt", "ascii"},
    }));
    const RarReader rar(path);
    const auto entries = rar.entries();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2);
    EXPECT_EQ(entries->at(0).displayName, u"Мастер и Маргарита.txt"_qs);
    EXPECT_EQ(entries->at(0).size, QByteArray("Рукописи не горят.").size());
    EXPECT_EQ(entries->at(1).displayName, u"plain.txt"_qs);

    const QString target = dir.file(QStringLiteral("out.txt"));
    EXPECT_EQ(rar.extract(0, target), RarReader::Result::Done);
    EXPECT_EQ(TempDir::read(target), QByteArray("Рукописи не горят."));
    EXPECT_EQ(rar.extract(1, target), RarReader::Result::Done);
    EXPECT_EQ(TempDir::read(target), QByteArray("ascii"));
    EXPECT_EQ(rar.extract(2, dir.file(QStringLiteral("none.txt"))), RarReader::Result::Unreadable);
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("none.txt"))));
}

TEST(RarReader, NamesWithoutUnicodeFlagFollowTheSystemThatMadeThem)
{
    const QByteArray dos = codepage::toCp866(u"Война.txt");
    const QByteArray utf8 = QByteArray("Война.txt");
    const struct {
        QByteArray name;
        int hostOs;
    } cases[] = {{dos, 0}, {dos, 2}, {utf8, 3}, {dos, 3}};
    for (const auto& c : cases) {
        TempDir dir;
        RarItem item{c.name, "text"};
        item.hostOs = c.hostOs;
        const auto entries = RarReader(dir.write(QStringLiteral("n.rar"), test::rar4Archive({item}))).entries();
        ASSERT_TRUE(entries);
        ASSERT_EQ(entries->size(), 1);
        EXPECT_EQ(entries->at(0).displayName, u"Война.txt"_qs) << c.hostOs;
    }
}

TEST(RarReader, DataWithWrongCrcFailsAndLeavesNothing)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("bad.rar"),
                                   test::rar4Archive({{"a.txt", "some text here", false, true}}));
    const QString target = dir.file(QStringLiteral("a.txt"));
    EXPECT_EQ(RarReader(path).extract(0, target), RarReader::Result::Failed);
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("a.txt*")}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST(RarReader, NotARarArchive)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("x.rar"), "plain text, not an archive");
    EXPECT_FALSE(RarReader(path).entries());
    EXPECT_FALSE(RarReader(dir.file(QStringLiteral("missing.rar"))).entries());
    EXPECT_EQ(RarReader(path).extract(0, dir.file(QStringLiteral("t"))), RarReader::Result::Unreadable);
}

TEST(RarReader, FixturesListFilesInArchiveOrder)
{
    const QString plain = fixture("test_read_format_rar.rar");
    REQUIRE_FIXTURE(plain);
    const auto entries = RarReader(plain).entries();
    ASSERT_TRUE(entries);
    EXPECT_EQ(paths(*entries), QStringList({u"test.txt"_qs, u"testlink"_qs, u"testdir/test.txt"_qs}));
    EXPECT_EQ(entries->at(0).size, 20);

    const auto windows = RarReader(fixture("test_read_format_rar_windows.rar")).entries();
    ASSERT_TRUE(windows);
    ASSERT_GE(windows->size(), 3);
    EXPECT_EQ(windows->at(0).displayName, u"test.txt"_qs);
    EXPECT_EQ(windows->at(1).displayName, u"test.txt"_qs);
    EXPECT_EQ(windows->at(2).displayName, u"testshortcut.lnk"_qs);
    EXPECT_EQ(windows->at(2).size, 441);

    TempDir dir;
    const QString target = dir.file(QStringLiteral("t.txt"));
    EXPECT_EQ(RarReader(plain).extract(2, target), RarReader::Result::Done);
    EXPECT_EQ(QFileInfo(target).size(), 20);

    const QString compressed = fixture("test_read_format_rar_compress_normal.rar");
    const auto html = RarReader(compressed).entries();
    ASSERT_TRUE(html);
    ASSERT_FALSE(html->isEmpty());
    EXPECT_EQ(html->at(0).displayName, u"LibarchiveAddingTest.html"_qs);
    EXPECT_EQ(RarReader(compressed).extract(0, target), RarReader::Result::Done);
    EXPECT_EQ(QFileInfo(target).size(), 20111);
}

TEST(RarReader, FixturesWithUnicodeNames)
{
    const QString rar4 = fixture("test_read_format_rar_unicode.rar");
    REQUIRE_FIXTURE(rar4);
    const auto entries = RarReader(rar4).entries();
    ASSERT_TRUE(entries);
    EXPECT_TRUE(paths(*entries).contains(u"abcdefghijklmnopqrsテスト.txt"_qs)) << paths(*entries).join(u'|').toStdString();
    EXPECT_TRUE(std::any_of(entries->cbegin(), entries->cend(), [](const RarEntry& e) { return e.size == 0; }));

    const auto rar5 = RarReader(fixture("test_read_format_rar5_unicode.rar")).entries();
    ASSERT_TRUE(rar5);
    ASSERT_FALSE(rar5->isEmpty());
    EXPECT_EQ(rar5->at(0).displayName, u"👋🌎.txt"_qs);
}

TEST(RarReader, FixturesDamagedAndEncrypted)
{
    const QString invalid = fixture("test_read_format_rar_invalid1.rar");
    REQUIRE_FIXTURE(invalid);
    TempDir dir;
    const QString target = dir.file(QStringLiteral("t.txt"));
    const auto damaged = RarReader(invalid).entries();
    if (damaged) {
        for (int i = 0; i < damaged->size(); ++i)
            EXPECT_NE(RarReader(invalid).extract(i, target), RarReader::Result::Done);
    }

    // b.txt and d.txt are encrypted, which libarchive cannot undo with any password.
    const QString encrypted = fixture("test_read_format_rar4_encrypted.rar");
    const auto entries = RarReader(encrypted).entries();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 4);
    EXPECT_TRUE(entries->at(1).encrypted);
    for (const QString& password : {QString(), u"password"_qs}) {
        EXPECT_EQ(RarReader(encrypted, password).extract(1, target), RarReader::Result::Unreadable);
        EXPECT_EQ(RarReader(encrypted, password).extract(3, target), RarReader::Result::Unreadable);
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    EXPECT_EQ(RarReader(encrypted).extract(2, target), RarReader::Result::Done);
    EXPECT_EQ(TempDir::read(target), QByteArray("This is from c.txt"));
}

} // namespace
} // namespace folianto::archive
