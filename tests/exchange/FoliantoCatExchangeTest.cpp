// Runs folianto-cat export and import-dbf as processes.

#include "../dbf/DbfBytes.h"
#include "ExchangeFixtures.h"
#include "engines/codepage/CodePages.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folianto;
using test::RawField;
using test::TempDir;

namespace {

class FoliantoCatExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(test::catToolPath()).isExecutable())
            GTEST_SKIP() << "folianto-cat is not built next to this test (build the folianto-cat target)";
        catalogue = dir.file("books.bon");
        test::saveThreeBooks(catalogue);
    }

    TempDir dir;
    QString catalogue;
};

} // namespace

TEST_F(FoliantoCatExchange, ExportEachType)
{
    const test::ToolRun text = test::runCat({"export", catalogue, "--to", "text", dir.file("a.txt"), "--filter",
                                             "_Topic = 'Роман'", "--sort", "d_Size", "--delimiter", ";"});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_EQ(TempDir::read(dir.file("a.txt")),
              codepage::toCp1251(u"1;Бесы;Достоевский;Роман;;besy.txt;1200\r\n2;Война;Толстой;Роман;;;7\r\n"));

    for (const char* type : {"csv", "dbf", "bon", "zip"}) {
        const QString out = dir.file(QStringLiteral("out.") + type);
        const test::ToolRun run = test::runCat({"export", catalogue, "--to", type, out});
        EXPECT_EQ(run.exitCode, 0) << type << run.err.toStdString();
        EXPECT_GT(QFileInfo(out).size(), 0) << type;
    }
    EXPECT_EQ(test::bookRowsOfFile(dir.file("out.bon")), test::bookRowsOfFile(catalogue));
}

TEST_F(FoliantoCatExchange, ExportFailuresExitNonZero)
{
    EXPECT_EQ(test::runCat({"export", catalogue, "--to", "pdf", dir.file("a")}).exitCode, 2);
    EXPECT_EQ(test::runCat({"export", catalogue, dir.file("a")}).exitCode, 2);
    const test::ToolRun missing = test::runCat({"export", dir.file("none.bon"), "--to", "text", dir.file("a")});
    EXPECT_EQ(missing.exitCode, 1);
    const test::ToolRun unwritable = test::runCat({"export", catalogue, "--to", "dbf", dir.file("no/such/a.dbf")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_FALSE(unwritable.err.isEmpty());
    EXPECT_EQ(test::runCat({"export", catalogue, "--to", "text", dir.file("a"), "--filter", "_Nope = 1"}).exitCode, 1);
}

TEST_F(FoliantoCatExchange, ImportDbfAppendsAndWritesOnce)
{
    const QList<RawField> fields = {{"TITLE", 'C', 12}, {"WHO", 'C', 20}};
    dir.write("t.dbf", test::rawTable(0x03, fields,
                                      {test::rawRecord(fields, {codepage::toCp866(u"Идиот"), codepage::toCp866(u"Ф.М.")}),
                                       test::rawRecord(fields, {"gone"}, true)}));
    const test::ToolRun run = test::runCat({"import-dbf", catalogue, dir.file("t.dbf"), "--map",
                                            "Книга=TITLE,Автор=who", "--dos", "--ext", "txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("1 row(s) added"));
    EXPECT_EQ(test::bookRowsOfFile(catalogue).last(), "Идиот|Ф.М.||||");

    const QByteArray before = TempDir::read(catalogue);
    EXPECT_EQ(test::runCat({"import-dbf", catalogue, dir.file("t.dbf"), "--map", "Книга=NOPE"}).exitCode, 1);
    EXPECT_EQ(test::runCat({"import-dbf", catalogue, dir.file("none.dbf")}).exitCode, 1);
    EXPECT_EQ(test::runCat({"import-dbf", catalogue, dir.file("t.dbf"), "--map", "Book=TITLE"}).exitCode, 2);
    EXPECT_EQ(test::runCat({"import-dbf", catalogue, dir.file("t.dbf"), "--ext", "html"}).exitCode, 2);
    EXPECT_EQ(TempDir::read(catalogue), before);
}
