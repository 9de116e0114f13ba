#include "reader/BookLocation.h"

#include "catalogue/CatalogueRecord.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folianto;
namespace field = catalogue::field;

namespace {

// One catalogue row holding `link`, and a tree of files below a temporary root.
struct Location {
    explicit Location(const QString& link = {})
    {
        ds.setFieldDefs(catalogue::catalogueFieldDefs());
        ds.createEmpty();
        ds.append();
        ds.setValue(field::BookName, QStringLiteral("Книга"));
        ds.setValue(field::FileName, link);
        ds.post();
        ds.events().afterPost = [this] { ++posts; };
    }
    QString file(const QString& relative) { return dir.write(relative, "text"); }
    QString root() const { return dir.path(); }
    QString link() const { return ds.asString(field::FileName); }

    test::TempDir dir;
    table::Dataset ds;
    int posts = 0;
};

QString windowsStyle(QString path)
{
    return path.replace(u'/', u'\\');
}

} // namespace

TEST(LocateBookFile, EachStepWithItsCandidate)
{
    // Links are written relative to the temporary root ("@"), which stands for the
    // substitution folder where a case sets one.
    const struct {
        const char* what;
        const char* link;     // "@" = the root; "C:" links are Windows ones
        const char* subst;    // "" = none, "@" = the root
        bool subDirs;
        std::initializer_list<const char*> files; // below the root
        const char* expected; // below the root; "" = not found
    } cases[] = {
        {"stored native path", "@/Книги/a.txt", "@", false, {"Книги/a.txt", "a.txt"}, "Книги/a.txt"},
        {"no substitution: only the stored path", "C:\\Книги\\a.txt", "", true, {"Книги/a.txt", "a.txt"}, ""},
        {"whole path in front of a Windows link", "C:\\Книги\\Фантастика\\a.txt", "@", false,
         {"Книги/Фантастика/a.txt", "a.txt"}, "Книги/Фантастика/a.txt"},
        {"whole path in front of a network link", "\\\\srv\\share\\dir\\a.txt", "@", false,
         {"dir/a.txt", "a.txt"}, "dir/a.txt"},
        {"link without a drive loses its leading separator", "\\Книги\\a.txt", "@", false,
         {"Книги/a.txt"}, "Книги/a.txt"},
        {"bare name", "a.txt", "@", false, {"a.txt"}, "a.txt"},
        {"substitution folder with the name", "C:\\Книги\\Фантастика\\a.txt", "@", false,
         {"a.txt", "deep/a.txt"}, "a.txt"},
        {"subtree search off", "C:\\Книги\\a.txt", "@", false, {"x/y/a.txt"}, ""},
        {"subtree search on", "C:\\Книги\\a.txt", "@", true, {"x/y/a.txt", "x/y/z/a.txt"}, "x/y/a.txt"},
        {"subtree search finds nothing", "C:\\Книги\\a.txt", "@", true, {"x/b.txt"}, ""},
        {"a folder counts as found", "C:\\Книги", "@", false, {"Книги/inner.txt"}, "Книги"},
        {"an empty link is never found", "", "@", true, {"a.txt"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Location loc;
        const QString link = QString::fromUtf8(c.link).replace(u'@', loc.root());
        loc.ds.edit();
        loc.ds.setValue(field::FileName, link);
        loc.ds.post();
        for (const char* f : c.files)
            loc.file(QString::fromUtf8(f));
        reader::LocationSettings settings;
        settings.substitutionPath = QString::fromUtf8(c.subst).replace(u'@', loc.root() + u'/');
        settings.searchSubfolders = c.subDirs;
        const QString expected = *c.expected ? loc.root() + u'/' + QString::fromUtf8(c.expected) : QString();
        EXPECT_EQ(reader::LocateBookFile(loc.ds, settings, link), expected);
        EXPECT_EQ(loc.link(), link); // nothing written back without writeBack
    }
}

TEST(LocateBookFile, DriveSwapTakesOnlyTheSubstitutionDrive)
{
    // A network-style substitution path "//a/b/..." made of the root's first two components:
    // its drive is "//a/b", so a Windows link's drive is swapped for it and the rest is kept.
    Location loc;
    const QString root = QDir::cleanPath(loc.root());
    const QStringList parts = root.split(u'/', Qt::SkipEmptyParts);
    ASSERT_GE(parts.size(), 2);
    const QString drive = QStringLiteral("//") + parts[0] + u'/' + parts[1];
    const QString below = root.mid(1 + parts[0].size() + 1 + parts[1].size()); // "/..." or ""
    const QString target = loc.file(QStringLiteral("Книги/a.txt"));
    const QString link = windowsStyle(QStringLiteral("C:") + below + QStringLiteral("/Книги/a.txt"));
    loc.ds.edit();
    loc.ds.setValue(field::FileName, link);
    loc.ds.post();

    reader::LocationSettings settings;
    settings.substitutionPath = drive + QStringLiteral("/elsewhere/");
    const QString found = reader::LocateBookFile(loc.ds, settings, link);
    EXPECT_EQ(QFileInfo(found).canonicalFilePath(), QFileInfo(target).canonicalFilePath());
    EXPECT_TRUE(found.startsWith(drive + below)) << found.toStdString();
}

TEST(LocateBookFile, DriveSwapWithoutASubstitutionDriveUsesTheRoot)
{
    // "C:\<root>\a.txt" with a substitution folder that has no drive: step 2 tries "/<root>/a.txt".
    Location loc;
    const QString target = loc.file(QStringLiteral("a.txt"));
    const QString link = windowsStyle(QStringLiteral("C:") + target);
    reader::LocationSettings settings;
    settings.substitutionPath = QStringLiteral("/nonexistent-folder-for-the-test/");
    EXPECT_EQ(reader::LocateBookFile(loc.ds, settings, link), target);
}

TEST(LocateBookFile, WritesBackOnlyWhatDiffers)
{
    {
        SCOPED_TRACE("stored path exists: nothing written");
        Location loc;
        const QString path = loc.file(QStringLiteral("a.txt"));
        loc.ds.edit();
        loc.ds.setValue(field::FileName, path);
        loc.ds.post();
        loc.posts = 0;
        reader::LocationSettings settings{loc.root() + u'/', true, true, {}};
        EXPECT_EQ(reader::LocateBookFile(loc.ds, settings, path), path);
        EXPECT_EQ(loc.posts, 0);
        EXPECT_EQ(loc.link(), path);
    }
    {
        SCOPED_TRACE("found by substitution: written, native separators");
        Location loc(QStringLiteral("C:\\Книги\\a.txt"));
        const QString path = loc.file(QStringLiteral("Книги/a.txt"));
        reader::LocationSettings settings{loc.root() + u'/', false, true, {}};
        EXPECT_EQ(reader::LocateBookFile(loc.ds, settings, loc.link()), path);
        EXPECT_EQ(loc.posts, 1);
        EXPECT_EQ(loc.link(), path);
        EXPECT_EQ(loc.ds.state(), table::DatasetState::Browse);
    }
    {
        SCOPED_TRACE("row being edited: the path goes into the edit, not posted");
        Location loc(QStringLiteral("C:\\Книги\\a.txt"));
        const QString path = loc.file(QStringLiteral("Книги/a.txt"));
        loc.ds.edit();
        reader::LocationSettings settings{loc.root() + u'/', false, true, {}};
        EXPECT_EQ(reader::LocateBookFile(loc.ds, settings, loc.link()), path);
        EXPECT_EQ(loc.posts, 0);
        EXPECT_EQ(loc.ds.state(), table::DatasetState::Edit);
        EXPECT_EQ(loc.link(), path);
        loc.ds.cancel(); // the editor's Cancel drops it with the rest
        EXPECT_EQ(loc.link(), QStringLiteral("C:\\Книги\\a.txt"));
    }
    {
        SCOPED_TRACE("found under another letter case: written");
        Location loc;
        const QString path = loc.file(QStringLiteral("Книги/a.txt"));
        const QString other = loc.root() + QStringLiteral("/книги/A.TXT");
        loc.ds.edit();
        loc.ds.setValue(field::FileName, other);
        loc.ds.post();
        reader::LocationSettings settings{loc.root() + u'/', true, true, {}};
        // Step 4 uses the name as stored ("A.TXT"); the subtree search finds "Книги/a.txt".
        EXPECT_EQ(reader::LocateBookFile(loc.ds, settings, other), path);
        EXPECT_EQ(loc.link(), path);
    }
}

TEST(LocateBookFile, SubtreeSearchOnAWorkerGivesTheSameResult)
{
    // With a repaint callback the search runs on a worker thread; the answer must not change.
    Location loc(QStringLiteral("C:\\a.txt"));
    const QString path = loc.file(QStringLiteral("l1/l2/l3/a.txt"));
    loc.file(QStringLiteral("l1/l2/l3/l4/a.txt"));
    reader::LocationSettings settings{loc.root() + u'/', true, true, [] {}};
    EXPECT_EQ(reader::LocateBookFile(loc.ds, settings, loc.link()), path);
    EXPECT_EQ(loc.link(), path);
}
