#include "util/Paths.h"

#include <gtest/gtest.h>

using namespace folianto::util;

namespace {

struct SplitCase {
    const char* path;
    const char* drive;
    const char* folder;
    const char* folderNoSeparator;
    const char* name;
    const char* extension;
};

// Links as stored by Windows catalogues, Linux paths and the odd shapes between them.
const SplitCase splitCases[] = {
    {"C:\\Книги\\Фантастика\\a.txt", "C:", "C:\\Книги\\Фантастика\\", "C:\\Книги\\Фантастика", "a.txt", ".txt"},
    {"c:/Книги/a.TXT", "c:", "c:/Книги/", "c:/Книги", "a.TXT", ".TXT"},
    {"C:a.txt", "C:", "C:", "C:", "a.txt", ".txt"},
    {"C:\\a.txt", "C:", "C:\\", "C:\\", "a.txt", ".txt"},
    {"\\\\server\\share\\dir\\b.rtf", "\\\\server\\share", "\\\\server\\share\\dir\\", "\\\\server\\share\\dir", "b.rtf", ".rtf"},
    {"//server/share/b.rtf", "//server/share", "//server/share/", "//server/share/", "b.rtf", ".rtf"},
    {"\\\\server", "", "\\\\", "\\\\", "server", ""},
    {"/home/user/книги/c.tar.gz", "", "/home/user/книги/", "/home/user/книги", "c.tar.gz", ".gz"},
    {"/a.txt", "", "/", "/", "a.txt", ".txt"},
    {"/home/user/dir.d/noext", "", "/home/user/dir.d/", "/home/user/dir.d", "noext", ""},
    {"mixed\\sub/name.", "", "mixed\\sub/", "mixed\\sub", "name.", "."},
    {"a.txt", "", "", "", "a.txt", ".txt"},
    {"", "", "", "", "", ""},
    {"1:\\a", "", "1:\\", "1:", "a", ""},
};

} // namespace

TEST(Paths, SplitsEitherSeparator)
{
    for (const SplitCase& c : splitCases) {
        const QString path = QString::fromUtf8(c.path);
        SCOPED_TRACE(c.path);
        EXPECT_EQ(driveOfPath(path), QString::fromUtf8(c.drive));
        EXPECT_EQ(folderOfPath(path), QString::fromUtf8(c.folder));
        EXPECT_EQ(folderOfPath(path, Trailing::Drop), QString::fromUtf8(c.folderNoSeparator));
        EXPECT_EQ(nameOfPath(path), QString::fromUtf8(c.name));
        EXPECT_EQ(extensionOfPath(path), QString::fromUtf8(c.extension));
        // Folder and name always put the path back together.
        EXPECT_EQ(folderOfPath(path) + nameOfPath(path), path);
    }
}

TEST(Paths, ChangesExtensionOfTheNameOnly)
{
    const struct {
        const char* path;
        const char* extension;
        const char* result;
    } cases[] = {
        {"C:\\Книги\\a.doc", ".RTF", "C:\\Книги\\a.RTF"},
        {"/books/a.tar.gz", ".zip", "/books/a.tar.zip"},
        {"/books.d/readme", ".TXT", "/books.d/readme.TXT"},
        {"C:\\dir.x\\name", ".txt", "C:\\dir.x\\name.txt"},
        {"/b/a.txt", "", "/b/a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(changeExtension(QString::fromUtf8(c.path), QString::fromUtf8(c.extension)),
                  QString::fromUtf8(c.result))
            << c.path;
}

TEST(Paths, TrailingSeparators)
{
    const QString sep = nativeSeparator();
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/tmp")), QStringLiteral("/tmp") + sep);
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/tmp/")), QStringLiteral("/tmp/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("E:\\Архив\\")), QStringLiteral("E:\\Архив\\"));
    EXPECT_EQ(withTrailingSeparator(QString()), QString()); // no folder never becomes the root

    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("/tmp/")), QStringLiteral("/tmp"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("E:\\Архив\\")), QStringLiteral("E:\\Архив"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("/tmp")), QStringLiteral("/tmp"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("\\\\srv\\share\\")),
              QStringLiteral("\\\\srv\\share\\"));
}

TEST(Paths, JoinsAndConvertsSeparators)
{
    const QString sep = nativeSeparator();
    EXPECT_EQ(joinPath(QStringLiteral("/books"), QStringLiteral("a.txt")),
              QStringLiteral("/books") + sep + QStringLiteral("a.txt"));
    EXPECT_EQ(joinPath(QStringLiteral("E:\\Архив\\"), QStringLiteral("a.txt")),
              QStringLiteral("E:\\Архив\\a.txt"));
    EXPECT_EQ(joinPath(QString(), QStringLiteral("a.txt")), QStringLiteral("a.txt"));

    const QString mixed = QStringLiteral("Книги\\Фантастика/a.txt");
    const QString native = nativeSeparators(mixed);
    EXPECT_EQ(native, QStringLiteral("Книги") + sep + QStringLiteral("Фантастика") + sep
                          + QStringLiteral("a.txt"));
    EXPECT_EQ(nameOfPath(native), QStringLiteral("a.txt"));
}
