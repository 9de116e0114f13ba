#include "engines/table/Filter.h"

#include <QDate>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

using namespace folianto::table;
using namespace Qt::StringLiterals;

namespace {

// The catalogue's fields in their table order.
FieldDefs catalogueDefs()
{
    return {
        {u"_BookName"_s, FieldType::String, 100}, {u"_Author"_s, FieldType::String, 70},
        {u"_Topic"_s, FieldType::String, 70},     {u"_First"_s, FieldType::Date},
        {u"_Last"_s, FieldType::Date},            {u"_Percent"_s, FieldType::Int16},
        {u"_Size"_s, FieldType::Int32},           {u"_Comment"_s, FieldType::String, 200},
        {u"_FileName"_s, FieldType::Memo},        {u"_Pos"_s, FieldType::Int32},
        {u"_Oem"_s, FieldType::FixedString, 1},   {u"_Cur"_s, FieldType::FixedString, 1},
        {u"_Arc"_s, FieldType::Int16},            {u"_Alter"_s, FieldType::String, 1},
        {u"_TestFile"_s, FieldType::Boolean, 0, true},
    };
}

enum Field { BookName, Author, Topic, First, Last, Percent, Size, Comment, FileName };

struct Row : RowValues {
    std::vector<QVariant> values = std::vector<QVariant>(15);
    QVariant value(int field) const override { return values[size_t(field)]; }
};

Row book(const QString& title, QVariant author, QVariant topic, QVariant first, QVariant size,
         QVariant percent, QVariant fileName)
{
    Row r;
    r.values[BookName] = title;
    r.values[Author] = author;
    r.values[Topic] = topic;
    r.values[First] = first;
    r.values[Size] = size;
    r.values[Percent] = percent;
    r.values[FileName] = fileName;
    return r;
}

const std::vector<Row>& books()
{
    const QVariant null;
    static const std::vector<Row> rows = {
        book(u"Война и мир"_s, u"Толстой"_s, u"Проза"_s, QDate(2003, 2, 1), 1500, 100, u"c:\\books\\war.txt"_s),
        book(u"мир приключений"_s, u"Пушкин"_s, null, null, 700, 50, u"c:\\books\\mir.zip"_s),
        book(u"Мирный атом"_s, u"ПУШКИН"_s, u"проза"_s, QDate(2010, 3, 15), 701, null, u"d:\\Мир\\atom.txt"_s),
        book(u"*мир"_s, u"O'Brien"_s, u"Поэзия"_s, null, null, 0, null),
        book(u"Ёлка"_s, null, u"Поэзия"_s, QDate(2003, 2, 1), 1000, 100, u"e:\\ёлка.rtf"_s),
    };
    return rows;
}

// Titles of the rows the filter keeps, in row order.
QStringList kept(const QString& text, bool caseInsensitive)
{
    const auto filter = CompiledFilter::compile(text, catalogueDefs(), caseInsensitive);
    QStringList titles;
    for (const Row& r : books())
        if (filter->matches(r))
            titles << r.values[BookName].toString();
    return titles;
}

const QString war = u"Война и мир"_s, adventures = u"мир приключений"_s, atom = u"Мирный атом"_s,
              star = u"*мир"_s, fir = u"Ёлка"_s;

struct Case {
    QString text;
    bool caseInsensitive;
    QStringList want;
};

void expectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(kept(c.text, c.caseInsensitive), c.want) << c.text.toStdString() << " ci=" << c.caseInsensitive;
}

} // namespace

TEST(Filter, FormsBuiltByTheProgramKeepTheirRows)
{
    expectCases({
        // F1, F2: the current cell, an apostrophe doubled; the case rule applies.
        {u"_Author='O''Brien'"_s, false, {star}},
        {u"_Author='Пушкин'"_s, false, {adventures}},
        {u"_Author='Пушкин'"_s, true, {adventures, atom}},
        {u"_Topic=null"_s, false, {adventures}},
        // F3, F4: topics.
        {u"_Topic='Проза'"_s, false, {war}},
        {u"_Topic='Проза'"_s, true, {war, atom}},
        // F5 to F8: empty values of the composed filter.
        {u" _Author='' or _Author= null"_s, false, {fir}},
        {u" _Author<>'' and _Author <> null"_s, false, {war, adventures, atom, star}},
        {u" _Author>''"_s, false, {war, adventures, atom, star}},
        {u" _Author<''"_s, false, {}},
        {u" _First= null"_s, false, {adventures, star}},
        {u" _First<> null"_s, false, {war, atom, fir}},
        // F9, F10: like.
        {u" _BookName like '%мир%'"_s, false, {war, adventures, star}},
        {u" _BookName like '%мир%'"_s, true, {war, adventures, atom, star}},
        {u"_FileName like '%mir.zip%'"_s, false, {adventures}},
        {u"_FileName like '%MIR.ZIP%'"_s, false, {}},
        // F11: text values, a trailing * compares a beginning, a leading one is plain text.
        {u" _BookName='мир*'"_s, false, {adventures}},
        {u" _BookName='мир*'"_s, true, {adventures, atom}},
        {u" _BookName='*мир'"_s, false, {star}},
        {u" _BookName<>'мир*'"_s, false, {war, atom, star, fir}},
        {u" _Author>'П'"_s, false, {war, adventures, atom}},
        {u" _BookName<'мир*'"_s, false, {war, star, fir}},
        // F12: numbers and dates read from quoted constants.
        {u" _Size > '700'"_s, false, {war, atom, fir}},
        {u" _Size < '701'"_s, false, {adventures}},
        {u" _Percent <> '100'"_s, false, {adventures, star}},
        {u"and(_First = '01.02.2003'"_s.mid(4), false, {war, fir}},
        {u" _First > '01.02.2003'"_s, false, {atom}},
        {u" _First < '1.3.2003'"_s, false, {war, fir}},
        // F13, F14: replacement.
        {u"(_Topic= null)"_s, false, {adventures}},
        {u"(_Topic= null) and ( _Size > '500' )"_s, false, {adventures}},
        // F15: the composed conditions joined, each between blanks.
        {u" _Author='Пушкин'  and(_First = '01.02.2003'  or _Size > '700') "_s, true, {atom}},
        {u" _Size > '1000'  or _Percent='100' "_s, false, {war, fir}},
        {u""_s, false, {war, adventures, atom, star, fir}},
    });
}

