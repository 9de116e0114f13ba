// The card's decoding choice and the stored `_Oem` codes: the old codes keep their items and
// the Unicode code "U" has its own.
#include "catalogue/BookCard.h"
#include "catalogue/BookCardPage.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

using folianto::catalogue::BookCard;
using folianto::catalogue::BookCardPage;

TEST(BookCardDecoding, EachCodeHasItsItemAndComesBackUnchanged)
{
    BookCardPage page;
    struct Case { const char* code; int item; const char* caption; };
    const Case cases[] = {{"", 0, "auto"}, {"Y", 1, "DOS"}, {"K", 2, "KOI"}, {"N", 3, "WIN"}, {"U", 4, "UTF"}};
    for (const Case& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(BookCard::decodingItemOf(code), c.item) << c.code;
        EXPECT_EQ(BookCard::oemOfDecodingItem(c.item), code) << c.code;
        auto* button = qobject_cast<QAbstractButton*>(page.decodingItem(c.item));
        ASSERT_NE(button, nullptr) << c.code;
        EXPECT_EQ(button->text(), QString::fromLatin1(c.caption));
    }
    EXPECT_EQ(BookCard::decodingItemOf(QStringLiteral("?")), 0) << "an unknown code shows as auto";
}
