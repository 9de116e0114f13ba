#pragma once
// The date picker: a small window without a title bar that opens at the mouse pointer, with a
// month stepper, a year box and the month grid, and four picture buttons: delete the date,
// today, OK and cancel. `PickDate` runs it through the Interaction seam.

#include <QDate>
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;

namespace folianto::catalogue {

class TTavCalendar;

// What the picker gives back: a date, the request to delete the date, or nothing.
struct PickedDate {
    enum class Kind { Date, Delete, Cancel };
    Kind kind = Kind::Cancel;
    QDate date;
};

class TFormDate : public QDialog {
    Q_OBJECT
public:
    explicit TFormDate(QWidget* parent = nullptr);

    static constexpr int kDeleteResult = 2; // the dialog's result for `ButDel`
    static QSize clientSize() { return {151, 180}; }

    // Shows the date: the grid, the year and the month name.
    void setInitialDate(const QDate& date);
    void setDeleteAllowed(bool allowed);
    QDate CalendarDate() const;

    // The left (-1) or right (+1) arrow of the month stepper.
    void stepMonth(int direction);
    // The year of the up-down control applied: the same month and day in that year, the day
    // kept within the month's length (29 February becomes the 28th in a common year).
    void UdYClick();
    void ButTodayClick();

    TTavCalendar* Calendar() const { return calendar_; }
    QScrollBar* MonBar() const { return monBar_; }
    QLabel* PanMon() const { return panMon_; }
    QSpinBox* EdY() const { return edY_; }
    QPushButton* ButDel() const { return butDel_; }
    QPushButton* ButToday() const { return butToday_; }
    QPushButton* ButOk() const { return butOk_; }
    QPushButton* ButCancel() const { return butCancel_; }

protected:
    void showEvent(QShowEvent* event) override; // FormShow

private:
    void showYearAndMonth();

    TTavCalendar* calendar_;
    QScrollBar* monBar_;
    QLabel* panMon_;
    QSpinBox* edY_;
    QPushButton* butDel_;
    QPushButton* butToday_;
    QPushButton* butOk_;
    QPushButton* butCancel_;
};

// Runs the picker at the mouse pointer, starting at `initialDate`; the delete button is
// offered only with `allowDelete`.
PickedDate PickDate(bool allowDelete, const QDate& initialDate, QWidget* parent = nullptr);

} // namespace folianto::catalogue
