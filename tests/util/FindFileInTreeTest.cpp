#include "util/FileSystem.h"

#include "FileSystemTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace folianto;

namespace {

// A tree made of the given files (paths relative to its root, "/" separated).
struct Tree {
    explicit Tree(std::initializer_list<const char*> files)
    {
        for (const char* f : files)
            dir.write(QString::fromUtf8(f), "text");
    }
    QString root() const { return dir.path(); }
    QString at(const char* relative) const { return dir.path() + '/' + QString::fromUtf8(relative); }
    test::TempDir dir;
};

} // namespace

TEST(FindFileInTree, StopsAtTheShallowestLevelThatHoldsTheName)
{
    const struct {
        const char* what;
        std::initializer_list<const char*> files;
        const char* expected; // empty: not found
    } cases[] = {
        {"start folder before level 1", {"a.txt", "sub/a.txt"}, "a.txt"},
        {"level 2 before level 3", {"x/y/a.txt", "x/y/z/a.txt"}, "x/y/a.txt"},
        // Breadth first: a deep copy under an earlier sibling loses to a shallow one.
        {"level 1 of a later sibling before level 3 of an earlier one", {"a/b/c/a.txt", "z/a.txt"},
         "z/a.txt"},
        {"dot folder never entered", {".hidden/a.txt", "v/w/a.txt"}, "v/w/a.txt"},
        {"only inside a dot folder", {".config/a.txt", "other/b.txt"}, ""},
        {"a dot file of a longer name does not match", {".a.txt"}, ""},
        {"absent", {"b.txt", "s/c.txt"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Tree tree(c.files);
        const QString expected = *c.expected ? tree.at(c.expected) : QString();
        EXPECT_EQ(util::FindFileInTree(tree.root(), QStringLiteral("a.txt")), expected);
    }
}

TEST(FindFileInTree, FolderWithTheSearchedNameDoesNotCount)
{
    const Tree tree({"a.txt/inner.txt", "b/a.txt"});
    EXPECT_EQ(util::FindFileInTree(tree.root(), QStringLiteral("a.txt")), tree.at("b/a.txt"));
}

TEST(FindFileInTree, ReturnsTheNameAsStoredOnDiskPreferringAnExactMatch)
{
    const Tree tree({"sub/Книга.TXT"});
    EXPECT_EQ(util::FindFileInTree(tree.root(), QStringLiteral("книга.txt")),
              tree.at("sub/Книга.TXT"));

    const Tree both({"a.TXT", "a.txt", "A.txt"});
    EXPECT_EQ(util::FindFileInTree(both.root(), QStringLiteral("a.txt")), both.at("a.txt"));
}

TEST(FindFileInTree, StartWithOrWithoutTrailingSeparator)
{
    const Tree tree({"d/a.txt"});
    const QString expected = tree.at("d/a.txt");
    EXPECT_EQ(util::FindFileInTree(tree.root(), QStringLiteral("a.txt")), expected);
    EXPECT_EQ(util::FindFileInTree(tree.root() + '/', QStringLiteral("a.txt")), expected);
}

TEST(FindFileInTree, MissingStartOrEmptyNameGivesNothing)
{
    const Tree tree({"a.txt"});
    EXPECT_EQ(util::FindFileInTree(tree.at("missing"), QStringLiteral("a.txt")), QString());
    EXPECT_EQ(util::FindFileInTree(QString(), QStringLiteral("a.txt")), QString());
    EXPECT_EQ(util::FindFileInTree(tree.root(), QString()), QString());
}

TEST(FindFileInTree, LinkBackToAnAncestorDoesNotLoop)
{
    const Tree tree({"one/two/b.txt"});
    ASSERT_TRUE(test::makeLink(tree.root(), tree.at("one/two/up")));
    EXPECT_EQ(util::FindFileInTree(tree.root(), QStringLiteral("a.txt")), QString());
    EXPECT_EQ(util::FindFileInTree(tree.root(), QStringLiteral("b.txt")), tree.at("one/two/b.txt"));
}
