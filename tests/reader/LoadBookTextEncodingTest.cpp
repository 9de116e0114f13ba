// Detection of a book's code page, stored once in `_Oem`, and the recoding before display.
#include "LoadBookTextFixture.h"

#include "engines/codepage/CodePages.h"
#include "reader/BookEncoding.h"

using namespace folianto;
using folianto::test::LoadBookTextTest;
namespace field = catalogue::field;

namespace {

struct CodePageCase {
    const char* name;
    const char* icuName;
    bool latinOnly;
    const char* expectedOem;
};

class DetectionTest : public LoadBookTextTest, public ::testing::WithParamInterface<CodePageCase> {};

} // namespace

TEST_P(DetectionTest, DetectsOnceStoresTheCodeAndShowsTheTextRecoded)
{
    const CodePageCase& c = GetParam();
    const QString text = c.latinOnly
        ? QStringLiteral("The quick brown fox jumps over the lazy dog.\nPack my box with five dozen liquor jugs.\n")
        : test::russianProse(20000).left(20000);
    const QString path = dir.write(QStringLiteral("book.txt"), test::encoded(text, c.icuName));
    addBookRow(path);

    for (bool fast : {true, false}) {
        loader.setFastRead(fast);
        ASSERT_TRUE(load(path));
        EXPECT_EQ(field(field::Oem), QString::fromLatin1(c.expectedOem));
        EXPECT_EQ(views.fastViewInUse(), fast);
        const QString shown = fast ? views.fastView().toPlainText() : views.richView().toPlainText();
        EXPECT_EQ(shown, text) << (fast ? "fast view" : "rich view");
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, DetectionTest,
                         ::testing::Values(CodePageCase{"Windows", "windows-1251", false, "N"},
                                           CodePageCase{"Dos", "IBM866", false, "Y"},
                                           CodePageCase{"Koi", "KOI8-R", false, "K"},
                                           CodePageCase{"Latin", "windows-1251", true, "N"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadBookTextTest, AStoredCodeIsObeyedAndNotDetectedAgain)
{
    const QString text = test::russianProse(5000).left(5000);
    const QString path = dir.write(QStringLiteral("book.txt"), test::encoded(text, "IBM866"));
    addBookRow(path);
    ASSERT_TRUE(load(path));
    ASSERT_EQ(field(field::Oem), QStringLiteral("Y"));

    // The same book now holds Windows-1251 bytes: the stored "Y" still recodes them as DOS.
    const QByteArray windows = test::encoded(text, "windows-1251");
    dir.write(QStringLiteral("book.txt"), windows);
    ASSERT_TRUE(load(path));
    EXPECT_EQ(field(field::Oem), QStringLiteral("Y"));
    EXPECT_EQ(views.richView().toPlainText(), test::shownText(codepage::dosToWin(windows)));
    EXPECT_NE(views.richView().toPlainText(), text);

    // "auto" again (empty) makes the next load detect.
    catalogue.edit();
    catalogue.setNull(field::Oem);
    catalogue.post();
    ASSERT_TRUE(load(path));
    EXPECT_EQ(field(field::Oem), QStringLiteral("N"));
    EXPECT_EQ(views.richView().toPlainText(), text);
}

TEST(BookEncoding, RecodingStopsAtTheFirstZeroByte)
{
    // CP866 "П" (0x8F) and KOI8-R "п" (0xD0) become Windows-1251 0xCF and 0xEF before the
    // zero byte; after it the bytes stay as they are.
    const QByteArray dos("\x8F\x8F\0\x8F\xD0", 5);
    EXPECT_EQ(reader::recodeToWindows(dos, QStringLiteral("Y")), QByteArray("\xCF\xCF\0\x8F\xD0", 5));
    const QByteArray koi("\xD0\0\xD0", 3);
    EXPECT_EQ(reader::recodeToWindows(koi, QStringLiteral("K")), QByteArray("\xEF\0\xD0", 3));
    EXPECT_EQ(reader::recodeToWindows(dos, QStringLiteral("N")), dos);
    EXPECT_EQ(reader::recodeToWindows(dos, QString()), dos);
    EXPECT_EQ(reader::recodeToWindows(QByteArray("\0\x8F", 2), QStringLiteral("Y")), QByteArray("\0\x8F", 2));
}

TEST_F(LoadBookTextTest, BinaryBytesAreShownAsRecodedBytes)
{
    QByteArray bytes(300000, Qt::Uninitialized);
    quint32 seed = 12345;
    for (char& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = char(seed >> 24);
    }
    bytes[1000] = '\0';
    const QString path = dir.write(QStringLiteral("program.bin"), bytes);
    loader.setFastRead(true);
    // Once with a code set by hand, once detected.
    for (const QString& oem : {QStringLiteral("Y"), QString()}) {
        addBookRow(path, oem);
        ASSERT_TRUE(load(path));
        const QString code = field(field::Oem);
        EXPECT_FALSE(code.isEmpty());
        const QByteArray expected = reader::recodeToWindows(bytes, code);
        ASSERT_EQ(expected.size(), bytes.size());
        // Every byte is one character; the view keeps any line break as one and reads a
        // no-break space back as a space.
        QString text = codepage::fromCp1251(expected);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.replace(QChar(0xA0), QLatin1Char(' '));
        EXPECT_EQ(views.fastView().toPlainText(), text);
        catalogue.edit();
        catalogue.setNull(field::Cur);
        catalogue.post();
    }
}
