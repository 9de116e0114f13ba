#include "TableFixture.h"
#include "engines/table/AtomicFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace folianto::table;
using namespace folianto::table::test;
using folianto::test::TempDir;

namespace {

const QByteArray kOld = "old contents";

QStringList folderEntries(const QString& path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(AtomicWrite, ReplacesAndKeepsPermissions)
{
    TempDir dir;
    const QString path = dir.write(QStringLiteral("cat.bon"), kOld);
    const auto perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                       | QFileDevice::WriteUser | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, perms));
    writeFileAtomically(path, "new contents");
    EXPECT_EQ(TempDir::read(path), QByteArray("new contents"));
    EXPECT_EQ(QFileInfo(path).permissions(), perms);
    EXPECT_EQ(folderEntries(dir.path()), QStringList({"cat.bon"})); // no temporary left over
}

TEST(AtomicWrite, WritesThroughSymbolicLinks)
{
    TempDir dir;
    QDir().mkpath(dir.file(QStringLiteral("real")));
    const QString target = dir.write(QStringLiteral("real/cat.bon"), kOld);
    const QString link = dir.file(QStringLiteral("link.bon"));
    const QString chain = dir.file(QStringLiteral("chain.bon"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/cat.bon"), link)); // relative target
    ASSERT_TRUE(QFile::link(link, chain));
    writeFileAtomically(chain, "through");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(chain).isSymLink());
    EXPECT_EQ(TempDir::read(target), QByteArray("through"));

    const QString dangling = dir.file(QStringLiteral("dangling.bon"));
    ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("real/new.bon")), dangling));
    writeFileAtomically(dangling, "created");
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(TempDir::read(dir.file(QStringLiteral("real/new.bon"))), QByteArray("created"));
}

TEST(AtomicWrite, UnwritableFolderKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the super-user";
    TempDir dir;
    const QString sub = dir.file(QStringLiteral("ro"));
    QDir().mkpath(sub);
    const QString path = dir.write(QStringLiteral("ro/cat.bon"), kOld);
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(writeFileAtomically(path, "new"), TableError);
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(TempDir::read(path), kOld);
}

// A file-size limit makes the write fail the way a full disk does, also for the super-user.
// Small contents matter as much as large ones: a write held in a buffer must not be lost
// in the final rename.
TEST(AtomicWrite, FailedWriteKeepsTheOldFile)
{
    for (const int size : {500, 100000}) {
        SCOPED_TRACE(size);
        TempDir dir;
        const QString path = dir.write(QStringLiteral("cat.bon"), kOld);
        bool threw = false;
        {
            folianto::test::FileSizeLimit full(64);
            try {
                writeFileAtomically(path, QByteArray(size, 'x'));
            } catch (const TableError& e) {
                threw = !e.message().isEmpty();
            }
        }
        EXPECT_TRUE(threw);
        EXPECT_EQ(TempDir::read(path), kOld);
        EXPECT_EQ(folderEntries(dir.path()), QStringList({"cat.bon"}));
    }
}

TEST(AtomicWrite, MissingFolderFails)
{
    TempDir dir;
    EXPECT_THROW(writeFileAtomically(dir.file(QStringLiteral("no/such/cat.bon")), "x"), TableError);
}

TEST(AtomicWrite, CloseWritesAndAFailedCloseStaysOpen)
{
    TempDir dir;
    Dataset ds;
    fillNames(ds, {"a", "b"});
    ds.setFileName(dir.file(QStringLiteral("cat.bon")));
    ds.close();
    EXPECT_FALSE(ds.isActive());
    ds.open();
    EXPECT_EQ(column(ds, QStringLiteral("name")), QStringList({"a", "b"}));

    ds.setFileName(dir.file(QStringLiteral("no/such/cat.bon")));
    EXPECT_THROW(ds.close(), TableError);
    EXPECT_TRUE(ds.isActive());
    EXPECT_EQ(ds.recordCount(), 2);
}

} // namespace
