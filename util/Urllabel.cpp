#include "util/Urllabel.h"

#include "util/Shell.h"

#include <QMouseEvent>

namespace folianto::util {

namespace {

bool isBareMailAddress(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    return at > 0 && at < text.size() - 1 && !text.contains(QLatin1Char(':'))
        && !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char(' '));
}

} // namespace

TUrllabel::TUrllabel(QWidget* parent)
    : TUrllabel(QString(), parent)
{
}

TUrllabel::TUrllabel(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setTextColor(normalColor());
}

QString TUrllabel::linkTarget() const
{
    const QString address = text().trimmed();
    return isBareMailAddress(address) ? QStringLiteral("mailto:") + address : address;
}

void TUrllabel::setTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TUrllabel::enterEvent(QEnterEvent* event)
{
    setTextColor(hoverColor());
    QLabel::enterEvent(event);
}

void TUrllabel::leaveEvent(QEvent* event)
{
    setTextColor(normalColor());
    QLabel::leaveEvent(event);
}

void TUrllabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TUrllabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click && !text().trimmed().isEmpty())
        shell().open(linkTarget());
}

} // namespace folianto::util
