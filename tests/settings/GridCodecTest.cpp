#include "app/settings/GridCodec.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace folianto::settings;

namespace {

QList<GridColumn> sampleColumns()
{
    GridColumn title;
    title.field = QStringLiteral("_BookName");
    title.title = QStringLiteral("Книга");
    title.width = 250;
    title.titleColor = WinColor(0x00C0FFEE);
    title.font = {QStringLiteral("DejaVu Sans"), 9, 204, WinColor(0x000000FF), StyleBold};
    title.titleFont = {QStringLiteral("Liberation Serif"), 11, 0, WinColor::windowText(), StyleItalic};
    GridColumn hidden;
    hidden.field = QStringLiteral("_Pos");
    hidden.title = QString();
    hidden.width = -1;
    hidden.visible = false;
    GridColumn author;
    author.field = QStringLiteral("_Author");
    author.title = QStringLiteral("Автор");
    author.width = 120;
    return {author, title, hidden};
}

} // namespace

TEST(GridCodec, RoundTripKeepsEveryColumnInOrder)
{
    const QList<GridColumn> columns = sampleColumns();
    const std::optional<QList<GridColumn>> decoded = decodeGrid(encodeGrid(columns));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, columns);
}

TEST(GridCodec, NoColumnsIsAnEmptyValue)
{
    EXPECT_TRUE(encodeGrid({}).isEmpty());
    EXPECT_FALSE(decodeGrid(QByteArray()).has_value());
}

TEST(GridCodec, DamagedValuesAreNotDecoded)
{
    const QByteArray good = encodeGrid(sampleColumns());
    for (qsizetype n = 0; n < good.size(); ++n)
        EXPECT_FALSE(decodeGrid(good.left(n)).has_value()) << "cut at " << n;
    EXPECT_FALSE(decodeGrid(good + 'x').has_value());

    QByteArray otherMagic = good;
    otherMagic[0] = 'X';
    EXPECT_FALSE(decodeGrid(otherMagic).has_value());
    QByteArray otherVersion = good;
    otherVersion[4] = 2;
    EXPECT_FALSE(decodeGrid(otherVersion).has_value());

    // A string length beyond the end of the value.
    QByteArray longText = good;
    longText[7] = char(0xFF);
    longText[8] = char(0xFF);
    EXPECT_FALSE(decodeGrid(longText).has_value());
}

TEST(GridCodec, RandomBytesNeverCrash)
{
    QRandomGenerator random(42);
    const QByteArray good = encodeGrid(sampleColumns());
    for (int i = 0; i < 2000; ++i) {
        QByteArray bytes = good;
        const int flips = 1 + int(random.bounded(4));
        for (int f = 0; f < flips; ++f)
            bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        const auto decoded = decodeGrid(bytes);
        if (decoded) {
            EXPECT_EQ(encodeGrid(*decoded).size(), bytes.size());
        }
    }
}
