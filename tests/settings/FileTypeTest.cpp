#include "app/settings/XdgFileTypeRegistrar.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace folianto::settings;
using folianto::test::TempDir;

namespace {

class FileTypeTest : public ::testing::Test {
protected:
    // A registrar confined to the test folders: no system data folders, no database tools.
    XdgFileTypeRegistrar registrar() const
    {
        return XdgFileTypeRegistrar(home.path(), false, QStringList{system.path()});
    }
    static FileTypeInfo info(const QString& exe = QStringLiteral("/opt/folianto/bin/folianto"))
    {
        FileTypeInfo i;
        i.executable = exe;
        return i;
    }

    TempDir home;
    TempDir system;
};

QString otherPackage(const QString& type, const QString& pattern)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"
                          "<mime-type type=\"%1\"><comment>Other</comment><glob pattern=\"%2\"/>"
                          "</mime-type></mime-info>\n")
        .arg(type, pattern);
}

} // namespace

TEST_F(FileTypeTest, RegisterWritesTheTypeTheClaimAndTheDesktopEntry)
{
    XdgFileTypeRegistrar r = registrar();
    ASSERT_TRUE(r.registerType(info()));
    EXPECT_EQ(r.typePackagePath(info()), home.file("mime/packages/folianto.xml"));
    EXPECT_EQ(r.extensionPackagePath(info()), home.file("mime/packages/folianto-bon.xml"));
    EXPECT_EQ(r.desktopEntryPath(info()), home.file("applications/folianto.desktop"));

    const QString type = QString::fromUtf8(TempDir::read(r.typePackagePath(info())));
    EXPECT_TRUE(type.contains("<mime-type type=\"application/x-folianto\">"));
    EXPECT_TRUE(type.contains("<comment>Folianto files</comment>"));
    EXPECT_TRUE(QString::fromUtf8(TempDir::read(r.extensionPackagePath(info())))
                    .contains("<glob pattern=\"*.bon\"/>"));
    const QString desktop = QString::fromUtf8(TempDir::read(r.desktopEntryPath(info())));
    EXPECT_TRUE(desktop.contains("\nExec=/opt/folianto/bin/folianto %f\n"));
    EXPECT_TRUE(desktop.contains("\nMimeType=application/x-folianto;\n"));
}

TEST_F(FileTypeTest, OnlyTheOpenCommandIsReplacedWhenDifferent)
{
    XdgFileTypeRegistrar r = registrar();
    r.registerType(info());
    // The user's edits of the type are left alone; a moved executable updates the command.
    home.write("mime/packages/folianto.xml", "edited");
    r.registerType(info("/usr/bin/folianto"));
    EXPECT_EQ(TempDir::read(r.typePackagePath(info())), QByteArray("edited"));
    EXPECT_TRUE(QString::fromUtf8(TempDir::read(r.desktopEntryPath(info())))
                    .contains("\nExec=/usr/bin/folianto %f\n"));
}

TEST_F(FileTypeTest, ExtensionClaimedByAnotherProgramIsLeftToIt)
{
    const struct {
        const char* file;
        QByteArray content;
    } claims[] = {
        {"mime/packages/other.xml", otherPackage("application/x-other", "*.BON").toUtf8()},
        {"mime/globs2", "50:application/x-other:*.bon\n"},
    };
    for (const auto& claim : claims) {
        TempDir home2, system2;
        system2.write(QString::fromLatin1(claim.file), claim.content);
        XdgFileTypeRegistrar r(home2.path(), false, QStringList{system2.path()});
        EXPECT_EQ(r.otherClaim(info()), "application/x-other") << claim.file;
        r.registerType(info());
        EXPECT_TRUE(QFileInfo::exists(r.typePackagePath(info())));
        EXPECT_TRUE(QFileInfo::exists(r.desktopEntryPath(info())));
        EXPECT_FALSE(QFileInfo::exists(r.extensionPackagePath(info()))) << claim.file;
    }

    // Our own earlier claim is no other program's.
    XdgFileTypeRegistrar r = registrar();
    r.registerType(info());
    home.write("mime/globs2", "50:application/x-folianto:*.bon\n");
    EXPECT_EQ(r.otherClaim(info()), "");
}

TEST_F(FileTypeTest, RemovalDeletesExactlyWhatWasWritten)
{
    home.write("mime/packages/other.xml", otherPackage("application/x-other", "*.oth").toUtf8());
    home.write("applications/other.desktop", "[Desktop Entry]\n");
    XdgFileTypeRegistrar r = registrar();
    r.registerType(info());
    ASSERT_TRUE(r.removeType(info()));
    EXPECT_FALSE(QFileInfo::exists(r.typePackagePath(info())));
    EXPECT_FALSE(QFileInfo::exists(r.extensionPackagePath(info())));
    EXPECT_FALSE(QFileInfo::exists(r.desktopEntryPath(info())));
    EXPECT_TRUE(QFileInfo::exists(home.file("mime/packages/other.xml")));
    EXPECT_TRUE(QFileInfo::exists(home.file("applications/other.desktop")));
    EXPECT_TRUE(r.removeType(info())); // nothing left to remove is no failure
}

TEST_F(FileTypeTest, ExecLineQuotesWhatTheDesktopWouldSplit)
{
    const struct {
        const char* exe;
        const char* exec;
    } cases[] = {
        {"/usr/bin/folianto", "/usr/bin/folianto %f"},
        {"/home/u/Мои программы/folianto", "\"/home/u/Мои программы/folianto\" %f"},
        {"/opt/a$b/folianto", "\"/opt/a\\$b/folianto\" %f"},
        {"/opt/100%/folianto", "/opt/100%%/folianto %f"},
        {"/opt/x y%/f", "\"/opt/x y%%/f\" %f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XdgFileTypeRegistrar::execLine(QString::fromUtf8(c.exe)), QString::fromUtf8(c.exec));

    // In the file, a backslash of the quoting is itself escaped.
    XdgFileTypeRegistrar r = registrar();
    EXPECT_TRUE(r.desktopEntry(info("/opt/a$b/f")).contains("\nExec=\"/opt/a\\\\$b/f\" %f\n"));
}

TEST_F(FileTypeTest, DatabaseToolsRefreshTheUserFolders)
{
    XdgFileTypeRegistrar r(home.path(), true, QStringList{system.path()});
    ASSERT_TRUE(r.registerType(info()));
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    const QString globs = QString::fromUtf8(TempDir::read(home.file("mime/globs2")));
    EXPECT_TRUE(globs.contains("application/x-folianto:*.bon")) << globs.toStdString();
}
