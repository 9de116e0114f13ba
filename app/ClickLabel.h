#pragma once
// A label that reports a click with the left mouse button.

#include <QLabel>

namespace folianto::app {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace folianto::app
