#include "util/FileSystem.h"

#include "FileSystemTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folianto;
using folianto::test::modeOf;
using folianto::test::setMode;

TEST(EnsureWritable, MissingFileIsRefusedAndNotCreated)
{
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("нет.bon"));
    EXPECT_FALSE(util::EnsureWritable(path));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(util::EnsureWritable(QString()));
}

TEST(EnsureWritable, ReadOnlyFileIsMadeWritable)
{
    test::TempDir dir;
    const QString path = dir.write(QStringLiteral("a.bon"), "x");
    ASSERT_TRUE(setMode(path, 0444));
    EXPECT_TRUE(util::EnsureWritable(path));
    EXPECT_EQ(modeOf(path), mode_t(0644)); // only the owner-write bit was added
}

TEST(EnsureWritable, WritableFileKeepsItsPermissions)
{
    test::TempDir dir;
    for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0755)}) {
        const QString path = dir.write(QStringLiteral("b.bon"), "x");
        ASSERT_TRUE(setMode(path, mode));
        EXPECT_TRUE(util::EnsureWritable(path)) << std::oct << mode;
        EXPECT_EQ(modeOf(path), mode) << std::oct << mode;
    }
}

TEST(EnsureWritable, FollowsALinkToItsTarget)
{
    test::TempDir dir;
    const QString target = dir.write(QStringLiteral("real.bon"), "x");
    const QString link = dir.file(QStringLiteral("link.bon"));
    ASSERT_TRUE(setMode(target, 0444));
    ASSERT_TRUE(test::makeLink(target, link));
    EXPECT_TRUE(util::EnsureWritable(link));
    EXPECT_EQ(modeOf(target), mode_t(0644));
}

namespace {

// EnsureWritable as an ordinary user sees it: directly, or as "nobody" when the tests run as
// root. The files must then belong to nobody, as they would to the user.
std::optional<bool> ensureWritableAsUser(const QString& path)
{
    if (!test::runningAsRoot())
        return util::EnsureWritable(path);
    return test::runAsNobody([&path] { return util::EnsureWritable(path); });
}

} // namespace

TEST(EnsureWritable, FileInReadOnlyFolderIsRefusedAndLeftAlone)
{
    test::TempDir dir;
    const QString path = dir.write(QStringLiteral("sub/c.bon"), "x");
    const QString folder = dir.file(QStringLiteral("sub"));
    ASSERT_TRUE(setMode(dir.path(), 0755));
    ASSERT_TRUE(setMode(path, 0444));
    ASSERT_TRUE(setMode(folder, 0555));
    if (test::runningAsRoot()) {
        ASSERT_TRUE(test::giveToNobody(path) && test::giveToNobody(folder));
    }
    EXPECT_EQ(ensureWritableAsUser(path), std::optional<bool>(false));
    EXPECT_EQ(modeOf(path), mode_t(0444));
    setMode(folder, 0755); // let the temporary folder be removed
}

TEST(EnsureWritable, FileWhosePermissionsCannotBeChangedIsRefused)
{
    if (!test::runningAsRoot())
        GTEST_SKIP() << "a file of another user in a folder of this user needs root to make";
    // The folder is the user's, the file root's: chmod fails, as on a medium that refuses it.
    test::TempDir dir;
    const QString folder = dir.file(QStringLiteral("mine"));
    const QString path = dir.write(QStringLiteral("mine/theirs.bon"), "x");
    ASSERT_TRUE(setMode(dir.path(), 0755));
    ASSERT_TRUE(setMode(path, 0644));
    ASSERT_TRUE(test::giveToNobody(folder));
    EXPECT_EQ(ensureWritableAsUser(path), std::optional<bool>(false));
    EXPECT_EQ(modeOf(path), mode_t(0644));

    // The same file given to the user is accepted, which shows the refusal came from chmod.
    ASSERT_TRUE(test::giveToNobody(path));
    EXPECT_EQ(ensureWritableAsUser(path), std::optional<bool>(true));
    EXPECT_EQ(modeOf(path), mode_t(0644));
}
