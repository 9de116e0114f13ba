// The import commands of folianto-cat, run as a process on files made in the test.

#include "ImportFixture.h"
#include "catalogue/CatalogueFixtures.h"
#include "fb2/Fb2Fixture.h"
#include "support/CatTool.h"

using namespace folianto;
using namespace folianto::test;
namespace field = catalogue::field;

namespace {

class ImportCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(catToolPath()).isExecutable())
            GTEST_SKIP() << "folianto-cat is not built next to this test (build the folianto-cat target)";
        cat = dir.file(QStringLiteral("cat.bon"));
        root = dir.file(QStringLiteral("books"));
        makeFile(root + QStringLiteral("/a.TXT"), "aaaa");
        makeFile(root + QStringLiteral("/b.rtf"));
        makeFile(root + QStringLiteral("/sub/c.txt"));
    }

    // Column `name` of the catalogue file, in storage order.
    QStringList column(const QString& name)
    {
        return readRows(cat, [&name](const table::Dataset& ds) { return ds.asString(name); });
    }

    TempDir dir;
    QString cat;
    QString root;
};

TEST_F(ImportCli, HelpListsEveryCommand)
{
    const ToolRun r = runCat({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* c : {"dump", "load", "verify", "detect", "import-folder", "import-bon", "import-bbs"})
        EXPECT_TRUE(r.out.contains(QString::fromLatin1(c))) << c;
}

TEST_F(ImportCli, ImportFolderWithOptions)
{
    ToolRun r = runCat({QStringLiteral("import-folder"), cat, root, QStringLiteral("--ext"), QStringLiteral(".TXT"),
                     QStringLiteral("--subfolders"), QStringLiteral("--author-from-ext")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList titles = column(field::BookName);
    titles.sort();
    EXPECT_EQ(titles, (QStringList{"a.TXT", "c.txt"}));
    EXPECT_TRUE(column(field::FileName).contains(QDir(root).absoluteFilePath(QStringLiteral("a.TXT"))));
    EXPECT_TRUE(column(field::Author).contains(QStringLiteral("TXT")));
    EXPECT_TRUE(column(field::Topic).contains(QStringLiteral("books"))); // the page's default: on

    r = runCat({QStringLiteral("import-folder"), cat, root, QStringLiteral("--names-only"),
                 QStringLiteral("--author"), QStringLiteral("Автор"), QStringLiteral("--no-topic-from-folder")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(column(field::FileName).mid(2).size(), 2);
    for (const QString& link : column(field::FileName).mid(2))
        EXPECT_FALSE(link.contains(u'/'));
    EXPECT_EQ(column(field::Author).mid(2), QStringList(2, QStringLiteral("Автор")));
    EXPECT_EQ(column(field::Topic).mid(2), QStringList(2, QString()));

    EXPECT_EQ(runCat({QStringLiteral("import-folder"), cat, root, QStringLiteral("--ext"), QStringLiteral("pdf")})
                  .exitCode, 1);
    EXPECT_EQ(runCat({QStringLiteral("import-folder"), cat, dir.file(QStringLiteral("none"))}).exitCode, 1);
    EXPECT_EQ(runCat({QStringLiteral("import-folder"), cat, root, QStringLiteral("--bogus")}).exitCode, 2);
    EXPECT_EQ(column(field::BookName).size(), 4);
}

TEST_F(ImportCli, ImportFolderTakesFb2DescriptionUnlessTurnedOff)
{
    const QString shelf = dir.file(QStringLiteral("fb2"));
    makeFile(shelf + QStringLiteral("/book.fb2"), encodedAs(fb2Xml(QStringLiteral("<section><p>Текст</p></section>"),
                                                                   QStringLiteral("windows-1251")),
                                                            "windows-1251"));
    ToolRun r = runCat({QStringLiteral("import-folder"), cat, shelf, QStringLiteral("--topic"), QStringLiteral("Тема")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = runCat({QStringLiteral("import-folder"), cat, shelf, QStringLiteral("--no-fb2-description")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(column(field::BookName), (QStringList{QStringLiteral("Анна Каренина"), QStringLiteral("book.fb2")}));
    EXPECT_EQ(column(field::Author), (QStringList{QStringLiteral("Толстой Лев"), QString()}));
    EXPECT_EQ(column(field::Topic), (QStringList{QStringLiteral("Тема"), QStringLiteral("fb2")}));
}

TEST_F(ImportCli, ImportBonAndBbs)
{
    ASSERT_EQ(runCat({QStringLiteral("import-folder"), cat, root}).exitCode, 0);
    const QString copy = dir.file(QStringLiteral("copy.bon"));
    ToolRun r = runCat({QStringLiteral("import-bon"), copy, cat});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("2 row(s) added")));
    const QString damaged = dir.write(QStringLiteral("bad.bon"), "not a catalogue");
    r = runCat({QStringLiteral("import-bon"), copy, damaged});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Ошибка обращения к каталогу!")));

    const QString bbs = makeFile(root + QStringLiteral("/files.bbs"),
                                 "a.TXT\tTitle\tAuthor\r\nmissing.txt\tOther\r\n; skipped\r\n");
    r = runCat({QStringLiteral("import-bbs"), cat, bbs, QStringLiteral("--sep1"), QStringLiteral("t"),
                 QStringLiteral("--sep2"), QStringLiteral("T"), QStringLiteral("--targets"),
                 QStringLiteral(",Книга,Автор"), QStringLiteral("--skip"), QStringLiteral(";")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(column(field::BookName).mid(2), (QStringList{"Title", "Other"}));
    EXPECT_EQ(column(field::Author).mid(2), (QStringList{"Author", ""}));
    EXPECT_EQ(column(field::FileName).mid(2),
              (QStringList{QDir(root).absoluteFilePath(QStringLiteral("a.TXT")), "missing.txt"}));
    EXPECT_EQ(column(field::Size).mid(2), (QStringList{"4", ""}));

    EXPECT_EQ(runCat({QStringLiteral("import-bbs"), cat, bbs}).exitCode, 2); // no --sep1
    EXPECT_EQ(runCat({QStringLiteral("import-bbs"), cat, bbs, QStringLiteral("--sep1"), QStringLiteral(" "),
                       QStringLiteral("--targets"), QStringLiteral("Книга,Том")})
                  .exitCode,
              2);
    EXPECT_EQ(runCat({QStringLiteral("import-bbs"), cat, dir.file(QStringLiteral("none.bbs")),
                       QStringLiteral("--sep1"), QStringLiteral(" ")})
                  .exitCode,
              1);
    EXPECT_EQ(column(field::BookName).size(), 4);
}

} // namespace
