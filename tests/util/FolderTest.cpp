#include "util/FileSystem.h"

#include "FileSystemTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folianto;

TEST(CreateHiddenFolder, ExistingOrOneNewLevel)
{
    test::TempDir dir;
    EXPECT_TRUE(util::CreateHiddenFolder(dir.path()));

    const QString fresh = dir.file(QStringLiteral("BOOKDATA"));
    EXPECT_TRUE(util::CreateHiddenFolder(fresh));
    EXPECT_TRUE(QFileInfo(fresh).isDir());
}

TEST(CreateHiddenFolder, RefusesMissingParentAndFiles)
{
    test::TempDir dir;
    const QString deep = dir.file(QStringLiteral("no/such"));
    EXPECT_FALSE(util::CreateHiddenFolder(deep));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("no"))));

    const QString file = dir.write(QStringLiteral("f"), "x");
    EXPECT_FALSE(util::CreateHiddenFolder(file));
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_FALSE(util::CreateHiddenFolder(QString()));
}

TEST(ClearFolder, RemovesFilesAndTheFolder)
{
    test::TempDir dir;
    const QString folder = dir.file(QStringLiteral("work"));
    dir.write(QStringLiteral("work/a.txt"), "1");
    dir.write(QStringLiteral("work/.hidden"), "2");
    const QString readOnly = dir.write(QStringLiteral("work/ro.txt"), "3");
    ASSERT_TRUE(test::setMode(readOnly, 0444));
    EXPECT_TRUE(util::ClearFolder(folder));
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(ClearFolder, KeepsSubfoldersAndReportsTheFolderKept)
{
    test::TempDir dir;
    const QString folder = dir.file(QStringLiteral("work"));
    dir.write(QStringLiteral("work/a.txt"), "1");
    const QString inner = dir.write(QStringLiteral("work/sub/b.txt"), "2");
    EXPECT_FALSE(util::ClearFolder(folder));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("work/a.txt"))));
    EXPECT_TRUE(QFileInfo(inner).isFile());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(ClearFolder, DeletesLinksButNeverWhatTheyPointTo)
{
    test::TempDir dir;
    const QString outsideFile = dir.write(QStringLiteral("keep/book.txt"), "book");
    const QString outsideFolder = dir.file(QStringLiteral("keep"));
    const QString folder = dir.file(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(test::makeLink(outsideFile, folder + QStringLiteral("/to-file")));
    ASSERT_TRUE(test::makeLink(outsideFolder, folder + QStringLiteral("/to-folder")));
    ASSERT_TRUE(test::makeLink(dir.file(QStringLiteral("gone")), folder + QStringLiteral("/broken")));

    EXPECT_TRUE(util::ClearFolder(folder));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(test::TempDir::read(outsideFile), QByteArray("book"));
}

TEST(ClearFolder, RefusesALinkAndAMissingFolder)
{
    test::TempDir dir;
    const QString book = dir.write(QStringLiteral("real/book.txt"), "book");
    const QString link = dir.file(QStringLiteral("work"));
    ASSERT_TRUE(test::makeLink(dir.file(QStringLiteral("real")), link));
    EXPECT_FALSE(util::ClearFolder(link));
    EXPECT_TRUE(QFileInfo(book).isFile());
    EXPECT_FALSE(util::ClearFolder(dir.file(QStringLiteral("missing"))));
}
