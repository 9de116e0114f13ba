// folianto-ha run as the reader runs it: a separate process in the target folder.

#include "archive/ArchiveFixtures.h"
#include "engines/codepage/CodePages.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace folianto::test {
namespace {

class FoliantoHa : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = foliantoHaProgram();
        if (program.isEmpty())
            GTEST_SKIP() << "folianto-ha is not built (build the folianto-ha target or set FOLIANTO_HA)";
        QDir().mkpath(dir.file(QStringLiteral("work")));
    }

    // Runs `folianto-ha ey <archive> <name>` in the work folder; returns the exit code.
    int run(const QString& archive, const QString& name)
    {
        QProcess p;
        p.setWorkingDirectory(work());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, {QStringLiteral("ey"), archive, name});
        if (!p.waitForFinished(30000))
            return -1;
        output = QString::fromLocal8Bit(p.readAll());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QString work() const { return dir.file(QStringLiteral("work")); }
    QStringList workFiles() const
    {
        return QDir(work()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    TempDir dir;
    QString program;
    QString output;
};

TEST_F(FoliantoHa, WritesStoredEntryUnderItsBareName)
{
    const QString archive = dir.write(QStringLiteral("books.ha"), haArchive({
        {"A\xFF", "same.txt", "from folder A"},
        {"B\xFF", "same.txt", "from folder B"},
        {"", codepage::toCp866(u"Повесть.txt"), "Повесть временных лет"},
    }));
    EXPECT_EQ(run(archive, QStringLiteral("B\\same.txt")), 0) << output.toStdString();
    EXPECT_EQ(TempDir::read(QDir(work()).filePath(QStringLiteral("same.txt"))), QByteArray("from folder B"));
    EXPECT_EQ(run(archive, QStringLiteral("same.txt")), 0);
    EXPECT_EQ(TempDir::read(QDir(work()).filePath(QStringLiteral("same.txt"))), QByteArray("from folder A"));
    EXPECT_EQ(run(archive, QStringLiteral("Повесть.txt")), 0);
    EXPECT_EQ(TempDir::read(QDir(work()).filePath(QStringLiteral("Повесть.txt"))),
              QByteArray("Повесть временных лет"));
    EXPECT_EQ(workFiles().size(), 2);
}

TEST_F(FoliantoHa, RefusesWhatItCannotWriteAndWritesNothing)
{
    const QString archive = dir.write(QStringLiteral("books.ha"), haArchive({
        {"", "packed.txt", "\x01\x02\x03", 2, true, std::nullopt, 300u},
        {"", "badcrc.txt", "stored text", 0, true, std::nullopt, std::nullopt, 0x12345678u},
        {"", "cut.txt", "0123456789"},
    }));
    const QString truncated = dir.write(QStringLiteral("cut.ha"), TempDir::read(archive).chopped(4));
    const QString notHa = dir.write(QStringLiteral("text.ha"), "plain text");
    const struct {
        QString archive;
        QString name;
    } cases[] = {
        {archive, u"packed.txt"_qs},  // compressed
        {archive, u"badcrc.txt"_qs},  // data does not match its CRC
        {archive, u"missing.txt"_qs}, // no such entry
        {truncated, u"cut.txt"_qs},   // archive ends inside the data
        {notHa, u"a.txt"_qs},         // no HA signature
        {dir.file(u"absent.ha"_qs), u"a.txt"_qs},
    };
    for (const auto& c : cases) {
        EXPECT_GT(run(c.archive, c.name), 0) << c.name.toStdString();
        EXPECT_FALSE(output.isEmpty()) << c.name.toStdString();
        EXPECT_TRUE(workFiles().isEmpty()) << c.name.toStdString() << workFiles().join(u' ').toStdString();
    }

    QProcess p;
    p.start(program, {QStringLiteral("x"), archive});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
}

TEST_F(FoliantoHa, StoredPathsNeverLeadOutOfTheCurrentFolder)
{
    const QByteArray evil[] = {"..\xFF..\xFF", "\xFF" "etc\xFF", "C:\xFF"};
    for (const QByteArray& path : evil) {
        const QString archive = dir.write(QStringLiteral("evil.ha"), haArchive({{path, "evil.txt", "gotcha"}}));
        EXPECT_EQ(run(archive, QStringLiteral("evil.txt")), 0) << output.toStdString();
        EXPECT_EQ(workFiles(), QStringList({u"evil.txt"_qs}));
        QFile::remove(QDir(work()).filePath(QStringLiteral("evil.txt")));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({u"evil.ha"_qs}));

    const QString dots = dir.write(QStringLiteral("dots.ha"), haArchive({{"", "..", "gotcha"}}));
    EXPECT_GT(run(dots, QStringLiteral("..")), 0);
    EXPECT_TRUE(workFiles().isEmpty());
}

} // namespace
} // namespace folianto::test
