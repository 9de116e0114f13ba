// Unicode book text: recognising UTF-8 and UTF-16 with its mark, decoding with replacement
// characters for invalid bytes, character boundaries for parts, and the map from characters
// back to byte offsets.

#include "engines/codepage/TextDetect.h"
#include "engines/codepage/Unicode.h"

#include <QBuffer>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace folianto::codepage {
namespace {

const QString kProse = QStringLiteral("Мороз и солнце; день чудесный!\nЕщё ты дремлешь, друг прелестный —\n"
                                      "Пора, красавица, проснись: 😀 ёж.\n");

QString code(QByteArray bytes)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return plainTextEncodingCode(device);
}

QByteArray utf16(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

TEST(Unicode, SequenceLengthsFollowTheUtf8Rules)
{
    struct Case { const char* bytes; int length; };
    const Case cases[] = {
        {"a", 1},           {"\xD0\xB6", 2},         {"\xE2\x80\x94", 3},    {"\xF0\x9F\x98\x80", 4},
        {"\xC0\x80", 0},    {"\xC1\xBF", 0},         {"\xE0\x80\x80", 0},    {"\xED\xA0\x80", 0},
        {"\xF0\x80\x80\x80", 0}, {"\xF4\x90\x80\x80", 0}, {"\xF5\x80\x80\x80", 0}, {"\x80", 0},
        {"\xD0\x41", 0},    {"\xD0", -1},            {"\xE2\x80", -1},       {"\xF0\x9F\x98", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf8SequenceLength(QByteArrayView(c.bytes)), c.length) << QByteArray(c.bytes).toHex().data();
}

TEST(Unicode, DetectionPutsUnicodeBeforeTheSingleByteCodePages)
{
    const QByteArray utf8 = kProse.toUtf8().repeated(40);
    // A sample cut inside a character at its end is still UTF-8.
    const QByteArray cut = QByteArray(4001, 'a') + QStringLiteral("ж").toUtf8().repeated(100);
    const QByteArray nearlyAscii = QByteArray(5000, 'a') + "\xD0\xB6"; // past the sample
    struct Case { const char* name; QByteArray bytes; const char* code; };
    const Case cases[] = {
        {"utf-8", utf8, "U"},
        {"utf-8 with mark", "\xEF\xBB\xBF" + utf8, "U"},
        {"utf-16le with mark", utf16(kProse, QStringConverter::Utf16LE), "U"},
        {"utf-16be with mark", utf16(kProse, QStringConverter::Utf16BE), "U"},
        {"cut at the sample's end", cut, "U"},
        {"ascii", QByteArray("plain words\r\n").repeated(50), "N"},
        {"utf-8 only after the sample", nearlyAscii, "N"},
        {"invalid byte in utf-8", utf8.left(500) + "\xFF" + utf8.mid(500), "N"},
        {"windows-1251", QStringEncoder("windows-1251").encode(kProse.repeated(20)), "N"},
        {"cp866", QStringEncoder("IBM866").encode(kProse.repeated(20)), "Y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(code(c.bytes), QString::fromLatin1(c.code)) << c.name;
}

TEST(Unicode, DecodingKeepsTheTextAndMapsEveryCharacterToItsBytes)
{
    struct Case { const char* name; QByteArray bytes; UnicodeForm form; QString text; };
    const QByteArray broken = kProse.toUtf8().left(10) + "\xFF\xD0" + kProse.toUtf8().mid(10) + "\xE2\x80";
    QString brokenText = kProse;
    brokenText.insert(5, QStringLiteral("\uFFFD\uFFFD")); // 10 bytes are 5 Cyrillic letters
    brokenText += QStringLiteral("\uFFFD\uFFFD");
    const Case cases[] = {
        {"utf-8", kProse.toUtf8(), UnicodeForm::Utf8, kProse},
        {"utf-8 with mark", "\xEF\xBB\xBF" + kProse.toUtf8(), UnicodeForm::Utf8, kProse},
        {"utf-8 holding U+FFFD itself", QStringLiteral("a\uFFFDb").toUtf8(), UnicodeForm::Utf8, QStringLiteral("a\uFFFDb")},
        {"invalid bytes", broken, UnicodeForm::Utf8, brokenText},
        {"a mark after an invalid byte is text", "\xFF\xEF\xBB\xBF" "a", UnicodeForm::Utf8, QStringLiteral("\uFFFD\uFEFFa")},
        {"utf-16le", utf16(kProse, QStringConverter::Utf16LE), UnicodeForm::Utf16LE, kProse},
        {"utf-16be", utf16(kProse, QStringConverter::Utf16BE), UnicodeForm::Utf16BE, kProse},
        {"utf-16 odd end", utf16(kProse, QStringConverter::Utf16LE) + "x", UnicodeForm::Utf16LE,
         kProse + QChar(0xFFFD)},
    };
    for (const Case& c : cases) {
        const UnicodeText decoded = decodeUnicode(c.bytes, c.form, true);
        EXPECT_EQ(decoded.text(), c.text) << c.name;
        EXPECT_EQ(decoded.byteOffsetOf(decoded.text().size()), c.bytes.size()) << c.name;
        for (qsizetype i = 0; i < decoded.text().size(); ++i) {
            if (decoded.text().at(i).isLowSurrogate())
                continue;
            const qint64 offset = decoded.byteOffsetOf(i);
            ASSERT_EQ(decoded.indexOfByteOffset(offset), i) << c.name << " at " << i;
            // Every character begins where the previous one ends, and the decoder agrees.
            const UnicodeText rest = decodeUnicode(QByteArrayView(c.bytes).sliced(offset), c.form, offset == 0);
            ASSERT_EQ(rest.text(), decoded.text().mid(i)) << c.name << " at " << i;
        }
    }
}

TEST(Unicode, PartsStartAtCharacterBoundaries)
{
    const QByteArray emoji = QStringLiteral("😀").toUtf8();
    struct Case { QByteArray bytes; qint64 offset; UnicodeForm form; int skip; };
    const Case cases[] = {
        {"abc", 7, UnicodeForm::Utf8, 0},
        {emoji, 7, UnicodeForm::Utf8, 0},
        {emoji.mid(1), 7, UnicodeForm::Utf8, 3},
        {emoji.mid(3), 7, UnicodeForm::Utf8, 1},
        {QByteArray("\x80\x80\x80\x80"), 7, UnicodeForm::Utf8, 3}, // never more than a sequence
        {QByteArray("\x04\x30"), 8, UnicodeForm::Utf16BE, 0},
        {QByteArray("\x30\x04\x30"), 7, UnicodeForm::Utf16BE, 1},
        {QByteArray("\xDE\x00\x04\x30", 4), 8, UnicodeForm::Utf16BE, 2}, // second half of a pair
        {QByteArray("\x00\xDE\x30\x04", 4), 8, UnicodeForm::Utf16LE, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bytesToCharacterStart(c.bytes, c.offset, c.form), c.skip) << c.bytes.toHex().data();
}

} // namespace
} // namespace folianto::codepage
