#include "DbfBytes.h"
#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"
#include "support/TempDir.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

using namespace folianto;
using folianto::dbf::DbfError;
using folianto::dbf::DbfReader;
using folianto::test::RawField;
using folianto::test::rawRecord;
using folianto::test::rawTable;

namespace {

QString localDecimal(const QString& text)
{
    QLocale l = QLocale::system();
    return QString(text).replace(u'.', l.decimalPoint());
}

// Every live record as its fields' texts joined by "|".
QStringList walk(DbfReader& r)
{
    QStringList rows;
    for (r.first(); !r.eof(); r.next()) {
        QStringList values;
        for (int f = 0; f < r.fields().size(); ++f)
            values.append(r.text(r.current(), f));
        rows.append(values.join(u'|'));
    }
    return rows;
}

const QList<RawField> kMixed = {{"NAME", 'C', 10}, {"QTY", 'N', 4}, {"PRICE", 'N', 8, 2},
                                {"WHEN", 'D', 8}, {"OK", 'L', 1}};

} // namespace

TEST(DbfReader, ReadsEveryTypeAsText)
{
    test::TempDir dir;
    const QList<QByteArray> records = {
        rawRecord(kMixed, {"war", "  12", "   12.50", "20240131", "J"}),
        rawRecord(kMixed, {"peace  \x01", "", "", "00000000", " "}),
        rawRecord(kMixed, {"gone", "1", "1", "20240101", "T"}, true),
        rawRecord(kMixed, {QByteArray("ab\0cd", 5), "-7", "  -0.25", "        ", "y"}),
    };
    const QString path = dir.write("t.dbf", rawTable(0x03, kMixed, records));
    DbfReader r;
    r.open(path);
    EXPECT_EQ(r.recordCount(), 4); // the deleted record counts
    const QString jan31 = QLocale::system().toString(QDate(2024, 1, 31), QLocale::ShortFormat);
    EXPECT_EQ(walk(r), (QStringList{"war|12|" + localDecimal("12.5") + "|" + jan31 + "|True",
                                    "peace|0|0||False", "ab|-7|" + localDecimal("-0.25") + "||True"}));
    EXPECT_TRUE(r.isDeleted(2));
    EXPECT_EQ(r.offeredFieldNames(), (QStringList{"NAME", "QTY", "PRICE", "WHEN", "OK"}));
}

TEST(DbfReader, NumericFieldWithLettersIsAReadErrorNotACrash)
{
    test::TempDir dir;
    const QString path = dir.write("t.dbf", rawTable(0x03, kMixed, {rawRecord(kMixed, {"a", "x1"})}));
    DbfReader r;
    r.open(path);
    EXPECT_THROW(r.text(0, 1), DbfError);
    EXPECT_EQ(r.text(0, 0), "a");
}

TEST(DbfReader, WideCharacterFieldAndTranslation)
{
    test::TempDir dir;
    const QList<RawField> fields = {{"LONG", 'C', 300}, {"N", 'N', 3}};
    const QByteArray oem = codepage::toCp866(u"Война");
    const QByteArray table = rawTable(0x03, fields, {rawRecord(fields, {QByteArray(290, 'x') + oem, "5"})});
    EXPECT_EQ(table[32 + 16], char(44));
    EXPECT_EQ(table[32 + 17], char(1));
    DbfReader r;
    r.open(dir.write("w.dbf", table));
    EXPECT_EQ(r.fields()[0].width, 300);
    EXPECT_EQ(r.fields()[1].offset, 301);
    EXPECT_EQ(r.text(0, 1), "5");
    EXPECT_EQ(r.text(0, 0).right(5), codepage::fromCp1251(oem));
    r.setTranslate(true);
    EXPECT_EQ(r.text(0, 0).right(5), "Война");
}

TEST(DbfReader, HeaderClaimingMoreRecordsYieldsOnlyCompleteOnes)
{
    test::TempDir dir;
    const QList<RawField> fields = {{"A", 'C', 5}};
    QByteArray table = rawTable(0x03, fields, {rawRecord(fields, {"one"}), rawRecord(fields, {"two"})}, 1000000);
    table.chop(3); // the end marker and part of the last record
    DbfReader r;
    r.open(dir.write("t.dbf", table));
    EXPECT_EQ(r.recordCount(), 1);
    EXPECT_EQ(walk(r), QStringList{"one"});
}

TEST(DbfReader, RefusesWhatIsNotAnAcceptedTable)
{
    test::TempDir dir;
    const QList<RawField> fields = {{"A", 'C', 5}};
    const QByteArray good = rawTable(0x03, fields, {rawRecord(fields, {"one"})});
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    QList<Case> cases;
    auto patched = [&](int at, QByteArray with) {
        QByteArray b = good;
        b.replace(at, with.size(), with);
        return b;
    };
    cases.append({"version 0x04", patched(0, QByteArray(1, '\x04'))});
    cases.append({"enciphered", patched(15, QByteArray(1, '\x01'))});
    cases.append({"header length 20", patched(8, QByteArray("\x14\x00", 2))});
    cases.append({"record length 0", patched(10, QByteArray("\x00\x00", 2))});
    cases.append({"header past the end", patched(8, QByteArray("\xFF\xFF", 2))});
    cases.append({"fields overrun the record", patched(32 + 16, QByteArray(1, '\x50'))});
    cases.append({"short file", good.left(20)});
    cases.append({"memo table without memo file", patched(0, QByteArray(1, '\x83'))});
    cases.append({"FoxPro memo flag without memo file",
                  rawTable(0x30, fields, {rawRecord(fields, {"x"})}, -1, 2)});
    for (const Case& c : cases) {
        DbfReader r;
        EXPECT_THROW(r.open(dir.write("bad.dbf", c.bytes)), DbfError) << c.what;
        EXPECT_FALSE(r.isOpen()) << c.what;
    }
    DbfReader r;
    EXPECT_THROW(r.open(dir.file("missing.dbf")), DbfError);
}

