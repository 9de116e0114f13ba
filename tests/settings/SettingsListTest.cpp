#include "app/settings/SettingsList.h"

#include <gtest/gtest.h>

using namespace folianto::settings;

TEST(SettingsList, EachEntryEndsInCrLfInWindows1251)
{
    const QByteArray bytes = encodeList({QStringLiteral("*.txt"), QStringLiteral("Книга"), QString()});
    EXPECT_EQ(bytes, QByteArray("*.txt\r\n\xca\xed\xe8\xe3\xe0\r\n\r\n"));
    EXPECT_TRUE(encodeList({}).isEmpty());
}

TEST(SettingsList, CrLfOrEitherAloneEndsAnEntry)
{
    const struct {
        QByteArray bytes;
        QStringList entries;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},        // the last entry needs no line end
        {"a\n\rb", {"a", "", "b"}},    // LF then CR: two line ends
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"", {}},
        {"\xcf\xf3\xf8\xea\xe8\xed\n", {QStringLiteral("Пушкин")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeList(c.bytes), c.entries) << c.bytes.toHex().constData();
}

TEST(SettingsList, RoundTripKeepsEntries)
{
    const QStringList entries{QStringLiteral("_Author"), QStringLiteral("d_Topic"), QString(),
                              QStringLiteral("_Topic = 'Фантастика'")};
    EXPECT_EQ(decodeList(encodeList(entries)), entries);
}
