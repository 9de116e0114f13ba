#include "TableFixture.h"

#include <gtest/gtest.h>

using namespace folianto::table;
using namespace folianto::table::test;

namespace {

struct AssignCase {
    const char* field;
    QVariant given;
    QVariant stored; // invalid = null
};

class AssignTest : public ::testing::TestWithParam<AssignCase> {};

TEST_P(AssignTest, StoresTheFieldsForm)
{
    const AssignCase& c = GetParam();
    Dataset ds;
    ds.setFieldDefs(sampleDefs());
    ds.createEmpty();
    const QString field = QString::fromUtf8(c.field);
    auto expectStored = [&](const char* how) {
        const QVariant v = ds.value(field);
        EXPECT_EQ(v.isValid(), c.stored.isValid()) << how;
        if (c.stored.isValid()) {
            EXPECT_EQ(v.typeId(), c.stored.typeId()) << how;
            EXPECT_EQ(v, c.stored) << how;
        }
    };
    ds.append();
    ds.setValue(field, c.given);
    ds.post();
    expectStored("setValue");
    if (c.given.typeId() == QMetaType::QString) {
        ds.append();
        ds.setText(ds.fieldIndex(field), c.given.toString());
        ds.post();
        expectStored("setText");
    }
}

INSTANTIATE_TEST_SUITE_P(Values, AssignTest, ::testing::Values(
    AssignCase{"name", QString(), QVariant()},
    AssignCase{"name", QStringLiteral(""), QVariant()},
    AssignCase{"name", QStringLiteral("Абвгдеёжзийк"), QStringLiteral("Абвгдеёжзи")},
    AssignCase{"code", QStringLiteral("YN"), QStringLiteral("Y")},
    AssignCase{"memo", QString(300, u'ж'), QString(300, u'ж')},
    AssignCase{"n", QStringLiteral(" 42 "), 42},
    AssignCase{"n", QStringLiteral(""), QVariant()},
    AssignCase{"n", 7, 7},
    AssignCase{"small", QStringLiteral("-32768"), -32768},
    AssignCase{"day", QStringLiteral("05.01.2024"), QDate(2024, 1, 5)},
    AssignCase{"day", QStringLiteral("2024-01-05"), QDate(2024, 1, 5)},
    AssignCase{"day", QStringLiteral(" 5.1.2024 "), QDate(2024, 1, 5)},
    AssignCase{"day", QStringLiteral("29.02.2024"), QDate(2024, 2, 29)},
    AssignCase{"day", QStringLiteral("01.01.0099"), QDate(99, 1, 1)},
    AssignCase{"day", QDate(1999, 12, 31), QDate(1999, 12, 31)},
    AssignCase{"day", QVariant(), QVariant()}));

TEST(DatasetEdit, ValuesAFieldCannotHoldAreRefused)
{
    Dataset ds;
    ds.setFieldDefs(sampleDefs());
    ds.createEmpty();
    ds.append();
    for (const auto& [field, v] : std::initializer_list<std::pair<const char*, QVariant>>{
             {"n", QStringLiteral("12a")}, {"small", 40000}, {"small", QStringLiteral("40000")},
             {"day", QStringLiteral("31.02.2024")}, {"day", QStringLiteral("29.02.2023")},
             {"day", QStringLiteral("00.01.2024")}, {"day", QStringLiteral("1a.01.2024")},
             {"n", QStringLiteral("99999999999")}}) {
        const QString name = QString::fromUtf8(field);
        EXPECT_THROW(ds.setValue(name, v), TableError) << field;
        if (v.typeId() == QMetaType::QString) {
            EXPECT_THROW(ds.setText(ds.fieldIndex(name), v.toString()), TableError) << field;
        }
    }
    EXPECT_THROW(ds.setValue(QStringLiteral("nope"), 1), TableError);
    EXPECT_THROW(ds.setValue(QStringLiteral("calc"), true), TableError);
}

TEST(DatasetEdit, AccessorsReadEveryType)
{
    Dataset ds;
    ds.setFieldDefs(sampleDefs());
    ds.createEmpty();
    appendRow(ds, {{"name", QStringLiteral("Книга")}, {"n", 12}, {"day", QDate(2020, 3, 4)}});
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("Книга"));
    EXPECT_EQ(ds.asString(QStringLiteral("day")), QStringLiteral("04.03.2020"));
    EXPECT_EQ(ds.asString(QStringLiteral("n")), QStringLiteral("12"));
    EXPECT_EQ(ds.asInt(QStringLiteral("n")), 12);
    EXPECT_EQ(ds.asDate(QStringLiteral("day")), QDate(2020, 3, 4));
    EXPECT_EQ(ds.asString(QStringLiteral("memo")), QString());
    EXPECT_EQ(ds.asInt(QStringLiteral("small")), 0);
    EXPECT_FALSE(ds.asDate(QStringLiteral("memo")).isValid());
    EXPECT_TRUE(ds.isNull(QStringLiteral("memo")));
    EXPECT_EQ(ds.value(0), ds.value(QStringLiteral("name")));
    EXPECT_EQ(ds.findField(QStringLiteral("day")), 2);
    EXPECT_EQ(ds.findField(QStringLiteral("x")), -1);
    EXPECT_THROW(ds.fieldIndex(QStringLiteral("x")), TableError);
}

