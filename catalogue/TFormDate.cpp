#include "catalogue/TFormDate.h"

#include "catalogue/CalendarMonth.h"
#include "catalogue/TTavCalendar.h"
#include "util/Clock.h"
#include "util/Interaction.h"
#include "util/NamedWidget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>

namespace folianto::catalogue {

namespace {

constexpr int kHeaderHeight = 23;
constexpr int kButtonSize = 21;
constexpr int kButtonsTop = 154;

// The month stepper reacts to its arrows only: the wheel passes on to the window.
class MonthBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// The year box: digits only; Enter applies the year and does not end the dialog. An empty or
// unfinished year falls back to the year shown before.
class YearBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            interpretText();
            selectAll();
            event->accept();
            return;
        }
        QSpinBox::keyPressEvent(event);
    }
};

enum class Picture { Delete, Today, Ok, Cancel };

// The buttons' small pictures, drawn here so that nothing is loaded from outside.
QIcon picture(Picture which)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    auto page = [&p] {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.fillRect(QRectF(3, 3, 10, 3), QColor(128, 0, 0));
    };
    switch (which) {
    case Picture::Delete:
        page();
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(QPointF(4, 14), QPointF(14, 4));
        break;
    case Picture::Today:
        page();
        p.fillRect(QRectF(6, 8, 4, 4), QColor(0, 0, 128));
        break;
    case Picture::Ok: {
        p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(3, 8);
        tick.lineTo(6.5, 12);
        tick.lineTo(13, 4);
        p.drawPath(tick);
        break;
    }
    case Picture::Cancel:
        p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return QIcon(pm);
}

} // namespace

TFormDate::TFormDate(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormDate"));
    setFixedSize(clientSize());

    auto* panTop = util::named(new QWidget(this), "PanTop");
    panTop->setGeometry(0, 0, clientSize().width(), kHeaderHeight);
    monBar_ = util::named(new MonthBar(Qt::Horizontal, panTop), "MonBar");
    monBar_->setRange(-10000, 10000);
    monBar_->setPageStep(0);
    monBar_->setFocusPolicy(Qt::NoFocus);
    monBar_->setGeometry(0, 0, 98, kHeaderHeight);
    panMon_ = util::named(new QLabel(panTop), "PanMon");
    panMon_->setAlignment(Qt::AlignCenter);
    panMon_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panMon_->setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    panMon_->setFont(bold);
    // Between the two arrows, so that only they reach the bar.
    const int arrow = 17;
    panMon_->setGeometry(arrow, 1, 98 - 2 * arrow, kHeaderHeight - 2);

    edY_ = util::named(new YearBox(panTop), "EdY");
    edY_->setRange(1, 5000);
    edY_->setWrapping(false);
    edY_->setValue(1900);
    edY_->setKeyboardTracking(false);
    edY_->setFont(bold);
    edY_->setFrame(false);
    edY_->setGeometry(98, 0, clientSize().width() - 98, kHeaderHeight);

    calendar_ = new TTavCalendar(this);
    calendar_->setGeometry(0, kHeaderHeight, clientSize().width(), clientSize().height() - kHeaderHeight);

    auto button = [this](const char* name, Picture which, const QString& hint) {
        auto* b = util::named(new QPushButton(this), name);
        b->setIcon(picture(which));
        b->setToolTip(hint);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    butDel_ = button("ButDel", Picture::Delete, QStringLiteral("Delete date"));
    butToday_ = button("ButToday", Picture::Today,
                       QStringLiteral("Today is ") + QLocale(QLocale::Russian).toString(util::clock().today(), QLocale::ShortFormat));
    butOk_ = button("ButOk", Picture::Ok, QStringLiteral("OK"));
    butCancel_ = button("ButCancel", Picture::Cancel, QStringLiteral("Cancel"));
    butOk_->setDefault(true);
    int x = clientSize().width() - 4 * kButtonSize - 2;
    for (QPushButton* b : {butDel_, butToday_, butOk_, butCancel_}) {
        b->setGeometry(x, kButtonsTop, kButtonSize, kButtonSize);
        x += kButtonSize;
    }

    connect(monBar_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderSingleStepAdd)
            stepMonth(1);
        else if (action == QAbstractSlider::SliderSingleStepSub)
            stepMonth(-1);
    });
    connect(edY_, &QSpinBox::valueChanged, this, [this] { UdYClick(); });
    connect(calendar_, &TTavCalendar::dateChanged, this,
            [this](const QDate& date) { setWindowTitle(calendar::dateCaption(date)); });
    connect(calendar_, &TTavCalendar::doubleClicked, this, &QDialog::accept);
    connect(butDel_, &QPushButton::clicked, this, [this] { done(kDeleteResult); });
    connect(butToday_, &QPushButton::clicked, this, [this] { ButTodayClick(); });
    connect(butOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(butCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QDate TFormDate::CalendarDate() const
{
    return calendar_->CalendarDate();
}

void TFormDate::showYearAndMonth()
{
    const QSignalBlocker quiet(edY_);
    edY_->setValue(calendar_->Year());
    panMon_->setText(calendar::monthName(calendar_->Month()));
}

void TFormDate::setInitialDate(const QDate& date)
{
    calendar_->SetCalendarDate(date);
    showYearAndMonth();
}

void TFormDate::setDeleteAllowed(bool allowed)
{
    butDel_->setVisible(allowed);
}

void TFormDate::stepMonth(int direction)
{
    calendar_->SetCalendarDate(calendar::movedByMonths(CalendarDate(), direction));
    showYearAndMonth();
}

void TFormDate::UdYClick()
{
    const int years = edY_->value() - calendar_->Year();
    if (years != 0)
        calendar_->SetCalendarDate(calendar::movedByMonths(CalendarDate(), 12 * years));
}

void TFormDate::ButTodayClick()
{
    calendar_->SetCalendarDate(util::clock().today());
    showYearAndMonth();
}

void TFormDate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    for (QPushButton* b : {butDel_, butToday_, butOk_, butCancel_})
        b->raise();
    calendar_->setFocus();
}

PickedDate PickDate(bool allowDelete, const QDate& initialDate, QWidget* parent)
{
    TFormDate dialog(parent);
    const QPoint pointer = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        dialog.move(calendar::placeAtPointer(pointer, TFormDate::clientSize(), screen->geometry()));
    dialog.setDeleteAllowed(allowDelete);
    dialog.setInitialDate(initialDate);
    const int result = util::interaction().runDialog(dialog);
    if (result == QDialog::Accepted)
        return {PickedDate::Kind::Date, dialog.CalendarDate()};
    if (result == TFormDate::kDeleteResult)
        return {PickedDate::Kind::Delete, {}};
    return {};
}

} // namespace folianto::catalogue
