#include "catalogue/TTavCalendar.h"

#include "catalogue/CalendarMonth.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace folianto::catalogue {

namespace {
const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
constexpr int kBorder = 1;
} // namespace

TTavCalendar::TTavCalendar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TavCalendar"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);
    setMinimumSize(calendar::kColumns * kCellSize + 2 * kBorder, calendar::kRows * kCellSize + 2 * kBorder);
}

void TTavCalendar::SetCalendarDate(const QDate& date)
{
    if (date == date_ || !date.isValid())
        return;
    date_ = date;
    daysThisMonth_ = calendar::daysInMonth(date.year(), date.month());
    UpdateCalendar();
    Q_EMIT dateChanged(date_);
}

void TTavCalendar::UpdateCalendar()
{
    monthOffset_ = calendar::monthOffset(date_.year(), date_.month());
    update();
}

QString TTavCalendar::CellText(int column, int row) const
{
    if (row == 0)
        return calendar::dayName(column);
    const int day = calendar::dayAt(column, row, monthOffset_, daysThisMonth_);
    return day == 0 ? QString() : QString::number(day);
}

bool TTavCalendar::selectCell(int column, int row)
{
    const int day = calendar::dayAt(column, row, monthOffset_, daysThisMonth_);
    if (day == 0 || !date_.isValid())
        return false;
    SetCalendarDate(QDate(date_.year(), date_.month(), day));
    return true;
}

QPoint TTavCalendar::selectedCell() const
{
    return calendar::cellOfDay(Day(), monthOffset_);
}

QRect TTavCalendar::cellRect(int column, int row) const
{
    return {kBorder + column * kCellSize, kBorder + row * kCellSize, kCellSize, kCellSize};
}

bool TTavCalendar::cellAt(const QPoint& pos, int& column, int& row) const
{
    column = (pos.x() - kBorder) / kCellSize;
    row = (pos.y() - kBorder) / kCellSize;
    return pos.x() >= kBorder && pos.y() >= kBorder && column < calendar::kColumns && row < calendar::kRows;
}

void TTavCalendar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont regular = font();
    regular.setBold(false);
    QFont bold = regular;
    bold.setBold(true);
    for (int row = 0; row < calendar::kRows; ++row) {
        for (int column = 0; column < calendar::kColumns; ++column) {
            const QRect r = cellRect(column, row).adjusted(1, 1, -1, -1);
            const bool weekend = column >= 5;
            const QString text = CellText(column, row);
            if (row > 0 && !text.isEmpty() && calendar::dayAt(column, row, monthOffset_, daysThisMonth_) == Day()) {
                p.setPen(palette().color(QPalette::WindowText));
                p.setBrush(Qt::white);
                p.drawRect(r.adjusted(0, 0, -1, -1));
                p.setBrush(Qt::NoBrush);
            }
            if (text.isEmpty())
                continue;
            p.setPen(weekend ? kMaroon : (row == 0 ? QColor(Qt::black) : kNavy));
            p.setFont(row == 0 ? bold : regular);
            p.drawText(r, Qt::AlignCenter, text);
        }
    }
    if (hasFocus() && date_.isValid()) {
        const QPoint c = selectedCell();
        QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(dotted);
        p.drawRect(cellRect(c.x(), c.y()).adjusted(2, 2, -3, -3));
    }
}

void TTavCalendar::mousePressEvent(QMouseEvent* event)
{
    int column = 0, row = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint(), column, row))
        selectCell(column, row);
}

void TTavCalendar::mouseDoubleClickEvent(QMouseEvent* event)
{
    int column = 0, row = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint(), column, row)
        && selectCell(column, row))
        Q_EMIT doubleClicked();
}

void TTavCalendar::keyPressEvent(QKeyEvent* event)
{
    QPoint c = selectedCell();
    switch (event->key()) {
    case Qt::Key_Left: c.rx() -= 1; break;
    case Qt::Key_Right: c.rx() += 1; break;
    case Qt::Key_Up: c.ry() -= 1; break;
    case Qt::Key_Down: c.ry() += 1; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    selectCell(c.x(), c.y()); // a cell without a day keeps the selection
    event->accept();
}

} // namespace folianto::catalogue
