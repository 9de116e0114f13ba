// Our code-page tables, byte for byte against ICU (through Qt's QStringDecoder/QStringEncoder).

#include "engines/codepage/CodePages.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

namespace folianto::codepage {
namespace {

QByteArray oneByte(int b) { return QByteArray(1, char(b)); }

char16_t icuDecodeByte(const char* page, int b)
{
    QStringDecoder decoder(page);
    const QString s = decoder.decode(oneByte(b));
    return s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
}

// Every character ICU decodes from the page, with its byte.
std::map<char16_t, int> icuImage(const char* page)
{
    std::map<char16_t, int> image;
    for (int b = 0; b < 256; ++b)
        image.emplace(icuDecodeByte(page, b), b);
    return image;
}

struct PageCase {
    const char* icuName;
    std::function<QString(QByteArrayView)> decode;
    std::set<int> asciiWhereIcuDiffers; // bytes we keep as ASCII where ICU maps otherwise
};

class CodePageDecode : public ::testing::TestWithParam<PageCase> {};

TEST_P(CodePageDecode, EveryByteMatchesIcuExceptTheControlBytesKeptAsAscii)
{
    const PageCase& page = GetParam();
    ASSERT_TRUE(QStringDecoder(page.icuName).isValid()) << page.icuName;
    for (int b = 0; b < 256; ++b) {
        const QString ours = page.decode(oneByte(b));
        ASSERT_EQ(ours.size(), 1);
        const char16_t expected = page.asciiWhereIcuDiffers.count(b) ? char16_t(b) : icuDecodeByte(page.icuName, b);
        EXPECT_EQ(ours.at(0).unicode(), expected) << page.icuName << " byte 0x" << std::hex << b;
    }
}

// IBM's CP866 table in ICU swaps the controls 0x1A, 0x1C and 0x7F; DOS texts mean ASCII there.
INSTANTIATE_TEST_SUITE_P(Pages, CodePageDecode,
    ::testing::Values(PageCase{"windows-1251", fromCp1251, {}},
                      PageCase{"IBM866", fromCp866, {0x1A, 0x1C, 0x7F}},
                      PageCase{"KOI8-R", fromKoi8r, {}}));

TEST(CodePageDecode, WholeBufferDecodesEachByte)
{
    EXPECT_EQ(fromCp1251("\xCF\xF0\xE8\xE2\xE5\xF2, world"), QString::fromUtf8("Привет, world"));
    EXPECT_EQ(fromCp866("\x8F\xE0\xA8\xA2\xA5\xE2"), QString::fromUtf8("Привет"));
    EXPECT_EQ(fromKoi8r("\xF0\xD2\xC9\xD7\xC5\xD4"), QString::fromUtf8("Привет"));
    EXPECT_TRUE(fromCp1251(QByteArrayView()).isEmpty());
}

struct EncodeCase {
    const char* icuName;
    std::function<QByteArray(QStringView)> encode;
    std::set<int> asciiWhereIcuDiffers;
};

class CodePageEncode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(CodePageEncode, CharactersOfThePageMatchIcuAndAllOthersBecomeQuestionMarks)
{
    const EncodeCase& page = GetParam();
    const std::map<char16_t, int> image = icuImage(page.icuName);
    for (const auto& [c, b] : image) {
        if (page.asciiWhereIcuDiffers.count(b) || page.asciiWhereIcuDiffers.count(c))
            continue;
        QStringEncoder icu(page.icuName);
        const char16_t text[] = {c};
        const QByteArray expected = icu.encode(QStringView(text, 1));
        EXPECT_EQ(page.encode(QStringView(text, 1)), expected) << page.icuName << " U+" << std::hex << int(c);
    }
    for (int c = 0x80; c < 0x10000; ++c) {
        if (QChar::isSurrogate(char32_t(c)) || image.count(char16_t(c)))
            continue;
        const char16_t text[] = {char16_t(c)};
        ASSERT_EQ(page.encode(QStringView(text, 1)), QByteArray("?")) << page.icuName << " U+" << std::hex << c;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, CodePageEncode,
    ::testing::Values(EncodeCase{"windows-1251", toCp1251, {}},
                      EncodeCase{"IBM866", toCp866, {0x1A, 0x1C, 0x7F}}));

TEST(CodePageEncode, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toCp1251(fromCp1251(all)), all);
    EXPECT_EQ(toCp866(fromCp866(all)), all);
}

TEST(CodePageEncode, ACharacterBeyondTheBasicPlaneIsOneQuestionMark)
{
    EXPECT_EQ(toCp1251(QString::fromUtf8("a\xF0\x9F\x98\x80z")), QByteArray("a?z"));
    EXPECT_EQ(toCp866(QString::fromUtf8("\xF0\x9F\x98\x80")), QByteArray("?"));
    // A lone surrogate is a character outside the page too.
    const char16_t lone[] = {u'x', 0xD800, u'y'};
    EXPECT_EQ(toCp1251(QStringView(lone, 3)), QByteArray("x?y"));
}

} // namespace
} // namespace folianto::codepage
