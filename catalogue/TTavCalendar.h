#pragma once
// The month grid of the date picker: a header row of day names over six week rows, Monday
// first, the weekend columns in maroon. A day is chosen by a click or the arrow keys; a cell
// outside the month cannot be chosen. A double click asks to accept the date.

#include <QDate>
#include <QWidget>

namespace folianto::catalogue {

class TTavCalendar : public QWidget {
    Q_OBJECT
public:
    explicit TTavCalendar(QWidget* parent = nullptr);

    static constexpr int kCellSize = 21;

    QDate CalendarDate() const { return date_; }
    // Nothing happens for the date already shown; otherwise the grid follows it.
    void SetCalendarDate(const QDate& date);
    // The text of a cell: a day name in the header row, the day number or nothing below.
    QString CellText(int column, int row) const;
    // Chooses the cell's day; false (nothing changes) for a cell without a day.
    bool selectCell(int column, int row);
    QPoint selectedCell() const;

    int Year() const { return date_.isValid() ? date_.year() : 0; }
    int Month() const { return date_.isValid() ? date_.month() : 0; }
    int Day() const { return date_.isValid() ? date_.day() : 0; }

Q_SIGNALS:
    void dateChanged(const QDate& date);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateCalendar();
    QRect cellRect(int column, int row) const;
    bool cellAt(const QPoint& pos, int& column, int& row) const;

    QDate date_;
    int daysThisMonth_ = 31;
    int monthOffset_ = 0;
};

} // namespace folianto::catalogue
