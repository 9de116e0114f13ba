#include "catalogue/RememberedSort.h"

#include <gtest/gtest.h>

namespace folianto::catalogue {
namespace {

TEST(RememberedSort, NameGivesFieldsAndDirection)
{
    struct Case {
        QString indName;
        QString fields;
        bool descending;
    };
    const Case cases[] = {
        {QStringLiteral(""), QStringLiteral("_BookName"), false},
        {QStringLiteral("_Author"), QStringLiteral("_Author"), false},
        {QStringLiteral("d_Author"), QStringLiteral("_Author"), true},
        {QStringLiteral("_Author;_BookName"), QStringLiteral("_Author;_BookName"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.indName.toStdString());
        const SortChoice s = sortFromRememberedName(c.indName);
        EXPECT_EQ(s.fields, c.fields);
        EXPECT_EQ(s.descending, c.descending);
        EXPECT_FALSE(s.indexName.isEmpty());
    }
}

} // namespace
} // namespace folianto::catalogue
