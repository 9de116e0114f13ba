#include "TableFixture.h"
#include "engines/table/Crc32.h"
#include "engines/table/TableData.h"
#include "support/TempDir.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace folianto::table;
using namespace folianto::table::test;
using folianto::test::TempDir;

namespace {

TableData sampleTable()
{
    TableData t;
    t.defs = sampleDefs();
    const QString memo = QString::fromUtf8("Строка\tс табуляцией\r\nи переводом \x01 строки \U0001F4DA ") + QString(70000, u'я');
    t.rows = {
        {QStringLiteral("Война"), 1, QDate(1869, 1, 1), memo, QStringLiteral("Y"), -5, QVariant()},
        {QString(QStringLiteral("")), QVariant(), QVariant(), QString(QStringLiteral("")), QVariant(), 32767, QVariant()},
        {QVariant(), -2147483647 - 1, QDate(9999, 12, 31), QStringLiteral("  пробелы  "), QStringLiteral("K"), QVariant(), QVariant()},
    };
    return t;
}

void expectSameTable(const TableData& a, const TableData& b)
{
    ASSERT_EQ(a.defs.size(), b.defs.size());
    for (int i = 0; i < a.defs.size(); ++i) {
        EXPECT_EQ(a.defs[i].name, b.defs[i].name);
        EXPECT_EQ(a.defs[i].type, b.defs[i].type);
        EXPECT_EQ(a.defs[i].size, b.defs[i].size);
        EXPECT_EQ(a.defs[i].calculated, b.defs[i].calculated);
    }
    ASSERT_EQ(a.rows.size(), b.rows.size());
    for (size_t r = 0; r < a.rows.size(); ++r)
        for (size_t f = 0; f < a.rows[r].size(); ++f) {
            const QVariant& x = a.rows[r][f];
            const QVariant& y = b.rows[r][f];
            EXPECT_EQ(x.isValid(), y.isValid()) << "row " << r << " field " << f;
            if (x.isValid() && y.isValid()) {
                EXPECT_EQ(x, y) << "row " << r << " field " << f;
            }
        }
}

TEST(Codec, BothFormsKeepEveryValue)
{
    const TableData t = sampleTable();
    expectSameTable(t, decodeTable(encodeBon(t)));
    expectSameTable(t, decodeTable(encodeXml(t)));
    // Null and empty text stay apart.
    const TableData back = decodeTable(encodeXml(t));
    EXPECT_FALSE(back.rows[2][0].isValid());
    EXPECT_TRUE(back.rows[1][0].isValid());
    EXPECT_TRUE(back.rows[1][0].toString().isEmpty());
}

TEST(Codec, DatasetSavesAndOpensBothForms)
{
    TempDir dir;
    for (const char* name : {"cat.bon", "cat.XML", "noext"}) {
        Dataset ds;
        fillNames(ds, {QStringLiteral("Анна Каренина"), QStringLiteral("Идиот")});
        ds.edit();
        ds.setValue(QStringLiteral("day"), QDate(2001, 2, 3));
        ds.post();
        const QString path = dir.file(QString::fromUtf8(name));
        ds.saveToFile(path);
        const bool xml = TempDir::read(path).startsWith("<?xml");
        EXPECT_EQ(xml, QByteArray(name).toLower().endsWith(".xml")) << name;

        Dataset back;
        back.setFieldDefs(sampleDefs());
        back.setFileName(path);
        back.open();
        EXPECT_EQ(column(back, QStringLiteral("name")), column(ds, QStringLiteral("name")));
        EXPECT_EQ(column(back, QStringLiteral("day")), QStringList({"", "03.02.2001"}));
        EXPECT_EQ(back.fieldDefs().size(), sampleDefs().size());
    }
}

// Truncations and foreign content for both forms; flipped bytes only where a checksum can tell.
std::vector<std::pair<std::string, QByteArray>> damagedForms(const QByteArray& good, bool checksummed)
{
    std::vector<std::pair<std::string, QByteArray>> out;
    for (int tenth = 0; tenth < 10; ++tenth)
        out.emplace_back("truncated at " + std::to_string(tenth) + "/10", good.left(good.size() * tenth / 10));
    for (qsizetype at : {qsizetype(9), qsizetype(20), good.size() / 2, good.size() - 1}) {
        if (!checksummed)
            break;
        QByteArray flipped = good;
        flipped[at] = char(flipped[at] ^ 0x20);
        out.emplace_back("byte flipped at " + std::to_string(at), flipped);
    }
    out.emplace_back("trailing bytes", good + "x");
    out.emplace_back("foreign text", "Это просто текст, а не каталог\n");
    out.emplace_back("foreign xml", "<?xml version=\"1.0\"?><html><body/></html>");
    out.emplace_back("zip header", QByteArray("PK\x03\x04", 4) + QByteArray(100, '\0'));
    return out;
}

TEST(Codec, DamagedFilesFailWhole)
{
    const TableData t = sampleTable();
    for (const bool bon : {true, false})
        for (const auto& [what, bytes] : damagedForms(bon ? encodeBon(t) : encodeXml(t), bon)) {
            try {
                decodeTable(bytes);
                ADD_FAILURE() << (bon ? "bon " : "xml ") << what << " was accepted";
            } catch (const TableError& e) {
                EXPECT_FALSE(e.message().isEmpty());
            }
        }
}

// A version 1 file put together byte by byte from its documented layout.
class Version1Bytes {
public:
    template <typename T>
    void num(T v)
    {
        const T le = qToLittleEndian(v);
        payload_.append(reinterpret_cast<const char*>(&le), sizeof le);
    }
    void text(const QByteArray& utf8)
    {
        num(quint32(utf8.size()));
        payload_.append(utf8);
    }
    void field(const QByteArray& name, quint8 type, quint8 calculated, quint32 width)
    {
        num(quint16(name.size()));
        payload_.append(name);
        num(type);
        num(calculated);
        num(width);
    }
    // The header (magic, version, flags, CRC, length) and the payload.
    QByteArray file() const
    {
        QByteArray file("\x89" "FBON\r\n\x1a", 8);
        auto head = [&file](auto v) {
            const auto le = qToLittleEndian(v);
            file.append(reinterpret_cast<const char*>(&le), sizeof le);
        };
        head(quint16(1));
        head(quint16(0));
        head(quint32(crc32(payload_)));
        head(quint64(payload_.size()));
        return file + payload_;
    }

private:
    QByteArray payload_;
};

// As the program has always written it.
QByteArray handMadeVersion1()
{
    Version1Bytes b;
    b.num(quint32(4));
    b.field("name", 0, 0, 10); // string
    b.field("day", 3, 0, 0);   // date
    b.field("n", 4, 0, 0);     // 16-bit integer
    b.field("calc", 6, 1, 0);  // calculated boolean: no values in the file
    b.num(quint32(2));
    b.num(quint8(1)), b.text(QStringLiteral("Привет").toUtf8()), b.num(quint8(1)), b.num(qint64(2451545)), b.num(quint8(1)), b.num(qint16(-3));
    b.num(quint8(0)), b.num(quint8(0)), b.num(quint8(1)), b.num(qint16(7));
    return b.file();
}

TEST(Codec, AVersion1FileOpensUnchangedAndWritesBackTheSame)
{
    TempDir dir;
    const QByteArray bytes = handMadeVersion1();
    Dataset ds;
    ds.setFileName(dir.write(QStringLiteral("old.bon"), bytes));
    ds.open();
    EXPECT_EQ(column(ds, QStringLiteral("name")), QStringList({"Привет", ""}));
    EXPECT_EQ(column(ds, QStringLiteral("day")), QStringList({"01.01.2000", ""}));
    EXPECT_EQ(column(ds, QStringLiteral("n")), QStringList({"-3", "7"}));
    ds.next();
    EXPECT_TRUE(ds.isNull(QStringLiteral("name")));
    const QString back = dir.file(QStringLiteral("back.bon"));
    ds.saveToFile(back);
    EXPECT_EQ(TempDir::read(back), bytes);
}

// A field name holding a control character is refused wherever it comes from: a file with a
// sound checksum, or the program's own field definitions.
TEST(Codec, FieldNamesWithControlCharactersAreRefused)
{
    struct Case {
        QByteArray name; // UTF-8
        bool accepted;
    };
    const Case cases[] = {
        {"Название", true},
        {"два слова", true},
        {"a\x01b", false},
        {"tab\there", false},
        {"line\n", false},
        {"\x1f", false},
        {"del\x7f", false},
        {"next\xc2\x85line", false}, // U+0085, a control of the second set
        {"\xc2\x9f", false},
    };
    for (const Case& c : cases) {
        Version1Bytes b;
        b.num(quint32(1));
        b.field(c.name, 0, 0, 10);
        b.num(quint32(1));
        b.num(quint8(1)), b.text("x");
        const std::string what = c.name.toStdString();
        if (c.accepted) {
            EXPECT_EQ(decodeBon(b.file()).defs.front().name, QString::fromUtf8(c.name)) << what;
        } else {
            EXPECT_THROW(decodeBon(b.file()), TableError) << what;
            Dataset ds;
            EXPECT_THROW(ds.setFieldDefs({{QString::fromUtf8(c.name), FieldType::String, 10}}), TableError) << what;
        }
    }
}

TEST(Codec, FutureVersionsAreRefused)
{
    QByteArray bon = encodeBon(sampleTable());
    bon[8] = 2; // version, little-endian after the magic
    try {
        decodeBon(bon);
        FAIL();
    } catch (const TableError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("более новой версией")));
    }
    QByteArray xml = encodeXml(sampleTable());
    xml.replace("version=\"1\">", "version=\"7\">");
    EXPECT_THROW(decodeXml(xml), TableError);
}

TEST(Codec, OpeningABadFileLeavesTheDatasetClosed)
{
    TempDir dir;
    const QByteArray good = encodeBon(sampleTable());
    for (const QByteArray& bytes : {QByteArray(), good.left(good.size() - 3), QByteArray("garbage")}) {
        Dataset ds;
        ds.setFileName(dir.write(QStringLiteral("bad.bon"), bytes));
        EXPECT_THROW(ds.open(), TableError);
        EXPECT_FALSE(ds.isActive());
        EXPECT_EQ(ds.recordCount(), 0);
    }
    Dataset missing;
    missing.setFileName(dir.file(QStringLiteral("none.bon")));
    EXPECT_THROW(missing.open(), TableError);
}

} // namespace
