// Runs the built folianto-cat program on catalogues made in code.

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/table/Dataset.h"
#include "support/CatTool.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folianto::catalogue;
using folianto::table::Dataset;
using folianto::test::TempDir;
using folianto::test::ToolRun;
using folianto::test::catToolPath;
using folianto::test::runCat;

namespace {

class FoliantoCat : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(catToolPath()).isExecutable())
            GTEST_SKIP() << "folianto-cat is not built next to this test (build the folianto-cat target)";
    }

    // Two books, one with values that need escapes.
    QString makeCatalogue()
    {
        Dataset ds;
        ds.setFieldDefs(catalogueFieldDefs());
        ds.createEmpty();
        ds.append();
        ds.setValue(field::BookName, QStringLiteral("Бесы"));
        ds.setValue(field::Author, QStringLiteral("Достоевский"));
        ds.setValue(field::First, QDate(2023, 4, 5));
        ds.setValue(field::Size, 1200);
        ds.post();
        ds.append();
        ds.setValue(field::BookName, QStringLiteral("Анна\tКаренина"));
        ds.setValue(field::Author, QStringLiteral("толстой"));
        ds.setValue(field::Comment, QStringLiteral("строка1\nстрока2\r\\конец"));
        ds.post();
        const QString path = dir.file(QStringLiteral("cat.bon"));
        ds.saveToFile(path);
        return path;
    }

    TempDir dir;
};

const QString kHeader = QStringLiteral("_BookName\t_Author\t_Topic\t_First\t_Last\t_Percent\t_Size\t_Comment\t"
                                       "_FileName\t_Pos\t_Oem\t_Cur\t_Arc\t_Alter\n");

TEST_F(FoliantoCat, DumpWritesTheViewWithEscapes)
{
    const QString path = makeCatalogue();
    const ToolRun all = runCat({QStringLiteral("dump"), path});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_EQ(all.out, kHeader
                           + QStringLiteral("Бесы\tДостоевский\t\t05.04.2023\t\t\t1200\t\t\t\t\t\t\t\n")
                           + QStringLiteral("Анна\\tКаренина\tтолстой\t\t\t\t\t\tстрока1\\nстрока2\\r\\\\конец\t\t\t\t\t\t\n"));

    struct Case {
        QStringList options;
        QStringList firstColumn;
    };
    const Case cases[] = {
        {{"--sort", "_BookName"}, {"Анна\\tКаренина", "Бесы"}},
        {{"--sort", "d_Size"}, {"Бесы", "Анна\\tКаренина"}},
        {{"--sort", "_Topic;_BookName"}, {"Анна\\tКаренина", "Бесы"}},
        {{"--filter", "_Author = 'Толстой'"}, {}},
        {{"--filter", "_Author = 'Толстой'", "--nocase"}, {"Анна\\tКаренина"}},
    };
    for (const Case& c : cases) {
        const ToolRun r = runCat(QStringList{QStringLiteral("dump"), path} + c.options);
        EXPECT_EQ(r.exitCode, 0) << c.options.join(u' ').toStdString() << r.err.toStdString();
        QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        lines.removeFirst();
        QStringList first;
        for (const QString& l : lines)
            first.append(l.section(u'\t', 0, 0));
        EXPECT_EQ(first, c.firstColumn) << c.options.join(u' ').toStdString();
    }
    EXPECT_EQ(runCat({QStringLiteral("dump"), path, QStringLiteral("--filter"), QStringLiteral("_Author = ")}).exitCode, 1);
    EXPECT_EQ(runCat({QStringLiteral("dump"), path, QStringLiteral("--sort"), QStringLiteral("_Nothing")}).exitCode, 1);
}

