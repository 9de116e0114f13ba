#pragma once
// An up-down control beside an edit (`UdH` with `EdH`): two small arrow buttons that step a
// position between a minimum and a maximum without wrapping and write it into the edit. Its
// position is read from the edit's text, as long as that holds a number in range.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace folianto::app {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit& buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int position() const;
    void setPosition(int position); // clamped; written into the edit
    void stepBy(int steps);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

private:
    QLineEdit& buddy_;
    int minimum_, maximum_;
    mutable int position_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace folianto::app
