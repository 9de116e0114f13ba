// The counters and decisions behind the encoding detectors, on crafted byte sequences.
// Byte names are the Windows-1251 readings (а = 0xE0, ъ = 0xFA, й = 0xE9, ...).

#include "engines/codepage/DetectorCounters.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

#include <tuple>

namespace folianto::codepage {
namespace {

QByteArray repeat(const char* piece, int times) { return QByteArray(piece).repeated(times); }

TEST(KoiAnomalies, EachRuleCountsOnce)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        qint64 anomalies;
    };
    const Case cases[] = {
        {"plain word", "\xE0\xE1\xE0", 0},
        {"o after hard sign", "\xE0\xFA\xEE", 1},
        {"space after hard sign", "\xE0\xFA ", 1},
        {"sign after sign", "\xE0\xFC\xFC", 1},
        {"sign after space", "\xE0 \xFC", 1},
        {"sign at the start (a space before the sample)", "\xFC\xE0", 1},
        {"sign after a tab is not after a space", "\xE0\t\xFC", 0},
        {"sign after a line break is not after a space", "\xE0\n\xFC", 0},
        {"sign after short i", "\xE0\xE9\xFC", 1},
        {"one-letter word ch", "\xE0 \xF7 ", 1},
        {"one-letter word at the start", "\xEB ", 1},
        {"one-letter word capital", "\xE0 \xD5 ", 1},
        {"not a one-letter word", "\xE0 \xF7\xE0 ", 0},
        {"consonant after small hard sign", "\xE0\xFA\xE1", 1},
        {"capital hard sign is a consonant and a sign", "\xE0\xFA\xDA", 2},
        {"small hard sign is not a consonant", "\xE0\xFA\xFA", 1},
        {"ch after shch", "\xE0\xF9\xF7", 1},
        {"shch after ch", "\xE0\xD7\xD9", 1},
        {"short i after consonant", "\xE0\xE1\xE9", 1},
        {"short i after sign", "\xE0\xFC\xE9", 1},
        {"short i after short i", "\xE0\xE9\xE9", 1},
        {"five consonants", "\xE0" + repeat("\xE1", 5), 0},
        {"six consonants", "\xE0" + repeat("\xE1", 6), 1},
        {"twelve consonants", "\xE0" + repeat("\xE1", 12), 2},
        {"short i after five consonants", "\xE0" + repeat("\xE1", 5) + "\xE9", 1},
        {"short i after six consonants: the run starts again", "\xE0" + repeat("\xE1", 6) + "\xE9", 1},
        {"short i after seven consonants", "\xE0" + repeat("\xE1", 7) + "\xE9", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scoreKoiSample(c.bytes).anomalies, c.anomalies) << c.what;
}

TEST(KoiCounters, LetterAndByteCounters)
{
    const KoiCounters c = scoreKoiSample("\xE0\x80 \xC0\x41\xC8\xBF\t");
    EXPECT_EQ(c.highBalance, 3 - 2); // а А И up, 0x80 0xBF down
    EXPECT_EQ(c.printable, 6);       // all but the space and the tab
    EXPECT_EQ(c.aOrI, 3);
    EXPECT_EQ(c.smallLetters, 1);
    EXPECT_EQ(c.capitals, 2);
    EXPECT_EQ(c.capitalAfterSmallStart, 0);
}

TEST(KoiCounters, CapitalAfterAWordInitialSmallLetter)
{
    const std::pair<QByteArray, qint64> cases[] = {
        {"\xE5\xC5", 1},      // at the start: the sample counts as preceded by a space
        {" \xE5\xC5", 1},
        {"\xE1\xE5\xC5", 0},  // the small letter does not begin the word
        {" \xC5\xC5", 0},     // a capital begins it
        {" \xE5\xC5\xC5", 1}, // only the capital right after it
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(scoreKoiSample(bytes).capitalAfterSmallStart, expected) << bytes.toHex().constData();
}

TEST(PerMille, RoundsHalvesToEven)
{
    const std::tuple<qint64, qint64, qint64> cases[] = {
        {0, 5, 0}, {7, 7, 1000}, {1, 3, 333}, {2, 3, 667},
        {1, 2000, 0}, {3, 2000, 2}, {5, 2000, 2}, {201, 2000, 100}, {203, 2000, 102}, {21, 2000, 10},
    };
    for (const auto& [x, total, expected] : cases)
        EXPECT_EQ(perMille(x, total), expected) << x << "/" << total;
}

KoiCounters counters(qint64 h, qint64 p, qint64 v, qint64 l, qint64 u, qint64 ul, qint64 a)
{
    KoiCounters c;
    c.highBalance = h;
    c.printable = p;
    c.aOrI = v;
    c.smallLetters = l;
    c.capitals = u;
    c.capitalAfterSmallStart = ul;
    c.anomalies = a;
    return c;
}

TEST(KoiDecision, Rules)
{
    struct Case {
        const char* what;
        KoiCounters c;
        bool koi;
    };
    const Case cases[] = {
        {"nothing printable", counters(5, 0, 0, 0, 0, 0, 99), false},
        {"no high letters", counters(0, 1000, 0, 0, 0, 0, 99), false},
        {"high balance exactly 100 per mille", counters(100, 1000, 0, 0, 0, 0, 99), false},
        {"high balance 100.5 rounds to 100", counters(201, 2000, 0, 0, 0, 0, 99), false},
        {"high balance 101.5 rounds to 102", counters(203, 2000, 0, 0, 0, 0, 99), true},
        {"anomalies 10.5 per mille round to 10", counters(500, 2000, 100, 0, 0, 0, 21), false},
        {"anomalies 11.5 per mille round to 12", counters(500, 2000, 100, 0, 0, 0, 23), true},
        {"capitals win", counters(500, 2000, 37, 10, 11, 1, 0), true},
        {"a and i 19.5 per mille round to 20", counters(500, 2000, 39, 10, 11, 1, 0), false},
        {"as many capitals as small letters", counters(500, 2000, 0, 10, 10, 1, 0), false},
        {"no capital after a word-initial small letter", counters(500, 2000, 0, 10, 11, 0, 0), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(koiDecision(c.c), c.koi) << c.what;
}

TEST(DosDecision, Rules)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        bool dos;
    };
    const Case cases[] = {
        {"nothing", "", false},
        {"one DOS letter", "\x80", true},
        {"as many DOS as Windows letters", "\x80\xF0", false},
        {"Windows text", "\xCF\xF0\xE8\xE2\xE5\xF2", false},
        {"a frame of one drawing character", repeat("\xC4", 10), true},
        {"two drawing characters half and half", repeat("\xC4", 5) + repeat("\xC5", 5), false},
        {"one drawing character just over half", repeat("\xC4", 6) + repeat("\xC5", 4), true},
        {"fewer drawing characters than Windows letters", "\xB0\xB0\xF0\xF0\xF0", false},
        {"drawing characters at least the Windows letters", "\xB0\xB0\xB0\xF0", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dosDecision(countDosSample(c.bytes)), c.dos) << c.what;
}

TEST(DosCounters, Ranges)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const DosCounters c = countDosSample(all);
    EXPECT_EQ(c.dosLetters, 48 + 16);
    EXPECT_EQ(c.windowsLetters, 64);
    EXPECT_EQ(c.boxDrawing, 48);
    for (qint64 n : c.perBoxByte)
        EXPECT_EQ(n, 1);
}

} // namespace
} // namespace folianto::codepage
