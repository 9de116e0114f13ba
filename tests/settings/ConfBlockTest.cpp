#include "app/settings/ConfBlock.h"
#include "app/settings/SettingsError.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace folianto::settings;

namespace {

void put32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }
void put8(QByteArray& b, int at, quint8 v) { b[at] = char(v); }

// A Conf block with a distinct value in every field and zeros in the reserved bytes.
QByteArray sampleConf()
{
    QByteArray b(ConfSize, '\0');
    put32(b, 0, 11); put8(b, 4, 204); put32(b, 8, 0x00112233); put8(b, 12, 3);
    put32(b, 16, 12); put8(b, 20, 0); put32(b, 24, 0x80000008); put8(b, 28, 4);
    put32(b, 32, 9); put8(b, 36, 1); put32(b, 40, 0x00FF0000); put8(b, 44, 8);
    put32(b, 48, 7); put8(b, 52, 2); put32(b, 56, 0x0000FF00); put8(b, 60, 1);
    put32(b, 64, 0x00ABCDEF);
    put32(b, 68, 100); put32(b, 72, quint32(-20)); put32(b, 76, 300); put32(b, 80, 400);
    for (int at : {84, 86, 88, 90, 92, 94})
        put8(b, at, 1);
    put32(b, 96, 77); put32(b, 100, 123456);
    put8(b, 104, ';');
    put8(b, 105, 1); put8(b, 107, 1); put8(b, 109, 1);
    return b;
}

// Every check byte of Conf and the member it sets.
const std::pair<int, bool ProgramSettings::*> ConfChecks[] = {
    {84, &ProgramSettings::showBar},        {85, &ProgramSettings::showStatus},
    {86, &ProgramSettings::fastRead},       {87, &ProgramSettings::subDirs},
    {88, &ProgramSettings::writeFound},     {89, &ProgramSettings::caseSensitive},
    {90, &ProgramSettings::confirmClose},   {91, &ProgramSettings::warnSimilarLink},
    {92, &ProgramSettings::testFile},       {93, &ProgramSettings::fullScreen},
    {94, &ProgramSettings::fscan},          {105, &ProgramSettings::impExt},
    {106, &ProgramSettings::impFolder},     {107, &ProgramSettings::impPath},
    {108, &ProgramSettings::impDate},       {109, &ProgramSettings::arc},
};

ProgramSettings allChecksOff()
{
    ProgramSettings s;
    for (const auto& [at, check] : ConfChecks)
        s.*check = false;
    return s;
}

} // namespace

TEST(ConfBlock, ReadsEveryFieldAtItsOffset)
{
    ProgramSettings s;
    decodeConf(sampleConf(), s);

    EXPECT_EQ(s.fastFont.size, 11);
    EXPECT_EQ(s.fastFont.charset, 204);
    EXPECT_EQ(s.fastFont.color, WinColor(0x00112233));
    EXPECT_EQ(s.fastFont.style, StyleBold | StyleItalic);
    EXPECT_EQ(s.richFont.size, 12);
    EXPECT_EQ(s.richFont.charset, 0);
    EXPECT_EQ(s.richFont.color, WinColor::windowText());
    EXPECT_EQ(s.richFont.style, StyleUnderline);
    EXPECT_EQ(s.gridFont.size, 9);
    EXPECT_EQ(s.gridFont.charset, 1);
    EXPECT_EQ(s.gridFont.color, WinColor(0x00FF0000));
    EXPECT_EQ(s.gridFont.style, StyleStrikeOut);
    EXPECT_EQ(s.titleFont.size, 7);
    EXPECT_EQ(s.titleFont.charset, 2);
    EXPECT_EQ(s.titleFont.color, WinColor(0x0000FF00));
    EXPECT_EQ(s.titleFont.style, StyleBold);
    EXPECT_EQ(s.background, WinColor(0x00ABCDEF));
    // Left, top, height, width: height is stored before width.
    EXPECT_EQ(s.geometry, QRect(100, -20, 400, 300));
    EXPECT_EQ(s.haTimeout, 77);
    EXPECT_EQ(s.partSize, 123456);
    EXPECT_EQ(s.exportDelimiter, ';');
}

TEST(ConfBlock, EachCheckByteSetsItsOwnCheck)
{
    for (const auto& [at, check] : ConfChecks) {
        QByteArray b = encodeConf(allChecksOff());
        put8(b, at, 1);
        ProgramSettings s = allChecksOff();
        decodeConf(b, s);
        for (const auto& [other, otherCheck] : ConfChecks)
            EXPECT_EQ(s.*otherCheck, other == at) << "byte " << at << " read into byte " << other;
    }
}

