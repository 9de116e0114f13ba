#include "app/alarm/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace folianto::app {

UpDown::UpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), position_(minimum),
      up_(new QToolButton(this)), down_(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [button, arrow] : {std::pair{up_, Qt::UpArrow}, std::pair{down_, Qt::DownArrow}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 16);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

int UpDown::position() const
{
    bool number = false;
    const int typed = buddy_.text().trimmed().toInt(&number);
    if (number && typed >= minimum_ && typed <= maximum_)
        position_ = typed;
    return position_;
}

void UpDown::setPosition(int position)
{
    position_ = std::clamp(position, minimum_, maximum_);
    buddy_.setText(QString::number(position_));
}

void UpDown::stepBy(int steps)
{
    setPosition(position() + steps);
}

} // namespace folianto::app
