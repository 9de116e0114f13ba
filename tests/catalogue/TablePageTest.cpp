// The page `ShTab`: columns, the sort list and the composed-filter builder.

#include "CatalogueViewFixture.h"
#include "catalogue/TablePage.h"
#include "support/FixedClock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace folianto::test {
namespace {

namespace f = catalogue::field;
using catalogue::TablePage;

class TablePageTest : public CatalogueViewTest {
protected:
    void SetUp() override
    {
        open({{QStringLiteral("А"), QStringLiteral("Пушкин"), {}, 500, 100},
              {QStringLiteral("Б"), QStringLiteral("Чехов"), {}, 1500, 37},
              {QStringLiteral("В"), {}, {}, 2000, 0},
              {QStringLiteral("Г"), {}, {}, 700, {}}});
    }
    QWidget sheet;
    TablePage page{&sheet, catalogue::TablePageServices{&cat.Ds(), &grid, {}, {}}};

    void field(const QString& title)
    {
        page.LbFld()->setCurrentItem(page.LbFld()->findItems(title, Qt::MatchExactly).value(0));
    }
    void add(const QString& title, const QString& op, const QString& value)
    {
        field(title);
        page.CbEq()->setCurrentText(op);
        page.EdVal()->setText(value);
        page.ButAddFiltClick();
    }
    QStringList conditions() const { return page.values().filterConditions; }
};

TEST_F(TablePageTest, FieldListAndValuesInAndOut)
{
    ASSERT_EQ(page.LbFld()->count(), 8);
    EXPECT_EQ(page.LbFld()->item(0)->text(), QStringLiteral("Книга"));
    page.setValues({{f::Author, QStringLiteral("_Gone"), f::BookName}, {QStringLiteral(" _Size > '1'")}});
    EXPECT_EQ(page.LbSort()->count(), 2);
    EXPECT_EQ(page.values().sortFields, (QStringList{f::Author, f::BookName})); // the unknown entry is gone
    EXPECT_TRUE(page.ButDelSort()->isEnabled());
    EXPECT_TRUE(page.ButTestFilt()->isEnabled());
}

TEST_F(TablePageTest, ColumnTitleAndVisibilityChangeAtOnceAndTheFieldListKeepsItsTitles)
{
    page.setValues({});
    field(QStringLiteral("Автор"));
    EXPECT_EQ(page.EdDisplay()->text(), QStringLiteral("Автор"));
    EXPECT_TRUE(page.ChVis()->isChecked());
    page.EdDisplay()->setText(QStringLiteral("Писатель"));
    page.ButColumnClick();
    EXPECT_EQ(model.headerData(ds().fieldIndex(f::Author), Qt::Horizontal).toString(), QStringLiteral("Писатель"));
    page.ChVis()->click();
    EXPECT_TRUE(grid.isColumnHidden(ds().fieldIndex(f::Author)));
    page.EdDisplay()->clear(); // an empty title leaves it
    page.ButColumnClick();
    EXPECT_EQ(model.headerData(ds().fieldIndex(f::Author), Qt::Horizontal).toString(), QStringLiteral("Писатель"));
    EXPECT_EQ(page.LbFld()->item(1)->text(), QStringLiteral("Автор"));
}

TEST_F(TablePageTest, SortListRefusesAFieldTwice)
{
    page.setValues({});
    EXPECT_FALSE(page.ButDelSort()->isEnabled());
    field(QStringLiteral("Книга"));
    page.ButAddSortClick();
    field(QStringLiteral("Автор"));
    page.ButAddSortClick();
    field(QStringLiteral("Книга"));
    ui.expectMessage(TablePage::alreadyThere());
    page.ButAddSortClick();
    EXPECT_EQ(page.LbSort()->currentRow(), 0);
    page.ButDelSortClick();
    EXPECT_EQ(page.values().sortFields, QStringList{f::Author});
}

TEST_F(TablePageTest, BuilderMakesTheFormsAndChecksNumbersAndDates)
{
    page.setValues({});
    add(QStringLiteral("Книга"), QStringLiteral("="), QStringLiteral("  *мир*  "));
    EXPECT_EQ(page.EdVal()->text(), QStringLiteral("*мир*"));
    ui.expectMessage(TablePage::badNumber());
    add(QStringLiteral("Всего"), QStringLiteral(">"), QString());
    page.RbOr()->setChecked(true);
    page.Ch2()->setChecked(true);
    add(QStringLiteral("Всего"), QStringLiteral(">"), QStringLiteral("700"));
    page.RbAnd()->setChecked(true);
    page.Ch1()->setChecked(true);
    page.Ch2()->setChecked(false);
    ui.expectMessage(TablePage::badDate());
    add(QStringLiteral("Начало"), QStringLiteral("="), QStringLiteral("31.02.2003"));
    add(QStringLiteral("Начало"), QStringLiteral("="), QStringLiteral("01.02.2003"));
    add(QStringLiteral("Начало"), QStringLiteral("<>"), QString());
    EXPECT_EQ(conditions(), (QStringList{QStringLiteral(" _BookName like '%мир%'"), QStringLiteral("or _Size > '700')"),
                                         QStringLiteral("and(_First = '01.02.2003'"),
                                         QStringLiteral("and(_First<> null")}));

    page.LbFilt()->setCurrentRow(0);
    page.ButDelFiltClick(); // the next one loses its connective
    EXPECT_EQ(conditions().first(), QStringLiteral(" _Size > '700')"));
    EXPECT_EQ(page.LbFilt()->currentRow(), 0);
}

TEST_F(TablePageTest, ValueBoxFollowsTheFieldKind)
{
    FixedClock clock(QDateTime(QDate(2024, 3, 5), QTime(12, 0)));
    InstalledClock installedClock(clock);
    page.setValues({});
    field(QStringLiteral("Начало"));
    EXPECT_EQ(page.EdVal()->text(), QStringLiteral("05.03.2024"));
    field(QStringLiteral("Всего"));
    EXPECT_EQ(page.EdVal()->text(), QStringLiteral("0"));
    field(QStringLiteral("Автор"));
    EXPECT_EQ(page.EdVal()->text(), QString());
    EXPECT_EQ(page.EdVal()->toolTip(), TablePage::textHint());
}

TEST_F(TablePageTest, TestCountsRowsOnASecondCursor)
{
    page.setValues({{}, {QStringLiteral(" _Size > '1000'"), QStringLiteral("or _Percent = '100'")}});
    ui.expectMessage(TablePage::testPassed(3));
    page.ButTestFiltClick();
    EXPECT_FALSE(ds().filtered());
    EXPECT_EQ(titles().size(), 4);

    page.setValues({{}, {QStringLiteral("( _Size > '1000'")}});
    ui.expectMessage(TablePage::testFailed());
    page.ButTestFiltClick();
}

} // namespace
} // namespace folianto::test
