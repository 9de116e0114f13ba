// Unicode books: UTF-8 with and without a mark, UTF-16 with its mark, detected as "U" and shown
// without loss; parts cut only between characters; positions kept as byte offsets in the file.
#include "LoadBookTextFixture.h"

#include "reader/BookEncoding.h"

#include <QStringEncoder>

using namespace folianto;
using folianto::test::LoadBookTextTest;
namespace field = catalogue::field;

namespace {

QByteArray withMark(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

TEST_F(LoadBookTextTest, UnicodeBooksAreDetectedOnceAndShownWhole)
{
    const QString prose = test::russianProse(3000) + QStringLiteral("Ёлка — «ёж» № 5 😀\n");
    struct Case { const char* name; QByteArray bytes; };
    const Case cases[] = {
        {"utf-8", prose.toUtf8()},
        {"utf-8 with mark", withMark(prose, QStringConverter::Utf8)},
        {"utf-16le with mark", withMark(prose, QStringConverter::Utf16LE)},
        {"utf-16be with mark", withMark(prose, QStringConverter::Utf16BE)},
    };
    for (bool fast : {false, true}) {
        loader.setFastRead(fast);
        for (const Case& c : cases) {
            const QString path = dir.write(QString::fromLatin1(c.name) + QStringLiteral(".txt"), c.bytes);
            addBookRow(path);
            ASSERT_TRUE(load(path)) << c.name;
            EXPECT_EQ(field(field::Oem), QStringLiteral("U")) << c.name;
            const QString shown = fast ? views.fastView().toPlainText() : views.richView().toPlainText();
            EXPECT_EQ(shown, prose) << c.name << (fast ? " fast" : " rich");
            EXPECT_EQ(loader.bookPositionOf(prose.size()), c.bytes.size()) << c.name;
            catalogue.edit();
            catalogue.setNull(field::Cur);
            catalogue.post();
        }
    }
}

TEST_F(LoadBookTextTest, UnicodePartsMeetAtCharacterBoundariesAndKeepBytePositions)
{
    const QString prose = test::russianProse(6000);
    for (const auto encoding : {QStringConverter::Utf8, QStringConverter::Utf16LE}) {
        const QByteArray bytes = encoding == QStringConverter::Utf8 ? prose.toUtf8() : withMark(prose, encoding);
        const QString path = dir.write(QStringLiteral("parts.txt"), bytes);
        addBookRow(path, QStringLiteral("U"));
        loader.setPartSize(1001); // odd: the part starts fall inside characters
        loader.setFastRead(true);
        ASSERT_TRUE(load(path));
        ASSERT_GT(pages.count(), 3);
        QString joined;
        for (int i = 0; i < pages.count(); ++i) {
            pages.pick(i);
            joined += views.fastView().toPlainText() + (i + 1 < pages.count() ? QStringLiteral("\n") : QString());
            // The shown text begins at most one character past the part's start.
            EXPECT_LE(loader.bookPositionOf(0) - qint64(i) * 1001, 3) << i;
        }
        // Fast-view paragraphs rejoin with a line break where a part ends inside a line.
        QString expected = prose;
        EXPECT_EQ(joined.remove(QLatin1Char('\n')), expected.remove(QLatin1Char('\n'))) << encoding;

        // A line start in the third part, restored in the rich view and given back on close.
        loader.setFastRead(false);
        auto bytesBefore = [&](qsizetype chars) {
            return encoding == QStringConverter::Utf8 ? qint64(prose.left(chars).toUtf8().size()) : 2 + 2 * qint64(chars);
        };
        qsizetype line = 0;
        while (line >= 0 && bytesBefore(line) < 2 * 1001 + 4)
            line = prose.indexOf(QLatin1Char('\n'), line) + 1;
        const qint64 position = bytesBefore(line);
        ASSERT_EQ(position / 1001, 2);
        catalogue.edit();
        catalogue.setValue(field::Pos, int(position));
        catalogue.post();
        ASSERT_TRUE(load(path));
        EXPECT_EQ(pages.selected(), 2);
        const int caret = views.richView().caretPosition();
        EXPECT_EQ(views.richView().toPlainText().mid(caret, 20), prose.mid(line, 20));
        EXPECT_EQ(loader.bookPositionOf(caret), position);
        EXPECT_EQ(loader.shownOffsetOf(position), caret);

        catalogue.edit();
        catalogue.setNull(field::Cur);
        catalogue.post();
        pages.clear();
    }
}

TEST(BookEncoding, SavedTextKeepsTheBooksKindOfEncoding)
{
    const QString text = QStringLiteral("Ёж — 😀");
    EXPECT_EQ(reader::encodeBookText(text, QStringLiteral("U")), text.toUtf8());
    EXPECT_EQ(reader::encodeBookText(text, QStringLiteral("N")), QByteArray("\xA8\xE6 \x97 ?"));
    EXPECT_EQ(reader::encodeBookText(text, QStringLiteral("Y")), QByteArray("\xA8\xE6 \x97 ?"));
}
