#pragma once
// The small dialog `FormCommon`. Here in its password mode ("&X-Files..."): the edit `EdPas`
// for the archive password, at most 20 characters shown as "*"; Enter is OK, Escape Cancel.

#include <QDialog>

class QLineEdit;

namespace folianto::app {

class TFormCommon : public QDialog {
    Q_OBJECT
public:
    explicit TFormCommon(QWidget* parent = nullptr);

    // Switches to the password mode with the current password in the edit.
    void showPasswordMode(const QString& password);
    QLineEdit* EdPas() const { return edPas_; }

    static QSize clientSize() { return {217, 63}; }
    static constexpr int kPasswordLength = 20;

private:
    QLineEdit* edPas_;
};

} // namespace folianto::app
