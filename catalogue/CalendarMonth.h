#pragma once
// The arithmetic of the date picker's month grid: seven columns from Monday to Sunday, a header
// row of day names and six rows of weeks. A cell's day is its position plus the month's offset.

#include <QDate>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace folianto::catalogue::calendar {

constexpr int kColumns = 7;
constexpr int kRows = 7; // the header row and six weeks

int daysInMonth(int year, int month); // February has 29 days in a leap year
// The number added to a cell's position (column + (row - 1) × 7) to give its day: the 1st falls
// into the column of its weekday in the first week row.
int monthOffset(int year, int month);
// The day of a week row's cell, or 0 for a cell before the 1st or after the month's last day.
int dayAt(int column, int row, int offset, int daysThisMonth);
// The cell (x = column, y = row) that shows a day.
QPoint cellOfDay(int day, int offset);

// The date `months` months away, on the same day of the month but not beyond the length of
// the new month (31 January one month on is 28 or 29 February).
QDate movedByMonths(const QDate& date, int months);

// Russian names: the abbreviated day name of a column, the full name of a month.
QString dayName(int column);
QString monthName(int month);
// The caption that shows the chosen date: day, month name, year ("31-Январь-2003").
QString dateCaption(const QDate& date);

// Where the picker opens: to the right of the pointer, or to its left when the pointer is
// further from the screen's left edge than the picker is wide; 10 pixels below it when the
// picker then ends above the screen's bottom, otherwise with its bottom 10 pixels above it.
QPoint placeAtPointer(const QPoint& pointer, const QSize& size, const QRect& screen);

} // namespace folianto::catalogue::calendar
