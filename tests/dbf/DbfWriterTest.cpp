#include "DbfBytes.h"
#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"
#include "engines/dbf/DbfWriter.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folianto;
using folianto::dbf::DbfError;
using folianto::dbf::DbfReader;
using folianto::dbf::DbfWriter;

namespace {

const QStringList kSixFields = {"BookName;C;70;0", "Author;C;70;0", "Topic;C;70;0",
                                "Comment;C;200;0", "FileName;C;200;0", "Size;N;15;0"};
const QDateTime kWhen(QDate(2024, 3, 5), QTime(13, 14, 15, 16));

} // namespace

TEST(DbfWriter, HeaderOfTheSixFieldExport)
{
    DbfWriter w(kSixFields, kWhen);
    w.append();
    w.setText(0, u"War");
    w.setNumber(5, 1234);
    w.post();
    w.append();
    w.setNull(5);
    w.post();
    const QByteArray b = w.bytes();
    EXPECT_EQ(b[0], char(0x03));
    EXPECT_EQ(QList<int>({b[1], b[2], b[3]}), QList<int>({24, 3, 5}));
    EXPECT_EQ(dbf::readLe32(b.constData() + 4), 2u);
    EXPECT_EQ(dbf::readLe16(b.constData() + 8), 225);
    EXPECT_EQ(dbf::readLe16(b.constData() + 10), 626);
    EXPECT_EQ(dbf::readLe32(b.constData() + 16), quint32(((13 * 64 + 14) * 64 + 15) * 1024 + 16));
    EXPECT_EQ(b.mid(32, 11), QByteArray("BOOKNAME\0\0\0", 11));
    EXPECT_EQ(b[224], '\x0D');
    EXPECT_EQ(b.size(), 225 + 2 * 626 + 1);
    EXPECT_EQ(b.back(), '\x1A');
    EXPECT_EQ(b.mid(225 + 1 + 70 * 3 + 400, 15), QByteArray("1234").rightJustified(15, ' '));
    EXPECT_EQ(b.mid(225 + 626 + 1 + 610, 15), QByteArray("0").rightJustified(15, ' '));
}

TEST(DbfWriter, FieldListRules)
{
    const QList<QStringList> invalid = {{}, {"A;C;10;0", "a;N;5;0"}, {"A;C;10"}, {"A;X;10;0"},
                                        {";C;10;0"}, {"A;N;abc;0"}, {"A;C;0;0"}};
    for (const QStringList& list : invalid) {
        try {
            DbfWriter w(list, kWhen);
            ADD_FAILURE() << list.join(u',').toStdString();
        } catch (const DbfError& e) {
            EXPECT_EQ(e.message(), "Field list is invalid");
        }
    }
    DbfWriter w({"VeryLongFieldName;C;300;0", "When;D;3;2", "Flag;L;9;0", "Note;M;1;0"}, kWhen);
    EXPECT_EQ(w.fields()[0].name, "VERYLONGFI");
    EXPECT_EQ(w.fields()[0].width, 300);
    EXPECT_EQ(w.fields()[1].width, 8);
    EXPECT_EQ(w.fields()[2].width, 1);
    EXPECT_EQ(w.fields()[3].width, 10);
    EXPECT_EQ(w.bytes()[0], char(0x83));
    EXPECT_EQ(w.bytes()[32 + 16], char(44));
    EXPECT_EQ(w.bytes()[32 + 17], char(1));
}

TEST(DbfWriter, NumberTooWideIsAWriteErrorAndTheFieldKeepsItsValue)
{
    DbfWriter w({"N;N;4;1", "C;C;3;0"}, kWhen);
    w.append();
    w.setNumber(0, 1.5);
    EXPECT_THROW(w.setNumber(0, 123.5), DbfError);
    w.setText(1, u"abcdef");
    w.post();
    EXPECT_EQ(w.bytes().right(9), QByteArray("  1.5abc\x1A"));
}

TEST(DbfWriter, RoundTripThroughTheReaderInOemAndAtomicSave)
{
    test::TempDir dir;
    DbfWriter w(kSixFields, kWhen);
    w.setTranslate(true);
    w.append();
    w.setText(w.fieldIndex("BookName"), u"Война и мир");
    w.setNumber(w.fieldIndex("Size"), 42);
    w.post();
    const QString path = w.save(dir.file("out"));
    EXPECT_EQ(QFileInfo(path).fileName(), "out.DBF");
    EXPECT_TRUE(test::TempDir::read(path).contains(codepage::toCp866(u"Война")));
    DbfReader r;
    r.open(path);
    r.setTranslate(true);
    EXPECT_EQ(r.text("BOOKNAME"), "Война и мир");
    EXPECT_EQ(r.text("SIZE"), "42");
    EXPECT_EQ(r.text("AUTHOR"), "");
    EXPECT_THROW(r.text("NOPE"), DbfError);

    // A target that cannot be written: the error, and nothing left under the name.
    const QString blocked = dir.file("no/such/folder/t.dbf");
    EXPECT_THROW(w.save(blocked), DbfError);
    EXPECT_FALSE(QFileInfo::exists(blocked));
}
