#include "archive/ArchiveFixtures.h"
#include "engines/archive/Vzp.h"
#include "engines/codepage/CodePages.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace folianto::archive {
namespace {

using test::TempDir;
using test::ZipItem;

// Bit 11 of the general purpose flags in the local header of the entry whose name is given.
bool localUtf8Flag(const QString& zipPath, const QByteArray& rawName)
{
    const QByteArray bytes = TempDir::read(zipPath);
    for (qsizetype at = bytes.indexOf("PK\x03\x04"); at >= 0; at = bytes.indexOf("PK\x03\x04", at + 4)) {
        const int nameLength = quint8(bytes[at + 26]) | quint8(bytes[at + 27]) << 8;
        if (bytes.mid(at + 30, nameLength) == rawName)
            return quint8(bytes[at + 7]) & 0x08;
    }
    throw std::runtime_error("entry not found");
}

class VzpTest : public ::testing::Test {
protected:
    QString zipPath() const { return dir.file(QStringLiteral("books.zip")); }
    QString outDir() const
    {
        QDir().mkpath(dir.file(QStringLiteral("out")));
        return dir.file(QStringLiteral("out"));
    }
    TempDir dir;
};

TEST_F(VzpTest, ReadsDirectoryWithFoldersSizesEncryptionAndBothNameEncodings)
{
    const QByteArray dosName = "DOS/" + codepage::toCp866(u"Война и мир.txt");
    test::makeZip(zipPath(), {
        {"folder/", {}, true},
        {"folder/empty.txt", {}},
        {dosName, "text", false, true},
        {"Юникод/Имя.txt", "unicode"},
        {"secret.txt", "hidden text", false, false, "pw"},
    });
    ASSERT_FALSE(localUtf8Flag(zipPath(), dosName));
    ASSERT_TRUE(localUtf8Flag(zipPath(), QByteArray("Юникод/Имя.txt")));

    Vzp vzp;
    vzp.setArchiveName(zipPath());
    ASSERT_TRUE(vzp.readDirectory());
    ASSERT_EQ(vzp.count(), 5);
    EXPECT_TRUE(vzp.entry(0).isFolder());
    EXPECT_FALSE(vzp.entry(1).isFolder());
    EXPECT_EQ(vzp.entry(1).size, 0);
    EXPECT_EQ(vzp.entry(2).path, u"DOS/Война и мир.txt"_qs);
    EXPECT_EQ(vzp.entry(2).fileName, u"Война и мир.txt"_qs);
    EXPECT_EQ(vzp.entry(3).fileName, u"Имя.txt"_qs);
    EXPECT_EQ(vzp.entry(3).size, 7);
    EXPECT_FALSE(vzp.entry(3).encrypted);
    EXPECT_TRUE(vzp.entry(4).encrypted);
}

TEST_F(VzpTest, ExtractsUnderBareNameAndChecksPassword)
{
    test::makeZip(zipPath(), {{"deep/dir/secret.txt", "hidden text", false, false, "pw"}});
    const QString target = QDir(outDir()).filePath(QStringLiteral("secret.txt"));
    const struct {
        const char* password;
        bool good;
    } cases[] = {{"", false}, {"wrong", false}, {"pw", true}};
    for (const auto& c : cases) {
        Vzp vzp;
        vzp.setArchiveName(zipPath());
        ASSERT_TRUE(vzp.readDirectory());
        vzp.setDestinationFolder(outDir());
        vzp.filesToProcess() = {vzp.entry(0).path};
        vzp.setPassword(QString::fromLatin1(c.password));
        bool ok = false;
        EXPECT_EQ(vzp.extract(&ok), c.good ? 1 : 0) << c.password;
        EXPECT_EQ(ok, c.good) << c.password;
        EXPECT_EQ(QFileInfo::exists(target), c.good) << c.password;
        EXPECT_EQ(QDir(outDir()).entryList(QDir::Files | QDir::Hidden).size(), c.good ? 1 : 0);
    }
    EXPECT_EQ(TempDir::read(target), QByteArray("hidden text"));
}

TEST_F(VzpTest, CrcMismatchIsReportedAndLeavesNothing)
{
    test::makeZip(zipPath(), {{"book.txt", "UNIQUE-MARKER-CONTENT", false, false, {}, true}});
    test::damageFile(zipPath(), "MARKER");
    Vzp vzp;
    QStringList reported;
    vzp.onBadCrc = [&](const QString& name) { reported << name; };
    vzp.setArchiveName(zipPath());
    ASSERT_TRUE(vzp.readDirectory());
    vzp.setDestinationFolder(outDir());
    vzp.filesToProcess() = {u"book.txt"_qs};
    bool ok = true;
    EXPECT_EQ(vzp.extract(&ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(reported, QStringList({u"book.txt"_qs}));
    EXPECT_TRUE(QDir(outDir()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(VzpTest, OverwriteModes)
{
    test::makeZip(zipPath(), {{"a.txt", "from zip"}});
    const QString target = QDir(outDir()).filePath(QStringLiteral("a.txt"));
    const struct {
        VzpOverwrite mode;
        std::optional<bool> answer; // the Ask callback's answer, when one is installed
        const char* expected;
    } cases[] = {
        {VzpOverwrite::Never, std::nullopt, "old"},
        {VzpOverwrite::Ask, std::nullopt, "old"},
        {VzpOverwrite::Ask, false, "old"},
        {VzpOverwrite::Ask, true, "from zip"},
        {VzpOverwrite::Always, std::nullopt, "from zip"},
    };
    for (const auto& c : cases) {
        dir.write(QStringLiteral("out/a.txt"), "old");
        Vzp vzp;
        vzp.setArchiveName(zipPath());
        vzp.setDestinationFolder(outDir());
        vzp.setOverwriteMode(c.mode);
        if (c.answer)
            vzp.onAskOverwrite = [&](const QString& path) { EXPECT_EQ(path, target); return *c.answer; };
        ASSERT_TRUE(vzp.readDirectory());
        vzp.filesToProcess() = {u"a.txt"_qs};
        vzp.extract();
        EXPECT_EQ(TempDir::read(target), QByteArray(c.expected));
    }
}

TEST_F(VzpTest, PacksWithDeflateUpdatesAndEncrypts)
{
    const QByteArray text = QByteArray("Глава первая. ").repeated(2000);
    const QString one = dir.write(QStringLiteral("src/one.txt"), text);
    const QString two = dir.write(QStringLiteral("src/sub/two.txt"), "two");
    QList<int> percents;
    {
        Vzp vzp;
        vzp.setArchiveName(zipPath());
        vzp.setRootFolder(dir.file(QStringLiteral("src")));
        vzp.filesToProcess() = {one, two};
        vzp.onFilePercentDone = [&](const QString&, int p) { percents << p; };
        ASSERT_TRUE(vzp.pack()) << vzp.lastError().toStdString();
    }
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.last(), 100);
    EXPECT_LT(QFileInfo(zipPath()).size(), text.size() / 10); // deflated

    // Update mode replaces the same-named entry and keeps the other one.
    dir.write(QStringLiteral("src/one.txt"), "replaced");
    {
        Vzp vzp;
        vzp.setArchiveName(zipPath());
        vzp.setRootFolder(dir.file(QStringLiteral("src")));
        vzp.filesToProcess() = {one};
        vzp.setPassword(QStringLiteral("pw"));
        ASSERT_TRUE(vzp.pack());
    }
    Vzp reader;
    reader.setArchiveName(zipPath());
    ASSERT_TRUE(reader.readDirectory());
    ASSERT_EQ(reader.count(), 2);
    QStringList paths;
    for (int i = 0; i < reader.count(); ++i)
        paths << reader.entry(i).path;
    paths.sort();
    EXPECT_EQ(paths, QStringList({u"one.txt"_qs, u"sub/two.txt"_qs}));
    reader.setDestinationFolder(outDir());
    reader.filesToProcess() = {u"one.txt"_qs};
    reader.setPassword(QStringLiteral("pw"));
    EXPECT_EQ(reader.extract(), 1);
    EXPECT_EQ(TempDir::read(QDir(outDir()).filePath(QStringLiteral("one.txt"))), QByteArray("replaced"));

    // Without update mode the archive holds only the new list.
    Vzp fresh;
    fresh.setArchiveName(zipPath());
    fresh.setUpdateMode(false);
    fresh.filesToProcess() = {two};
    ASSERT_TRUE(fresh.pack());
    ASSERT_TRUE(fresh.readDirectory());
    ASSERT_EQ(fresh.count(), 1);
    EXPECT_EQ(fresh.entry(0).path, u"two.txt"_qs);
}

TEST_F(VzpTest, DamagedArchivesAndMissingFilesFail)
{
    dir.write(QStringLiteral("bad.zip"), "PK\x03\x04 not really a zip");
    Vzp vzp;
    vzp.setArchiveName(dir.file(QStringLiteral("bad.zip")));
    EXPECT_FALSE(vzp.readDirectory());
    EXPECT_EQ(vzp.count(), 0);

    Vzp packer;
    packer.setArchiveName(zipPath());
    packer.filesToProcess() = {dir.file(QStringLiteral("missing.txt"))};
    EXPECT_FALSE(packer.pack());
    EXPECT_FALSE(QFileInfo::exists(zipPath()));
}

} // namespace
} // namespace folianto::archive
