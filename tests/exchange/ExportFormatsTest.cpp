#include "ExchangeFixtures.h"
#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"
#include "engines/table/TableError.h"
#include "exchange/CatalogueExport.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folianto;
using exchange::ExportRequest;
using exchange::ExportType;
using test::BookRow;
using test::TempDir;

namespace {

class ExportFormats : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::makeCatalogue(ds, {{"Бесы", "Достоевский", "Роман", "", "/b/besy.txt", 1200},
                                 {"Азазель", "Акунин", "Детектив", "a;b", "", {}},
                                 {"Война", "Толстой", "Роман", "", "w.txt", 7}});
    }

    // Filter on the novels, sorted by title: Бесы, Война.
    void filterNovels()
    {
        ds.addIndex("t", catalogue::field::BookName);
        ds.setIndexName("t");
        ds.setFilterText("_Topic = 'Роман'");
        ds.setFiltered(true);
    }

    ExportRequest request(ExportType type, const QString& name)
    {
        ExportRequest r;
        r.type = type;
        r.target = dir.file(name);
        r.when = QDateTime(QDate(2024, 6, 1), QTime(10, 0));
        return r;
    }

    table::Dataset ds;
    TempDir dir;
};

} // namespace

TEST_F(ExportFormats, DelimitedTextLinesInWindows1251)
{
    EXPECT_EQ(exchange::delimitedText(ds, u'\t'),
              codepage::toCp1251(u"1\tБесы\tДостоевский\tРоман\t\t/b/besy.txt\t1200\r\n"
                                 u"2\tАзазель\tАкунин\tДетектив\ta;b\t\t\r\n"
                                 u"3\tВойна\tТолстой\tРоман\t\tw.txt\t7\r\n"));
    // No quoting: a value holding the delimiter is written as it is.
    EXPECT_TRUE(exchange::delimitedText(ds, u';').contains("a;b;;\r\n"));
}

TEST_F(ExportFormats, DelimiterAnswers)
{
    EXPECT_EQ(exchange::delimiterFromAnswer("t"), QChar(u'\t'));
    EXPECT_EQ(exchange::delimiterFromAnswer("T"), QChar(u'T'));
    EXPECT_EQ(exchange::delimiterFromAnswer(";x"), QChar(u';'));
    EXPECT_EQ(exchange::delimiterFromAnswer(""), std::nullopt);
    EXPECT_EQ(exchange::delimiterAnswer(u'\t'), "t");
    EXPECT_EQ(exchange::delimiterAnswer(u'|'), "|");
}

TEST_F(ExportFormats, FilteredViewInViewOrderNumberedFromOne)
{
    filterNovels();
    EXPECT_EQ(exchange::delimitedText(ds, u'|'),
              codepage::toCp1251(u"1|Бесы|Достоевский|Роман||/b/besy.txt|1200\r\n2|Война|Толстой|Роман||w.txt|7\r\n"));

    ASSERT_TRUE(exchange::runExport(ds, request(ExportType::Dbf, "novels.dbf")));
    dbf::DbfReader table;
    table.open(dir.file("novels.dbf"));
    table.setTranslate(true);
    QStringList titles;
    for (table.first(); !table.eof(); table.next())
        titles.append(table.text("BOOKNAME"));
    EXPECT_EQ(titles, (QStringList{"Бесы", "Война"}));

    ASSERT_TRUE(exchange::runExport(ds, request(ExportType::Catalogue, "novels.bon")));
    EXPECT_EQ(test::bookRowsOfFile(dir.file("novels.bon")),
              (QStringList{"Бесы|Достоевский|Роман||/b/besy.txt|1200", "Война|Толстой|Роман||w.txt|7"}));
}

TEST_F(ExportFormats, CatalogueCopyWithoutFilterIsTheWholeCatalogue)
{
    ASSERT_TRUE(exchange::runExport(ds, request(ExportType::Catalogue, "all.xml")));
    EXPECT_EQ(test::bookRowsOfFile(dir.file("all.xml")), test::bookRows(ds));
    EXPECT_TRUE(TempDir::read(dir.file("all.xml")).startsWith("<?xml"));
}

TEST_F(ExportFormats, TheTypeChosenDecidesNotTheExtension)
{
    ExportRequest r = request(ExportType::Text, "books.dbf");
    r.delimiter = u'T';
    ASSERT_TRUE(exchange::runExport(ds, r));
    EXPECT_TRUE(TempDir::read(r.target).startsWith(codepage::toCp1251(u"1TБесыT")));
}

TEST_F(ExportFormats, DbfTableCutsTextsAndGivesZeroForNoSize)
{
    test::appendBooks(ds, {{QString(80, u'я'), "", "", "", QString(230, u'f'), {}}});
    ASSERT_TRUE(exchange::runExport(ds, request(ExportType::Dbf, "books.dbf")));
    const QByteArray bytes = TempDir::read(dir.file("books.dbf"));
    EXPECT_EQ(dbf::readLe16(bytes.constData() + 8), 225);
    EXPECT_EQ(dbf::readLe16(bytes.constData() + 10), 626);
    EXPECT_EQ(bytes.size(), 225 + 4 * 626 + 1);
    dbf::DbfReader table;
    table.open(dir.file("books.dbf"));
    table.setTranslate(true);
    EXPECT_EQ(table.offeredFieldNames(), (QStringList{"BOOKNAME", "AUTHOR", "TOPIC", "COMMENT", "FILENAME", "SIZE"}));
    EXPECT_EQ(table.text(1, 5), "0");
    EXPECT_EQ(table.text(3, 0), QString(70, u'я'));
    EXPECT_EQ(table.text(3, 4), QString(200, u'f'));
    EXPECT_EQ(table.text(0, 1), "Достоевский");
}

TEST_F(ExportFormats, CsvUtf8QuotesWhatNeedsIt)
{
    test::appendBooks(ds, {{"Say \"hi\", friend", "", "", "line1\nline2", "", 3}});
    const QByteArray csv = exchange::csvUtf8(ds);
    EXPECT_TRUE(csv.startsWith(QStringLiteral("\uFEFF№,Книга,Автор,Тема,Комментарий,Файл,Размер\r\n").toUtf8()));
    EXPECT_TRUE(csv.contains(QStringLiteral("2,Азазель,Акунин,Детектив,a;b,,\r\n").toUtf8()));
    EXPECT_TRUE(csv.endsWith("4,\"Say \"\"hi\"\", friend\",,,\"line1\nline2\",,3\r\n"));
}

TEST_F(ExportFormats, UnwritableTargetThrowsAndLeavesNothing)
{
    const std::pair<ExportType, const char*> cases[] = {{ExportType::Text, "t.txt"}, {ExportType::CsvUtf8, "t.csv"},
                                                        {ExportType::Dbf, "t.dbf"}, {ExportType::Catalogue, "t.bon"}};
    for (const auto& [type, name] : cases) {
        ExportRequest r = request(type, QStringLiteral("missing/") + name);
        EXPECT_ANY_THROW(exchange::runExport(ds, r)) << name;
        EXPECT_FALSE(QFileInfo::exists(r.target)) << name;
    }
    filterNovels();
    ExportRequest r = request(ExportType::Catalogue, "missing/f.bon");
    EXPECT_THROW(exchange::runExport(ds, r), table::TableError);
    EXPECT_EQ(ds.recordCount(), 2);
}
