// The date picker: the month grid's arithmetic, the dialog's controls, its results through
// the Interaction seam, and the reading-date command that uses it.

#include "CatalogueFixtures.h"
#include "FakeCatalogueHost.h"
#include "catalogue/CalendarMonth.h"
#include "catalogue/ReadingDateCommands.h"
#include "catalogue/TFormDate.h"
#include "catalogue/TTavCalendar.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace folianto::test {
namespace {

namespace cal = catalogue::calendar;
namespace f = catalogue::field;
using catalogue::PickedDate;
using catalogue::TFormDate;

TEST(CalendarMonth, MonthLengthsAndLeapYears)
{
    const struct {
        int year, month, days;
    } cases[] = {{2003, 1, 31}, {2003, 2, 28}, {2004, 2, 29}, {1900, 2, 28}, {2000, 2, 29}, {2003, 4, 30}, {2003, 12, 31}};
    for (const auto& c : cases)
        EXPECT_EQ(cal::daysInMonth(c.year, c.month), c.days) << c.year << '-' << c.month;
}

TEST(CalendarMonth, TheFirstFallsIntoTheColumnOfItsWeekday)
{
    const struct {
        int year, month;
        int weekday; // Qt's: 1 Monday .. 7 Sunday
        int column;
    } cases[] = {{2003, 6, 7, 6}, {2003, 9, 1, 0}, {2003, 1, 3, 2}, {2004, 2, 7, 6}, {2010, 3, 1, 0}};
    for (const auto& c : cases) {
        ASSERT_EQ(QDate(c.year, c.month, 1).dayOfWeek(), c.weekday);
        const int offset = cal::monthOffset(c.year, c.month);
        EXPECT_EQ(cal::cellOfDay(1, offset), QPoint(c.column, 1)) << c.year << '-' << c.month;
        const int days = cal::daysInMonth(c.year, c.month);
        EXPECT_EQ(cal::dayAt(c.column, 1, offset, days), 1);
        // Every day has one cell, and the cell gives the day back.
        for (int day = 1; day <= days; ++day) {
            const QPoint cell = cal::cellOfDay(day, offset);
            EXPECT_EQ(cal::dayAt(cell.x(), cell.y(), offset, days), day);
        }
        // The cells before the 1st and after the last day are empty.
        if (c.column > 0) {
            EXPECT_EQ(cal::dayAt(c.column - 1, 1, offset, days), 0);
        }
        const QPoint last = cal::cellOfDay(days, offset);
        EXPECT_EQ(cal::dayAt(last.x() + 1, last.y(), offset, days), 0);
    }
}

TEST(CalendarMonth, MovingByMonthsKeepsTheDayWithinTheMonth)
{
    const struct {
        QDate from;
        int months;
        QDate to;
    } cases[] = {
        {QDate(2003, 1, 31), 1, QDate(2003, 2, 28)},
        {QDate(2004, 3, 31), -1, QDate(2004, 2, 29)},
        {QDate(2004, 2, 29), 12, QDate(2005, 2, 28)},
        {QDate(2003, 12, 15), 1, QDate(2004, 1, 15)},
        {QDate(2004, 2, 29), 48, QDate(2008, 2, 29)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cal::movedByMonths(c.from, c.months), c.to) << c.from.toString(Qt::ISODate).toStdString();
}

TEST(CalendarMonth, PlacedBesideThePointer)
{
    const QRect screen(0, 0, 1280, 900);
    const QSize size = TFormDate::clientSize();
    const struct {
        QPoint pointer;
        QPoint topLeft;
    } cases[] = {
        {{100, 100}, {100, 110}},    // near the left edge: to the right, below
        {{600, 100}, {449, 110}},    // further from it than the picker is wide: to the left
        {{600, 850}, {449, 660}},    // near the bottom: above
        {{151, 710}, {151, 720}},    // just fits below
        {{151, 711}, {151, 521}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cal::placeAtPointer(c.pointer, size, screen), c.topLeft) << c.pointer.x() << ',' << c.pointer.y();
}

TEST(CalendarMonth, RussianNames)
{
    EXPECT_EQ(cal::monthName(2), QStringLiteral("Февраль"));
    EXPECT_EQ(cal::dayName(0), QStringLiteral("Пн"));
    EXPECT_EQ(cal::dayName(6), QStringLiteral("Вс"));
    EXPECT_EQ(cal::dateCaption(QDate(2003, 1, 5)), QStringLiteral("05-Январь-2003"));
}

void pressKey(QWidget* w, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

TEST(DatePicker, GridCellsAndSelection)
{
    catalogue::TTavCalendar grid;
    grid.SetCalendarDate(QDate(2003, 6, 10)); // June 2003 begins on a Sunday
    EXPECT_EQ(grid.CellText(0, 0), QStringLiteral("Пн"));
    EXPECT_EQ(grid.CellText(5, 1), QString());
    EXPECT_EQ(grid.CellText(6, 1), QStringLiteral("1"));
    EXPECT_EQ(grid.CellText(0, 2), QStringLiteral("2"));
    EXPECT_EQ(grid.CellText(0, 6), QStringLiteral("30"));
    EXPECT_EQ(grid.selectedCell(), QPoint(1, 3));
    EXPECT_FALSE(grid.selectCell(0, 1)); // before the 1st
    EXPECT_EQ(grid.CalendarDate(), QDate(2003, 6, 10));
    EXPECT_TRUE(grid.selectCell(6, 1));
    EXPECT_EQ(grid.CalendarDate(), QDate(2003, 6, 1));
    pressKey(&grid, Qt::Key_Left); // an empty cell: the selection stays
    EXPECT_EQ(grid.CalendarDate(), QDate(2003, 6, 1));
    pressKey(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.CalendarDate(), QDate(2003, 6, 8));
}

TEST(DatePicker, MonthStepperAndYearBox)
{
    TFormDate form;
    form.setInitialDate(QDate(2003, 1, 31));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("31-Январь-2003"));
    form.stepMonth(1);
    EXPECT_EQ(form.CalendarDate(), QDate(2003, 2, 28));
    EXPECT_EQ(form.PanMon()->text(), QStringLiteral("Февраль"));
    // Page steps of the bar change nothing; its arrows step.
    form.MonBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form.CalendarDate(), QDate(2003, 2, 28));
    form.MonBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(form.CalendarDate(), QDate(2003, 1, 28));

    form.setInitialDate(QDate(2004, 2, 29));
    form.EdY()->setValue(2005);
    EXPECT_EQ(form.CalendarDate(), QDate(2005, 2, 28));
    EXPECT_EQ(form.PanMon()->text(), QStringLiteral("Февраль"));

    // Letters do nothing; a typed year applies on Enter without ending the dialog.
    form.show();
    form.EdY()->setFocus();
    form.EdY()->selectAll();
    for (const char* key : {"x", "2", "0", "1", "0"})
        pressKey(form.EdY(), QChar::fromLatin1(*key).toUpper().unicode(), QString::fromLatin1(key));
    pressKey(form.EdY(), Qt::Key_Return);
    EXPECT_EQ(form.CalendarDate(), QDate(2010, 2, 28));
    EXPECT_TRUE(form.isVisible());
    form.ButTodayClick();
    EXPECT_EQ(form.CalendarDate(), util::clock().today());
    EXPECT_EQ(form.EdY()->value(), util::clock().today().year());
}

class PickDateResults : public ::testing::Test {
protected:
    FixedClock clock{QDateTime(QDate(2024, 3, 15), QTime(12, 0))};
    InstalledClock installedClock{clock};
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
};

TEST_F(PickDateResults, OkDeleteAndCancel)
{
    ui.expectDialog(QStringLiteral("10-Июнь-2003"), [](QDialog& d) {
        auto& form = dynamic_cast<TFormDate&>(d);
        EXPECT_FALSE(form.ButDel()->isHidden());
        form.Calendar()->selectCell(6, 1);
    });
    PickedDate r = catalogue::PickDate(true, QDate(2003, 6, 10));
    EXPECT_EQ(r.kind, PickedDate::Kind::Date);
    EXPECT_EQ(r.date, QDate(2003, 6, 1));

    ui.expectDialog(QStringLiteral("10-Июнь-2003"), [](QDialog& d) { dynamic_cast<TFormDate&>(d).ButDel()->click(); });
    EXPECT_EQ(catalogue::PickDate(true, QDate(2003, 6, 10)).kind, PickedDate::Kind::Delete);

    ui.expectDialog(QStringLiteral("10-Июнь-2003"), [](QDialog& d) {
        EXPECT_TRUE(dynamic_cast<TFormDate&>(d).ButDel()->isHidden());
        dynamic_cast<TFormDate&>(d).Calendar()->selectCell(6, 1);
        dynamic_cast<TFormDate&>(d).ButCancel()->click();
    });
    EXPECT_EQ(catalogue::PickDate(false, QDate(2003, 6, 10)).kind, PickedDate::Kind::Cancel);
}

class ReadingDates : public PickDateResults {
protected:
    void open(const std::vector<FixtureRow>& rows)
    {
        const QString path = dir.file(QStringLiteral("dates.bon"));
        writeCatalogue(path, rows);
        cat.OpenCatalogue(path);
        ASSERT_TRUE(cat.isOpen());
    }
    TempDir dir;
    FakeCatalogueHost host;
    catalogue::Catalogue cat{host};
    catalogue::ReadingDateCommands dates{cat};
};

TEST_F(ReadingDates, AnEmptyDateStartsTodayWithoutDeleteAndCancelLeavesTheRow)
{
    open({{QStringLiteral("Книга")}});
    ui.expectDialog(QStringLiteral("15-Март-2024"),
                    [](QDialog& d) { EXPECT_TRUE(dynamic_cast<TFormDate&>(d).ButDel()->isHidden()); }, QDialog::Rejected);
    dates.ButFirstClick(1);
    EXPECT_FALSE(cat.Ds().isEditing());
    EXPECT_TRUE(cat.Ds().isNull(f::First));
}

TEST_F(ReadingDates, TheChosenDateOrItsDeletionWaitsInTheEditedRow)
{
    open({{QStringLiteral("Книга")}});
    ui.expectDialog(QStringLiteral("15-Март-2024"), [](QDialog& d) { dynamic_cast<TFormDate&>(d).stepMonth(-1); });
    dates.ButFirstClick(2);
    EXPECT_TRUE(cat.Ds().isEditing());
    EXPECT_EQ(cat.Ds().asDate(f::Last), QDate(2024, 2, 15));
    cat.Ds().post();

    ui.expectDialog(QStringLiteral("15-Февраль-2024"), [](QDialog& d) { dynamic_cast<TFormDate&>(d).ButDel()->click(); });
    dates.ButFirstClick(2);
    EXPECT_TRUE(cat.Ds().isEditing());
    EXPECT_TRUE(cat.Ds().isNull(f::Last));
    cat.Ds().post();
    EXPECT_EQ(readTitlesAndMarks(cat.fileName()), QStringList{QStringLiteral("Книга|")});
}

TEST_F(ReadingDates, AnEmptyCatalogueGetsANewRowHoldingTheDate)
{
    open({});
    ui.expectDialog(QStringLiteral("15-Март-2024"));
    dates.ButFirstClick(1);
    EXPECT_EQ(cat.Ds().state(), table::DatasetState::Insert);
    EXPECT_EQ(cat.Ds().asDate(f::First), QDate(2024, 3, 15));
    cat.Ds().cancel();
    EXPECT_EQ(cat.Ds().recordCount(), 0);
}

} // namespace
} // namespace folianto::test