TEST(Filter, GrammarPrecedenceBlanksAndNames)
{
    expectCases({
        {u"_Percent='100' or _Size='700' and _Author='Толстой'"_s, false, {war, fir}},
        {u"(_Percent='100' or _Size='700') and _Author='Толстой'"_s, false, {war}},
        {u"_Percent='100' OR _Size='700'"_s, false, {war, adventures, fir}},
        {u"_Topic='Проза'or(_Topic=null)"_s, false, {war, adventures}},
        {u"  \t_Size   >   '700'  "_s, false, {war, atom, fir}},
        {u"[_Size]>'700' AND _booknAME like 'М%'"_s, false, {atom}},
        {u"((( _Size='700' )))"_s, false, {adventures}},
        {u"   "_s, false, {war, adventures, atom, star, fir}},
    });
}

TEST(Filter, NullFieldsFailEveryComparison)
{
    expectCases({
        {u"_Percent < '1000'"_s, false, {war, adventures, star, fir}},
        {u"_Percent <> '7'"_s, false, {war, adventures, star, fir}},
        {u"_Author <> 'x'"_s, false, {war, adventures, atom, star}},
        {u"_Author like '%'"_s, false, {war, adventures, atom, star}},
        {u"_Size > null or _Size < null"_s, false, {}},
        {u"_Size > '-1'"_s, false, {war, adventures, atom, fir}},
    });
}

TEST(Filter, LikeAndTheCaseRule)
{
    expectCases({
        {u"_Author like '_ушкин'"_s, false, {adventures}},
        {u"_Author like '_ушкин'"_s, true, {adventures, atom}},
        {u"_Author like 'пуш%'"_s, true, {adventures, atom}},
        {u"_BookName like '%и%и%'"_s, false, {war, adventures}},
        {u"_BookName like '%%м_р'"_s, false, {war, star}},
        {u"_BookName like 'мир'"_s, false, {}},
        {u"_BookName like '*мир'"_s, false, {star}},
        {u"_BookName='ёлка'"_s, true, {fir}},
        {u"_BookName='ёлка'"_s, false, {}},
        {u"_BookName='елка'"_s, true, {}},
        {u"_BookName='ЁЛ*'"_s, true, {fir}},
        {u"_FileName like '%мир%'"_s, true, {atom}},
    });
}

TEST(Filter, UnreadableTextsRaiseReadableErrors)
{
    struct Bad {
        QString text;
        QString inMessage;
    };
    const std::vector<Bad> bad = {
        {u"_Size >"_s, u"позиция 8"_s},
        {u"_Size > 700"_s, u"константа"_s},
        {u"_Nope='x'"_s, u"_Nope"_s},
        {u"_Author='abc"_s, u"апостроф"_s},
        {u"_Author='x' and"_s, u"имя поля"_s},
        {u"(_Author='x'"_s, u")"_s},
        {u"_Author='x')"_s, u"позиция 12"_s},
        {u"_Author='x' _Topic='y'"_s, u"позиция 13"_s},
        {u"_Size='abc'"_s, u"целое"_s},
        {u"_First='31.02.2003'"_s, u"дата"_s},
        {u"_Size like '7%'"_s, u"like"_s},
        {u"_Author like null"_s, u"образец"_s},
        {u"_Author == 'x'"_s, u"константа"_s},
        {u"and _Author='x'"_s, u"имя поля"_s},
        {u"_Author ! 'x'"_s, u"«!»"_s},
        {u"[_Author='x'"_s, u"]"_s},
        {u"( )"_s, u"позиция 3"_s},
        {u"_Author >= 'x'"_s, u"константа"_s},
        {QString(300, u'('), u"скобки"_s},
    };
    for (const Bad& b : bad) {
        try {
            CompiledFilter::compile(b.text, catalogueDefs(), false);
            ADD_FAILURE() << "no error for " << b.text.toStdString();
        } catch (const TableError& e) {
            EXPECT_TRUE(e.message().contains(b.inMessage))
                << b.text.toStdString() << ": " << e.message().toStdString();
        }
    }
}