TEST(ConfBlock, RoundTripIsByteExact)
{
    const QByteArray original = sampleConf();
    ProgramSettings s;
    decodeConf(original, s);
    const QByteArray written = encodeConf(s);
    EXPECT_EQ(written.size(), ConfSize);
    EXPECT_EQ(written.toHex(), original.toHex());
}

TEST(ConfBlock, ShortBlockKeepsTheFieldsItDoesNotReach)
{
    ProgramSettings design;
    design.geometry = QRect(1, 2, 3, 4);
    // 70 bytes: left (68..71) is cut off and keeps its value, as does everything after it.
    ProgramSettings s = design;
    decodeConf(sampleConf().left(70), s);
    EXPECT_EQ(s.background, WinColor(0x00ABCDEF));
    EXPECT_EQ(s.geometry, design.geometry);
    EXPECT_EQ(s.showBar, design.showBar);
    EXPECT_EQ(s.partSize, design.partSize);

    // 86 bytes: geometry and the first two checks are present.
    ProgramSettings s86 = allChecksOff();
    decodeConf(sampleConf().left(86), s86);
    EXPECT_EQ(s86.geometry, QRect(100, -20, 400, 300));
    EXPECT_TRUE(s86.showBar);
    EXPECT_FALSE(s86.fastRead); // byte 86 is beyond the block
    EXPECT_EQ(s86.exportDelimiter, design.exportDelimiter);

    ProgramSettings empty = design;
    decodeConf(QByteArray(), empty);
    EXPECT_EQ(encodeConf(empty), encodeConf(design));
}

TEST(ConfBlock, LongerBlocksAreRefused)
{
    ProgramSettings s;
    EXPECT_THROW(decodeConf(QByteArray(ConfSize + 1, '\0'), s), SettingsError);
    EXPECT_THROW(decodeConfig(QByteArray(ConfigSize + 1, '\0'), s), SettingsError);
    EXPECT_NO_THROW(decodeConfig(QByteArray(ConfigSize, '\0'), s));
}

TEST(ConfigBlock, ReadsTheOlderLayout)
{
    QByteArray b(ConfigSize, '\0');
    put32(b, 0, 14); put8(b, 4, 204); put32(b, 8, 0x00010203); put8(b, 12, 2);
    put32(b, 16, 15); put32(b, 24, 0x00040506);
    put32(b, 32, 0x00070809);
    put32(b, 36, 10); put32(b, 40, 20); put32(b, 44, 30); put32(b, 48, 40);
    put8(b, 52, 1); put8(b, 53, 1);
    for (int i = 0; i < ConfigColumnWidths; ++i)
        put32(b, 56 + 4 * i, quint32(100 + i));
    put8(b, 92, 1); put8(b, 93, 1);
    put32(b, 96, 5000); put8(b, 100, ',');

    ProgramSettings design = allChecksOff();
    ProgramSettings s = design;
    const QList<qint32> widths = decodeConfig(b, s);

    EXPECT_EQ(s.fastFont.size, 14);
    EXPECT_EQ(s.fastFont.color, WinColor(0x00010203));
    EXPECT_EQ(s.fastFont.style, StyleItalic);
    EXPECT_EQ(s.richFont.size, 15);
    EXPECT_EQ(s.richFont.color, WinColor(0x00040506));
    EXPECT_EQ(s.background, WinColor(0x00070809));
    EXPECT_EQ(s.geometry, QRect(10, 20, 40, 30));
    EXPECT_TRUE(s.showBar);
    EXPECT_TRUE(s.fastRead);
    EXPECT_FALSE(s.showStatus);
    EXPECT_TRUE(s.subDirs);
    EXPECT_TRUE(s.writeFound);
    EXPECT_EQ(s.partSize, 5000);
    EXPECT_EQ(s.exportDelimiter, ',');
    EXPECT_EQ(s.gridFont, design.gridFont); // Config has no grid fonts
    EXPECT_EQ(s.haTimeout, design.haTimeout);
    EXPECT_EQ(widths, (QList<qint32>{100, 101, 102, 103, 104, 105, 106, 107, 108}));

    // A Config cut inside the widths gives only the widths it holds.
    ProgramSettings cut = design;
    EXPECT_EQ(decodeConfig(b.left(67), cut), (QList<qint32>{100, 101}));
}