TEST_F(FoliantoCat, LoadAppendsWhatDumpWrote)
{
    const QString path = makeCatalogue();
    const QString dumped = runCat({QStringLiteral("dump"), path}).out;
    const QString copy = dir.file(QStringLiteral("new.bon"));
    const ToolRun load = runCat({QStringLiteral("load"), copy}, dumped.toUtf8());
    EXPECT_EQ(load.exitCode, 0) << load.err.toStdString();
    EXPECT_EQ(runCat({QStringLiteral("dump"), copy}).out, dumped);

    // A subset of fields in another order, CR LF line ends; appended after the others.
    const QByteArray more = "_Size\t_BookName\r\n77\tИдиот\r\n\t\\\\x\r\n";
    EXPECT_EQ(runCat({QStringLiteral("load"), copy}, more).exitCode, 0);
    Dataset ds;
    ds.setFileName(copy);
    ds.open();
    ASSERT_EQ(ds.recordCount(), 4);
    ds.setRecNo(3);
    EXPECT_EQ(ds.asString(field::BookName), QStringLiteral("Идиот"));
    EXPECT_EQ(ds.asInt(field::Size), 77);
    ds.next();
    EXPECT_EQ(ds.asString(field::BookName), QStringLiteral("\\x"));
    EXPECT_TRUE(ds.isNull(field::Size));
}

TEST_F(FoliantoCat, BadLinesAreReportedAndNothingIsWritten)
{
    const QString path = makeCatalogue();
    const QByteArray before = TempDir::read(path);
    struct Case {
        QByteArray input;
        QString mentions;
    };
    const Case cases[] = {
        {"_BookName\t_Size\nA\t1\nB\tмного\nC\t3\n", QStringLiteral("line 3")},
        {"_BookName\t_Size\nA\t1\t2\n", QStringLiteral("line 2")},
        {"_BookName\nbad \\q escape\n", QStringLiteral("line 2")},
        {"_BookName\t_First\nA\t31.02.2020\n", QStringLiteral("line 2")},
        {"_Nothing\nA\n", QStringLiteral("line 1")},
        {"", QStringLiteral("header")},
    };
    for (const Case& c : cases) {
        const ToolRun r = runCat({QStringLiteral("load"), path}, c.input);
        EXPECT_EQ(r.exitCode, 1) << c.input.toStdString();
        EXPECT_TRUE(r.err.contains(c.mentions)) << r.err.toStdString();
        EXPECT_EQ(TempDir::read(path), before) << c.input.toStdString();
    }
    const QString fresh = dir.file(QStringLiteral("fresh.bon"));
    EXPECT_EQ(runCat({QStringLiteral("load"), fresh}, "_Size\nx\n").exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(fresh));
}

TEST_F(FoliantoCat, VerifyTellsSoundFilesFromBadOnes)
{
    const QString good = makeCatalogue();
    EXPECT_EQ(runCat({QStringLiteral("verify"), good}).exitCode, 0);
    QByteArray bytes = TempDir::read(good);
    const QString cut = dir.write(QStringLiteral("cut.bon"), bytes.left(bytes.size() - 1));
    for (const QString& bad : {cut, dir.write(QStringLiteral("empty.bon"), {}), dir.file(QStringLiteral("missing.bon"))}) {
        const ToolRun r = runCat({QStringLiteral("verify"), bad});
        EXPECT_EQ(r.exitCode, 1) << bad.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(runCat({QStringLiteral("frobnicate")}).exitCode, 2);
}

TEST_F(FoliantoCat, DetectNamesTheCodePageOfEachText)
{
    const QString prose = QStringLiteral(
        "Всё смешалось в доме Облонских. Жена узнала, что муж был в связи с бывшею в их доме "
        "француженкою-гувернанткой, и объявила мужу, что не может жить с ним в одном доме.\r\n")
                              .repeated(4);
    const QString dos = dir.write(QStringLiteral("dos.txt"), folianto::codepage::toCp866(prose));
    const QString win = dir.write(QStringLiteral("win.txt"), folianto::codepage::toCp1251(prose));
    const QString utf8 = dir.write(QStringLiteral("utf8.txt"), prose.toUtf8());
    const ToolRun r = runCat({QStringLiteral("detect"), dos, win, utf8});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Y\t%1\nN\t%2\nU\t%3\n").arg(dos, win, utf8));

    const ToolRun missing = runCat({QStringLiteral("detect"), dir.file(QStringLiteral("none.txt")), win});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.txt")));
    EXPECT_EQ(missing.out, QStringLiteral("N\t%1\n").arg(win));
    EXPECT_EQ(runCat({QStringLiteral("detect")}).exitCode, 2);
}

} // namespace