TEST(DatasetEdit, StatesAndRowOperations)
{
    Dataset ds;
    EXPECT_EQ(ds.state(), DatasetState::Inactive);
    fillNames(ds, {"a", "b", "c"});
    EXPECT_EQ(ds.state(), DatasetState::Browse);
    EXPECT_EQ(ds.recNo(), 3); // the appended row is current

    ds.setRecNo(2);
    ds.insert();
    EXPECT_EQ(ds.state(), DatasetState::Insert);
    ds.setValue(QStringLiteral("name"), QStringLiteral("x"));
    ds.post();
    EXPECT_EQ(column(ds, QStringLiteral("name")), QStringList({"a", "x", "b", "c"}));
    EXPECT_EQ(ds.recNo(), 2);

    ds.edit();
    ds.setValue(QStringLiteral("name"), QStringLiteral("changed"));
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("changed"));
    ds.cancel();
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("x"));

    ds.append();
    ds.setValue(QStringLiteral("name"), QStringLiteral("never"));
    ds.cancel();
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("x")); // back where it was

    ds.remove();
    EXPECT_EQ(column(ds, QStringLiteral("name")), QStringList({"a", "b", "c"}));
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("b"));
    ds.last();
    ds.remove();
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("b"));
    ds.emptyTable();
    EXPECT_EQ(ds.recordCount(), 0);
    EXPECT_FALSE(ds.hasCurrentRow());
    EXPECT_THROW(ds.remove(), TableError);
    EXPECT_THROW(ds.edit(), TableError);
}

TEST(DatasetEdit, NavigationEndsAndRowNumbers)
{
    Dataset ds;
    fillNames(ds, {});
    EXPECT_TRUE(ds.eof());
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(ds.recNo(), 0);
    fillNames(ds, {"a", "b", "c"});

    QStringList seen;
    for (ds.first(); !ds.eof(); ds.next())
        seen.append(ds.asString(QStringLiteral("name")));
    EXPECT_EQ(seen, QStringList({"a", "b", "c"}));
    EXPECT_EQ(ds.recNo(), 3);

    seen.clear();
    for (ds.last(); !ds.bof(); ds.prior())
        seen.append(ds.asString(QStringLiteral("name")));
    EXPECT_EQ(seen, QStringList({"c", "b", "a"}));

    ds.setRecNo(99);
    EXPECT_EQ(ds.recNo(), 3);
    ds.setRecNo(-4);
    EXPECT_EQ(ds.recNo(), 1);
}

TEST(DatasetEdit, EventsComeInOrder)
{
    Dataset ds;
    ds.setFieldDefs(sampleDefs());
    QStringList log;
    auto& ev = ds.events();
    ev.afterOpen = [&] { log << "open"; };
    ev.afterClose = [&] { log << "close"; };
    ev.afterPost = [&] { log << "post"; };
    ev.afterDelete = [&] { log << "delete"; };
    ev.afterScroll = [&] { log << "scroll"; };
    ev.newRecord = [&] {
        log << "new";
        ds.setValue(QStringLiteral("name"), QStringLiteral("preset"));
    };
    ev.calcFields = [&] { ds.setCalcValue(QStringLiteral("calc"), ds.asInt(QStringLiteral("n")) > 1); };

    ds.createEmpty();
    EXPECT_EQ(log, QStringList({"open", "scroll"}));
    log.clear();
    ds.append();
    ds.setValue(QStringLiteral("n"), 2);
    ds.post();
    EXPECT_EQ(log, QStringList({"new", "post"}));
    EXPECT_EQ(ds.asString(QStringLiteral("name")), QStringLiteral("preset"));
    EXPECT_TRUE(ds.asBool(QStringLiteral("calc")));
    appendRow(ds, {{"n", 1}});
    EXPECT_FALSE(ds.asBool(QStringLiteral("calc")));
    log.clear();
    ds.first();
    EXPECT_TRUE(ds.asBool(QStringLiteral("calc")));
    ds.next();
    ds.next(); // past the end: no move, no event
    EXPECT_EQ(log, QStringList({"scroll", "scroll"}));
    log.clear();
    ds.remove();
    EXPECT_EQ(log, QStringList({"delete", "scroll"}));
    log.clear();
    ds.close();
    EXPECT_EQ(log, QStringList({"close"}));
    EXPECT_FALSE(ds.isActive());
}

TEST(DatasetEdit, ControlsNestAndResumeOnce)
{
    Dataset ds;
    fillNames(ds, {"a"});
    int resumed = 0;
    ds.events().controlsResumed = [&] { ++resumed; };
    ds.disableControls();
    ds.disableControls();
    ds.enableControls();
    EXPECT_TRUE(ds.controlsDisabled());
    EXPECT_EQ(resumed, 0);
    ds.enableControls();
    EXPECT_FALSE(ds.controlsDisabled());
    EXPECT_EQ(resumed, 1);
    ds.enableControls(); // unbalanced: ignored
    EXPECT_EQ(resumed, 1);
}

} // namespace
