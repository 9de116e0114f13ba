#include "engines/archive/Crc32.h"
#include "engines/archive/EntryName.h"

#include <gtest/gtest.h>

namespace folianto::archive {
namespace {

TEST(Crc32, StandardCheckValueAndContinuation)
{
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32("6789", crc32("12345")), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
}

TEST(BareFileName, NeverLeadsOutOfTheFolder)
{
    const struct {
        const char16_t* stored;
        const char16_t* bare;
    } cases[] = {
        {u"book.txt", u"book.txt"},
        {u"dir/sub/book.txt", u"book.txt"},
        {u"dir\\sub\\book.txt", u"book.txt"},
        {u"dir\\mixed/book.txt", u"book.txt"},
        {u"../../etc/passwd", u"passwd"},
        {u"..\\..\\evil.txt", u"evil.txt"},
        {u"/etc/passwd", u"passwd"},
        {u"C:\\Книги\\Война.txt", u"Война.txt"},
        {u"C:evil.txt", u"evil.txt"},
        {u"dir/", u""},
        {u"..", u""},
        {u"a/..", u""},
        {u".", u""},
        {u"", u""},
        {u"...", u"..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bareFileName(QString::fromUtf16(c.stored)), QString::fromUtf16(c.bare))
            << QString::fromUtf16(c.stored).toStdString();
}

} // namespace
} // namespace folianto::archive
