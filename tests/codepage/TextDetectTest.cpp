// The encoding detectors on streams: sample lengths, the position kept, and real Russian prose
// (Debian's fortunes-ru, UTF-8) recoded at test time into each code page.

#include "engines/codepage/TextDetect.h"

#include "support/TempDir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace folianto::codepage {
namespace {

bool dos(QByteArray bytes)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return LooksLikeDosText(device);
}

bool koi(QByteArray bytes)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return LooksLikeKoiText(device);
}

QString code(QByteArray bytes)
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return plainTextEncodingCode(device);
}

QByteArray latin(qsizetype n) { return QByteArray(n, 'a'); }

TEST(LooksLikeDosText, SampleIsTheFirst3000BytesOrAllButTheLastByte)
{
    const QByteArray dosLetter("\x80");
    struct Case {
        const char* what;
        QByteArray bytes;
        bool dos;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"one byte: nothing left to look at", dosLetter, false},
        {"two bytes: the first counts", dosLetter + "a", true},
        {"two bytes: the last is left out", "a" + dosLetter, false},
        {"2999 bytes: the last is left out", latin(2998) + dosLetter, false},
        {"3000 bytes: all of them", latin(2999) + dosLetter, true},
        {"3001 bytes: the first 3000", latin(3000) + dosLetter, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dos(c.bytes), c.dos) << c.what;
}

// " еЕ" has as many capitals as small letters, a capital after a word-initial small letter
// and no anomaly: one more capital tips the balance towards KOI-8.
QByteArray balancedKoiSample(int pieces) { return QByteArray(" \xE5\xC5").repeated(pieces); }

TEST(LooksLikeKoiText, SampleRunsFromOffset0To3000Inclusive)
{
    const QByteArray capital("\xC5");
    struct Case {
        const char* what;
        QByteArray bytes;
        bool koi;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"balanced", balancedKoiSample(1000), false},
        {"short stream: all of it, the last byte too", balancedKoiSample(10) + capital, true},
        {"2999 + 1 bytes: all of them", balancedKoiSample(999) + "xx" + capital, true},
        {"3001 bytes: offset 3000 counts", balancedKoiSample(1000) + capital, true},
        {"3002 bytes: offset 3001 does not", balancedKoiSample(1000) + "x" + capital, false},
        {"Latin only", latin(5000), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(koi(c.bytes), c.koi) << c.what;
}

TEST(TextDetect, BothDetectorsPutTheStreamPositionBack)
{
    QByteArray bytes = QByteArray("\x80\x81\x82 text ").repeated(1000);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(17);
    EXPECT_TRUE(LooksLikeDosText(buffer));
    EXPECT_EQ(buffer.pos(), 17);
    LooksLikeKoiText(buffer);
    EXPECT_EQ(buffer.pos(), 17);

    test::TempDir dir;
    QFile file(dir.write("dos.txt", bytes));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    file.seek(5000);
    EXPECT_EQ(plainTextEncodingCode(file), QStringLiteral("Y"));
    EXPECT_EQ(file.pos(), 5000);
}

TEST(TextDetect, AClosedOrWriteOnlyStreamIsNoText)
{
    QByteArray bytes("\x80\x81\x82");
    QBuffer closed(&bytes);
    EXPECT_FALSE(LooksLikeDosText(closed));
    EXPECT_FALSE(LooksLikeKoiText(closed));
    QBuffer writeOnly(&bytes);
    writeOnly.open(QIODevice::WriteOnly);
    EXPECT_FALSE(LooksLikeDosText(writeOnly));
}

TEST(TextDetect, DosIsAskedFirst)
{
    // A rule of Д: a frame to the DOS detector, a run of consonants to the KOI-8 one.
    const QByteArray rule = QByteArray(100, '\xC4') + "\n";
    ASSERT_TRUE(dos(rule));
    ASSERT_TRUE(koi(rule));
    EXPECT_EQ(code(rule), QStringLiteral("Y"));
}

TEST(TextDetect, LatinAndEmptyTextsAreWindows)
{
    const QByteArray english = QByteArray("The quick brown fox jumps over the lazy dog; 1234.\r\n").repeated(100);
    EXPECT_EQ(code(english), QStringLiteral("N"));
    EXPECT_EQ(code(QByteArray()), QStringLiteral("N"));
}

// Slices of real prose, each a little longer than what the detectors read.
QStringList prose()
{
    const QDir dir(QStringLiteral("/usr/share/games/fortunes/ru"));
    QStringList slices;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name)) {
        if (!info.suffix().isEmpty())
            continue; // .dat indexes and .u8 links
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (qsizetype at = 0; at + 3000 <= text.size(); at += 3000)
            slices << text.mid(at, 3200);
    }
    return slices;
}

TEST(TextDetect, RussianProseInEachCodePage)
{
    const QStringList slices = prose();
    if (slices.isEmpty())
        GTEST_SKIP() << "fortunes-ru is not installed (/usr/share/games/fortunes/ru)";
    ASSERT_GT(slices.size(), 100);
    const std::pair<const char*, QString> pages[] = {
        {"windows-1251", QStringLiteral("N")},
        {"IBM866", QStringLiteral("Y")},
        {"KOI8-R", QStringLiteral("K")},
        {"UTF-8", QStringLiteral("U")},
    };
    for (const auto& [page, expected] : pages) {
        int wrong = 0;
        for (qsizetype i = 0; i < slices.size(); ++i) {
            QStringEncoder encoder(page);
            const QByteArray bytes = encoder.encode(slices[i]);
            if (code(bytes) != expected && ++wrong <= 3)
                ADD_FAILURE() << page << " slice " << i << " not " << expected.toStdString() << ":\n"
                              << slices[i].left(200).toStdString();
        }
        EXPECT_EQ(wrong, 0) << page;
    }
}

} // namespace
} // namespace folianto::codepage
