// The byte-to-byte recodings into Windows-1251: KOI8-R (with its fixed exceptions) and DOS.

#include "engines/codepage/CodePages.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <map>

namespace folianto::codepage {
namespace {

QByteArray oneByte(int b) { return QByteArray(1, char(b)); }

// The Windows-1251 byte of a character as ICU sees the page, or -1.
int icuWindowsByte(char16_t c)
{
    static const std::map<char16_t, int> image = [] {
        std::map<char16_t, int> m;
        for (int b = 0; b < 256; ++b) {
            QStringDecoder decoder("windows-1251");
            const QString s = decoder.decode(oneByte(b));
            if (s.size() == 1)
                m.emplace(s.at(0).unicode(), b);
        }
        return m;
    }();
    const auto it = image.find(c);
    return it == image.end() ? -1 : it->second;
}

char16_t icuDecode(const char* page, int b)
{
    QStringDecoder decoder(page);
    return QString(decoder.decode(oneByte(b))).at(0).unicode();
}

TEST(KoiToWin, SharedCharactersKeepTheirIdentityAndTheRestBecomeQuestionMarks)
{
    int questionMarks = 0;
    for (int b = 0; b < 256; ++b) {
        const QByteArray out = koiToWin(oneByte(b));
        if (b == 0) {
            EXPECT_TRUE(out.isEmpty());
            continue;
        }
        ASSERT_EQ(out.size(), 1);
        const int got = static_cast<unsigned char>(out[0]);
        if (b == 0x95) { // the bullet: the same byte in both pages' use
            EXPECT_EQ(got, 0x95);
            continue;
        }
        const int win = icuWindowsByte(icuDecode("KOI8-R", b));
        EXPECT_EQ(got, win >= 0 ? win : '?') << "KOI8-R byte 0x" << std::hex << b;
        if (b >= 0x80 && got == '?')
            ++questionMarks;
    }
    EXPECT_EQ(questionMarks, 57);
}

TEST(KoiToWin, NamedCharacters)
{
    const std::pair<int, int> cases[] = {
        {0xB3, 0xA8}, // Ё
        {0xA3, 0xB8}, // ё
        {0x9A, 0xA0}, // no-break space
        {0x9C, 0xB0}, // degree sign
        {0x9E, 0xB7}, // middle dot
        {0xBF, 0xA9}, // copyright sign
        {0x95, 0x95},
        {0xE1, 0xC0}, // А
        {0xDF, 0xFA}, // ъ
        {0x80, '?'},  // box drawing
        {0x9D, '?'},  // superscript two: not in Windows-1251
        {0x41, 0x41},
    };
    for (const auto& [koi, win] : cases)
        EXPECT_EQ(koiToWin(oneByte(koi)), oneByte(win)) << std::hex << koi;
}

TEST(DosToWin, LettersAndSignsMatchIcuAndTheRestComesOutAsLineArt)
{
    for (int b = 1; b < 256; ++b) {
        const QByteArray out = dosToWin(oneByte(b));
        ASSERT_EQ(out.size(), 1);
        const int got = static_cast<unsigned char>(out[0]);
        if (b < 0x80) {
            EXPECT_EQ(got, b); // ASCII, controls included (ICU's IBM table moves 0x1A, 0x1C, 0x7F)
            continue;
        }
        const int win = icuWindowsByte(icuDecode("IBM866", b));
        if (win >= 0)
            EXPECT_EQ(got, win) << "CP866 byte 0x" << std::hex << b;
        else
            EXPECT_TRUE(QByteArrayView("-=|+#?\xB7").contains(char(got))) << "CP866 byte 0x" << std::hex << b;
    }
}

TEST(DosToWin, BoxDrawingChoices)
{
    const std::pair<int, char> cases[] = {
        {0xC4, '-'}, {0xCD, '='}, {0xB3, '|'}, {0xBA, '|'},           // rules
        {0xDA, '+'}, {0xBF, '+'}, {0xC5, '+'}, {0xCE, '+'}, {0xB5, '+'}, // corners, junctions
        {0xB0, '#'}, {0xB2, '#'}, {0xDB, '#'}, {0xDF, '#'}, {0xFE, '#'}, // shades, blocks, square
        {0xF9, '\xB7'},                                                  // bullet operator
        {0xFB, '?'},                                                     // square root
        {0xF0, '\xA8'}, {0xF1, '\xB8'}, {0xFC, '\xB9'}, {0xFF, '\xA0'},  // Ё ё № no-break space
    };
    for (const auto& [dos, win] : cases)
        EXPECT_EQ(dosToWin(oneByte(dos)), oneByte(static_cast<unsigned char>(win))) << std::hex << dos;
}

TEST(Recoding, StopsAtTheFirstZeroByte)
{
    struct Case {
        QByteArray input;
        QByteArray dos;     // dosToWin
        QByteArray inPlace; // the buffer after dosToWinInPlace
        qsizetype recoded;
    };
    const Case cases[] = {
        {"", "", "", 0},
        {QByteArray("\x80\x81", 2), "\xC0\xC1", "\xC0\xC1", 2},
        {QByteArray("\x80\0\x81", 3), "\xC0", QByteArray("\xC0\0\x81", 3), 1},
        {QByteArray("\0\x80", 2), "", QByteArray("\0\x80", 2), 0},
        {QByteArray("\x80\0\x81\0\x82", 5), "\xC0", QByteArray("\xC0\0\x81\0\x82", 5), 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dosToWin(c.input), c.dos) << c.input.toHex().constData();
        QByteArray buffer = c.input;
        EXPECT_EQ(dosToWinInPlace(buffer), c.recoded);
        EXPECT_EQ(buffer, c.inPlace) << c.input.toHex().constData();
    }
    QByteArray koi("\xE1\0\xE1", 3);
    EXPECT_EQ(koiToWin(koi), QByteArray("\xC0"));
    EXPECT_EQ(koiToWinInPlace(koi), 1);
    EXPECT_EQ(koi, QByteArray("\xC0\0\xE1", 3));
}

TEST(Recoding, InPlaceLeavesOtherCopiesOfTheBufferAlone)
{
    const QByteArray original("\x8F\xE0\xA8\xA2\xA5\xE2");
    QByteArray buffer = original; // shares the data until written
    dosToWinInPlace(buffer);
    EXPECT_EQ(buffer, toCp1251(QString::fromUtf8("Привет")));
    EXPECT_EQ(original, QByteArray("\x8F\xE0\xA8\xA2\xA5\xE2"));
}

} // namespace
} // namespace folianto::codepage