TEST(DbfReader, ManyFieldsInALongHeaderAreCappedByTheFile)
{
    test::TempDir dir;
    QByteArray b(32, '\0');
    b[0] = 0x03;
    test::putLe16(b, 8, 65535);
    test::putLe16(b, 10, 20000);
    b += QByteArray(70000, '\0');
    DbfReader r;
    // 2046 descriptors of width 0 fit; the file holds no whole record.
    EXPECT_NO_THROW(r.open(dir.write("many.dbf", b)));
    EXPECT_EQ(r.recordCount(), 0);
    EXPECT_TRUE(r.eof());
}

TEST(DbfReader, VisualFoxProLayoutWithMemoAndBinaryFields)
{
    test::TempDir dir;
    const QList<RawField> fields = {{"NOTE", 'M', 4}, {"I", 'I', 4}, {"TITLE", 'C', 6}};
    QByteArray rec(1, ' ');
    QByteArray block(4, '\0'), number(4, '\0');
    test::putLe32(block, 0, 1);
    test::putLe32(number, 0, quint32(-42));
    rec += block + number + QByteArray("abc   ");
    dir.write("fox.dbf", rawTable(0x30, fields, {rec}, -1, 2));
    QByteArray fpt(512 + 8, '\0');
    fpt[6] = 2; // block size 512, big-endian
    test::putBe32(fpt, 512, 1);
    test::putBe32(fpt, 516, 5);
    fpt += "hello world";
    dir.write("FOX.FPT", fpt);
    DbfReader r;
    r.open(dir.file("fox.dbf"));
    EXPECT_EQ(walk(r), QStringList{"hello|-42|abc"});
}

TEST(DbfReader, MemoLayoutsOfEachVersion)
{
    test::TempDir dir;
    const QList<RawField> fields = {{"NOTE", 'M', 10}};
    auto recordFor = [&](const char* block) { return rawRecord(fields, {QByteArray(block).rightJustified(10, ' ')}); };
    const QList<QByteArray> records = {recordFor("1"), recordFor(""), recordFor("0"), recordFor("99999"),
                                       recordFor("2")};

    // dBase III: 512-byte blocks, text up to 0x1A.
    QByteArray dbt3(512, '\0');
    dbt3 += QByteArray("first memo\x1A\x1Arest").leftJustified(512, '\0');
    dbt3 += QByteArray("second");
    dir.write("d3.dbf", rawTable(0x83, fields, records));
    dir.write("d3.dbt", dbt3);

    // dBase IV: block size at offset 20, blocks begin FF FF 08 00 and a length with those 8 bytes.
    QByteArray dbt4(64, '\0');
    test::putLe32(dbt4, 20, 64);
    QByteArray block4("\xFF\xFF\x08\x00", 4);
    block4 += QByteArray(4, '\0');
    test::putLe32(block4, 4, 8 + 10);
    dbt4 += QByteArray(block4 + "first memo").leftJustified(64, '\0');
    QByteArray block4b = block4;
    test::putLe32(block4b, 4, 8 + 1000000); // a length past the end
    dbt4 += block4b + "second";
    dir.write("d4.dbf", rawTable(0x8B, fields, records));
    dir.write("D4.DBT", dbt4);

    // FoxPro 2: block size big-endian at offset 6; blocks: type and length, big-endian.
    QByteArray fpt(32, '\0');
    fpt[7] = 32;
    QByteArray blockF(8, '\0');
    test::putBe32(blockF, 0, 1);
    test::putBe32(blockF, 4, 10);
    fpt += QByteArray(blockF + "first memo").leftJustified(32, '\0');
    test::putBe32(blockF, 4, 6);
    fpt += blockF + "second";
    dir.write("f.dbf", rawTable(0xF5, fields, records));
    dir.write("f.fpt", fpt);

    for (const char* name : {"d3.dbf", "d4.dbf", "f.dbf"}) {
        DbfReader r;
        r.open(dir.file(name));
        EXPECT_EQ(walk(r), (QStringList{"first memo", "", "", "", "second"})) << name;
    }
}

TEST(DbfReader, TruncatedMemoFileAndZeroBlockSize)
{
    test::TempDir dir;
    const QList<RawField> fields = {{"NOTE", 'M', 10}};
    dir.write("t.dbf", rawTable(0x8B, fields, {rawRecord(fields, {"         1"})}));
    dir.write("t.dbt", QByteArray(10, '\0')); // no whole header
    DbfReader r;
    EXPECT_THROW(r.open(dir.file("t.dbf")), DbfError);
    dir.write("t.dbt", QByteArray(512, '\0')); // block size 0
    EXPECT_THROW(r.open(dir.file("t.dbf")), DbfError);
}
