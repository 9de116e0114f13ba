#include "../dbf/DbfBytes.h"
#include "ExchangeFixtures.h"
#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"
#include "exchange/CatalogueExport.h"
#include "exchange/DbfImport.h"
#include "support/TempDir.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace folianto;
using exchange::DbfImportMapping;
using exchange::ImportTarget;
using test::RawField;
using test::rawRecord;
using test::rawTable;
using test::TempDir;

TEST(DbfImport, FileLinkFromPathFileAndExtension)
{
    struct Case {
        std::optional<QString> path;
        QString file, ext, link;
    };
    const Case cases[] = {
        {QString("C:\\Books"), "war", "txt", "C:\\Books\\war.txt"},
        {QString("C:\\Books\\"), "war", "txt", "C:\\Books\\war.txt"},
        {QString(""), "war", "txt", "\\war.txt"},
        {std::nullopt, "war.doc", "txt", "war.doc.txt"},
        {std::nullopt, "war", "", "war"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(exchange::importedFileLink(c.path, c.file, c.ext), c.link) << c.link.toStdString();
}

TEST(DbfImport, WholeNumbers)
{
    EXPECT_EQ(exchange::wholeNumber("12"), 12);
    EXPECT_EQ(exchange::wholeNumber("  -7"), -7);
    EXPECT_EQ(exchange::wholeNumber("+3"), 3);
    for (const char* bad : {"12.5", "12,5", "1 2", "abc", "-", "99999999999", "12 "})
        EXPECT_EQ(exchange::wholeNumber(bad), std::nullopt) << bad;
}

TEST(DbfImport, MapFromTheCommandLine)
{
    QString error;
    const auto m = exchange::parseImportMap("Книга=title, Размер=SIZE", &error);
    ASSERT_TRUE(m);
    EXPECT_EQ((*m)[ImportTarget::Book], "TITLE");
    EXPECT_EQ((*m)[ImportTarget::Size], "SIZE");
    EXPECT_TRUE((*m)[ImportTarget::Author].isEmpty());
    for (const char* bad : {"Книга=A,Автор=A", "Книга=A,Книга=B", "Title=A", "Книга"}) {
        EXPECT_FALSE(exchange::parseImportMap(bad, &error)) << bad;
        EXPECT_FALSE(error.isEmpty());
    }
}

class DbfImportLoop : public ::testing::Test {
protected:
    void SetUp() override { test::makeCatalogue(ds, {}); }

    QString table(const QList<QByteArray>& records)
    {
        return dir.write("t.dbf", rawTable(0x03, fields, records));
    }

    const QList<RawField> fields = {{"TITLE", 'C', 12}, {"DIR", 'C', 10}, {"FNAME", 'C', 8},
                                    {"SIZE", 'N', 6, 1}, {"QTY", 'N', 4}};
    table::Dataset ds;
    TempDir dir;
};

TEST_F(DbfImportLoop, AddsOneRowPerLiveRecordAndSkipsWhatItCannotTake)
{
    dbf::DbfReader tab;
    auto win = [](const char16_t* text) { return codepage::toCp1251(QStringView(text)); };
    tab.open(table({rawRecord(fields, {win(u"Война"), "C:\\Books", "war", "  12.0", "   3"}),
                    rawRecord(fields, {win(u"Бесы"), "", "besy", "  12.5", "   1"}),
                    rawRecord(fields, {win(u"Удалена"), "", "x", "", ""}, true),
                    rawRecord(fields, {win(u"Без размера"), "D:\\", "none", "", "  x1"}),
                    rawRecord(fields, {win(u"Идиот"), "", "", "", "   2"})}));
    DbfImportMapping m;
    m[ImportTarget::Book] = "TITLE";
    m[ImportTarget::Path] = "DIR";
    m[ImportTarget::File] = "FNAME";
    m[ImportTarget::Size] = "QTY";
    m.ext = "txt";
    const exchange::DbfImportResult result = exchange::importDbfRecords(ds, tab, m);
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(result.skipped, 1); // the letters in QTY
    EXPECT_EQ(test::bookRows(ds), (QStringList{"Война||||C:\\Books\\war.txt|3", "Бесы||||\\besy.txt|1",
                                               "Идиот||||\\.txt|2"}));

    // Sizes with decimals: 12.0 is shown as 12 and taken, 12.5 is not a whole number; a blank
    // numeric field reads as 0.
    table::Dataset other;
    test::makeCatalogue(other, {});
    DbfImportMapping sizes;
    sizes[ImportTarget::Book] = "TITLE";
    sizes[ImportTarget::Size] = "SIZE";
    exchange::importDbfRecords(other, tab, sizes);
    EXPECT_EQ(test::bookRows(other), (QStringList{"Война|||||12", "Без размера|||||0", "Идиот|||||0"}));
}

TEST_F(DbfImportLoop, NoAssignmentStillAddsEveryLiveRecord)
{
    dbf::DbfReader tab;
    tab.open(table({rawRecord(fields, {"a"}), rawRecord(fields, {"b"}, true), rawRecord(fields, {"c"})}));
    EXPECT_EQ(tab.recordCount(), 3);
    EXPECT_EQ(exchange::importDbfRecords(ds, tab, {}).added, 2);
    EXPECT_EQ(test::bookRows(ds), (QStringList{"|||||", "|||||"}));
}

TEST_F(DbfImportLoop, UnknownFieldIsRefusedBeforeAnythingIsAdded)
{
    dbf::DbfReader tab;
    tab.open(table({rawRecord(fields, {"a"})}));
    DbfImportMapping m;
    m[ImportTarget::Author] = "WRITER";
    EXPECT_THROW(exchange::importDbfRecords(ds, tab, m), dbf::DbfError);
    EXPECT_EQ(ds.recordCount(), 0);
}

TEST_F(DbfImportLoop, RoundTripExportThenImport)
{
    table::Dataset source;
    test::makeCatalogue(source, {{"Бесы", "Достоевский", "Роман", "тёмная", "/b/besy.txt", 1200},
                                 {"Азазель", "Акунин", "Детектив", "", "", {}}});
    exchange::ExportRequest r;
    r.type = exchange::ExportType::Dbf;
    r.target = dir.file("out.dbf");
    r.when = QDateTime::currentDateTime();
    ASSERT_TRUE(exchange::runExport(source, r));
    dbf::DbfReader tab;
    tab.open(r.target);
    const auto m = exchange::parseImportMap(
        "Книга=BOOKNAME,Автор=AUTHOR,Тема=TOPIC,Комментарий=COMMENT,Файл=FILENAME,Размер=SIZE", nullptr);
    ASSERT_TRUE(m);
    DbfImportMapping dos = *m;
    dos.dos = true;
    exchange::importDbfRecords(ds, tab, dos);
    // The size 0 the table holds for "no size" comes back as 0.
    EXPECT_EQ(test::bookRows(ds), (QStringList{"Бесы|Достоевский|Роман|тёмная|/b/besy.txt|1200",
                                               "Азазель|Акунин|Детектив|||0"}));
}
