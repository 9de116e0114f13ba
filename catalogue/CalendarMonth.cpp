#include "catalogue/CalendarMonth.h"

#include <QLocale>

namespace folianto::catalogue::calendar {

namespace {
QString capitalised(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}
const QLocale& russian()
{
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}
} // namespace

int daysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

int monthOffset(int year, int month)
{
    // The 1st sits in the column of its weekday (Monday 0 ... Sunday 6) and has day 1 there.
    const int column = QDate(year, month, 1).dayOfWeek() - 1;
    return 1 - column;
}

int dayAt(int column, int row, int offset, int daysThisMonth)
{
    if (row < 1 || row >= kRows || column < 0 || column >= kColumns)
        return 0;
    const int n = offset + column + (row - 1) * kColumns;
    return n >= 1 && n <= daysThisMonth ? n : 0;
}

QPoint cellOfDay(int day, int offset)
{
    const int n = day - offset;
    return {n % kColumns, n / kColumns + 1};
}

QDate movedByMonths(const QDate& date, int months)
{
    return date.addMonths(months); // Qt keeps the day within the new month's length
}

QString dayName(int column)
{
    return capitalised(russian().standaloneDayName(column + 1, QLocale::ShortFormat));
}

QString monthName(int month)
{
    return capitalised(russian().standaloneMonthName(month, QLocale::LongFormat));
}

QString dateCaption(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(monthName(date.month()))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QPoint placeAtPointer(const QPoint& pointer, const QSize& size, const QRect& screen)
{
    const int left = pointer.x() - screen.left() > size.width() ? pointer.x() - size.width() : pointer.x();
    const int below = pointer.y() + 10;
    const int top = below + size.height() <= screen.y() + screen.height() ? below : pointer.y() - 10 - size.height();
    return {left, top};
}

} // namespace folianto::catalogue::calendar
