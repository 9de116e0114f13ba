// The filter texts the program builds, and what the table makes of them.

#include "catalogue/CatalogueRecord.h"
#include "catalogue/FilterForms.h"
#include "engines/table/Dataset.h"

#include <gtest/gtest.h>

namespace folianto::catalogue {
namespace {

using table::FieldType;

TEST(FilterForms, ComposedConditions)
{
    struct Case {
        const char* what;
        ConditionInput in;
        QString text;
    };
    const QString name = field::BookName;
    const Case cases[] = {
        {"like between two asterisks", {name, FieldType::String, "=", QStringLiteral("*мир*")},
         QStringLiteral(" _BookName like '%мир%'")},
        {"trailing asterisk is a prefix constant", {name, FieldType::String, "=", QStringLiteral("мир*")},
         QStringLiteral(" _BookName='мир*'")},
        {"one leading asterisk stays", {name, FieldType::String, "=", QStringLiteral("*мир")},
         QStringLiteral(" _BookName='*мир'")},
        {"two asterisks but not '='", {name, FieldType::String, "<>", QStringLiteral("*мир*")},
         QStringLiteral(" _BookName<>'*мир*'")},
        {"number with a value", {field::Size, FieldType::Int32, ">", QStringLiteral("700")},
         QStringLiteral(" _Size > '700'")},
        {"empty date, =", {field::First, FieldType::Date, "=", {}}, QStringLiteral(" _First= null")},
        {"empty date, <>", {field::First, FieldType::Date, "<>", {}}, QStringLiteral(" _First<> null")},
        {"empty text, =", {field::Author, FieldType::String, "=", {}}, QStringLiteral(" _Author='' or _Author= null")},
        {"empty text, <>", {field::Author, FieldType::String, "<>", {}},
         QStringLiteral(" _Author<>'' and _Author <> null")},
        {"empty text, >", {field::Author, FieldType::String, ">", {}}, QStringLiteral(" _Author>''")},
        {"and with (", {field::Author, FieldType::String, "=", {}, false, false, true},
         QStringLiteral("and(_Author='' or _Author= null")},
        {"or with )", {field::Size, FieldType::Int32, ">", QStringLiteral("700"), false, true, false, true},
         QStringLiteral("or _Size > '700')")},
        {"apostrophe doubled", {field::Author, FieldType::String, "=", QStringLiteral("O'Brien")},
         QStringLiteral(" _Author='O''Brien'")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(composedCondition(c.in), c.text);
    }
}

TEST(FilterForms, CellAndTopicFiltersQuoteTheirValues)
{
    EXPECT_EQ(cellFilter(field::Author, QStringLiteral("O'Brien")), QStringLiteral("_Author='O''Brien'"));
    EXPECT_EQ(cellFilter(field::Topic, {}), QStringLiteral("_Topic=null"));
    EXPECT_EQ(topicFilter(QStringLiteral("Проза")), QStringLiteral("_Topic='Проза'"));
    EXPECT_EQ(composedFilter({QStringLiteral(" a='1'"), QStringLiteral("or b='2'")}),
              QStringLiteral("  a='1'  or b='2' "));
}

TEST(FilterForms, LeadingConnectiveIsCutOff)
{
    EXPECT_EQ(withoutLeadingConnective(QStringLiteral("and(_Size > '1'")), QStringLiteral("(_Size > '1'"));
    EXPECT_EQ(withoutLeadingConnective(QStringLiteral("or _Size > '1'")), QStringLiteral(" _Size > '1'"));
    EXPECT_EQ(withoutLeadingConnective(QStringLiteral(" _Author='x'")), QStringLiteral(" _Author='x'"));
}

// Values with the pattern characters of "like" and apostrophes keep to their own rows.
TEST(FilterForms, QuotedValuesMatchOnlyThemselves)
{
    table::Dataset ds;
    ds.setFieldDefs(catalogueFieldDefs());
    ds.createEmpty();
    const QStringList authors = {QStringLiteral("100%_x"), QStringLiteral("100ab_x"), QStringLiteral("O'Brien"),
                                 QStringLiteral("x' or _Author<>'")};
    for (const QString& a : authors) {
        ds.append();
        ds.setValue(field::BookName, a);
        ds.setValue(field::Author, a);
        ds.post();
    }
    for (const QString& a : authors) {
        SCOPED_TRACE(a.toStdString());
        ds.setFilterText(cellFilter(field::Author, a));
        ds.setFiltered(true);
        ASSERT_EQ(ds.recordCount(), 1);
        EXPECT_EQ(ds.asString(field::Author), a);
        ds.setFiltered(false);
    }
}

} // namespace
} // namespace folianto::catalogue
