#include "util/FileSystem.h"

#include "FileSystemTestSupport.h"
#include "support/TempDirAsTmp.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace folianto;
using folianto::test::modeOf;
using folianto::test::TempDirAsTmp;

namespace {

// Where TempPath() puts the user's folder: its one subfolder of the temporary root.
QString privateFolderIn(const QString& root)
{
    return QDir(root).filePath(QStringLiteral("folianto-") + QString::number(::geteuid()));
}

} // namespace

TEST(TempPath, CreatesOnePrivateFolderWithOneTrailingSeparator)
{
    TempDirAsTmp tmp;
    const QString path = util::TempPath();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(path.endsWith(QLatin1Char('/')));
    EXPECT_FALSE(path.endsWith(QStringLiteral("//")));
    EXPECT_TRUE(path.startsWith(tmp.dir.path() + QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(modeOf(path), mode_t(0700));
    EXPECT_EQ(util::TempPath(), path); // the same folder again, reused
}

TEST(TempPath, RefusesWhatIsNotAPrivateFolderOfThisUser)
{
    const struct {
        const char* what;
        std::function<bool(const QString& place, const QString& elsewhere)> plant;
    } cases[] = {
        {"link to a folder", [](const QString& p, const QString& e) { return test::makeLink(e, p); }},
        {"folder open to others",
         [](const QString& p, const QString&) { return QDir().mkdir(p) && test::setMode(p, 0777); }},
        {"folder readable by the group",
         [](const QString& p, const QString&) { return QDir().mkdir(p) && test::setMode(p, 0750); }},
        {"plain file",
         [](const QString& p, const QString&) {
             QFile f(p);
             return f.open(QIODevice::WriteOnly);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDirAsTmp tmp;
        test::TempDir elsewhere;
        ASSERT_TRUE(test::setMode(elsewhere.path(), 0700));
        ASSERT_TRUE(c.plant(privateFolderIn(tmp.dir.path()), elsewhere.path()));
        EXPECT_EQ(util::TempPath(), QString());
        EXPECT_EQ(util::WorkFolder(), QString());
        EXPECT_TRUE(QDir(elsewhere.path()).isEmpty()); // nothing made through the link
    }
}

TEST(TempPath, RefusesAFolderOwnedBySomeoneElse)
{
    if (!test::runningAsRoot())
        GTEST_SKIP() << "only root can make a folder owned by another user";
    TempDirAsTmp tmp;
    const QString place = privateFolderIn(tmp.dir.path());
    ASSERT_TRUE(QDir().mkdir(place));
    ASSERT_TRUE(test::setMode(place, 0700));
    ASSERT_EQ(::chown(QFile::encodeName(place).constData(), 65534, 65534), 0);
    EXPECT_EQ(util::TempPath(), QString());
}

TEST(TempPath, EmptyWhenTheTemporaryRootIsMissing)
{
    TempDirAsTmp tmp;
    qputenv("TMPDIR", QFile::encodeName(tmp.dir.file(QStringLiteral("missing"))));
    EXPECT_EQ(util::TempPath(), QString());
    EXPECT_FALSE(QFileInfo::exists(tmp.dir.file(QStringLiteral("missing"))));
}

TEST(WorkFolder, IsBookdataInsideTempPathAndComesBackAfterClearing)
{
    TempDirAsTmp tmp;
    const QString work = util::WorkFolder();
    ASSERT_FALSE(work.isEmpty());
    EXPECT_EQ(work, util::TempPath() + QStringLiteral("BOOKDATA"));
    EXPECT_TRUE(QFileInfo(work).isDir());
    EXPECT_FALSE(QFileInfo(work).isSymLink());

    ASSERT_TRUE(util::ClearFolder(work));
    EXPECT_FALSE(QFileInfo::exists(work));
    EXPECT_EQ(util::WorkFolder(), work);
    EXPECT_TRUE(QFileInfo(work).isDir());
}

TEST(WorkFolder, RefusesALinkInItsPlace)
{
    TempDirAsTmp tmp;
    test::TempDir elsewhere;
    const QString temp = util::TempPath();
    ASSERT_FALSE(temp.isEmpty());
    ASSERT_TRUE(test::makeLink(elsewhere.path(), temp + QStringLiteral("BOOKDATA")));
    EXPECT_EQ(util::WorkFolder(), QString());
}

TEST(SystemFolder, IsAnExistingFolderWithoutTrailingSeparator)
{
    const QString folder = util::SystemFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_FALSE(folder.endsWith(QLatin1Char('/')) && folder.size() > 1);
}
