#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"

#include <gtest/gtest.h>

using namespace folianto::catalogue;
using folianto::table::FieldType;

namespace {

TEST(CatalogueRecord, FieldsInTheirOrderTypesAndWidths)
{
    struct Expected {
        const char* name;
        FieldType type;
        int size;
        const char* title;
        int width;
        bool shown;
    };
    const Expected expected[] = {
        {"_BookName", FieldType::String, 100, "Книга", 25, true},
        {"_Author", FieldType::String, 70, "Автор", 14, true},
        {"_Topic", FieldType::String, 70, "Тема", 10, true},
        {"_First", FieldType::Date, 0, "Начало", 8, true},
        {"_Last", FieldType::Date, 0, "Послед", 8, true},
        {"_Percent", FieldType::Int16, 0, "Прочт%", 8, true},
        {"_Size", FieldType::Int32, 0, "Всего", 8, true},
        {"_Comment", FieldType::String, 200, "Примечание", 25, true},
        {"_FileName", FieldType::Memo, 0, "", 12, false},
        {"_Pos", FieldType::Int32, 0, "Прочт%", 8, false},
        {"_Oem", FieldType::FixedString, 1, "", 0, false},
        {"_Cur", FieldType::FixedString, 1, "", 0, false},
        {"_Arc", FieldType::Int16, 0, "", 0, false},
        {"_Alter", FieldType::String, 1, "", 0, false},
        {"_TestFile", FieldType::Boolean, 0, "", 0, false},
    };
    const auto& fields = catalogueFields();
    ASSERT_EQ(fields.size(), int(std::size(expected)));
    for (int i = 0; i < fields.size(); ++i) {
        const Expected& e = expected[i];
        const CatalogueField& f = fields[i];
        EXPECT_EQ(f.def.name, QString::fromUtf8(e.name)) << i;
        EXPECT_EQ(f.def.type, e.type) << e.name;
        EXPECT_EQ(f.def.size, e.size) << e.name;
        EXPECT_EQ(f.def.calculated, i == 14) << e.name;
        EXPECT_EQ(f.title, QString::fromUtf8(e.title)) << e.name;
        EXPECT_EQ(f.displayWidth, e.width) << e.name;
        EXPECT_EQ(f.shownInGrid, e.shown) << e.name;
        EXPECT_EQ(f.centred, i == 3 || i == 4) << e.name;
    }
    EXPECT_EQ(catalogueField(field::Comment)->def.size, 200);
    EXPECT_EQ(catalogueField(QStringLiteral("_Nothing")), nullptr);
    EXPECT_EQ(catalogueColumnTitles().size(), fields.size());
}

TEST(CatalogueRecord, ATableOfItCutsTitlesAndKeepsEmptyFieldsNull)
{
    folianto::table::Dataset ds;
    ds.setFieldDefs(catalogueFieldDefs());
    ds.createEmpty();
    ds.append();
    ds.setValue(field::BookName, QString(120, u'к'));
    ds.setValue(field::Author, QString());
    ds.setValue(field::Oem, QStringLiteral("YK"));
    ds.post();
    EXPECT_EQ(ds.asString(field::BookName), QString(100, u'к'));
    EXPECT_TRUE(ds.isNull(field::Author));
    EXPECT_EQ(ds.asString(field::Oem), oem::Dos);
    EXPECT_TRUE(ds.isNull(field::TestFile));
}

} // namespace
