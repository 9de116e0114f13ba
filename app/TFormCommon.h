#pragma once
// The small dialog `FormCommon`. Here in its password mode ("&X-Files..."): the edit `EdPas`
// for the archive password, at most 20 characters shown as "*"; Enter is OK, Escape Cancel.

#include <QDialog>
#include <optional>

class QLineEdit;

namespace folianto::app {

class TFormCommon : public QDialog {
    Q_OBJECT
public:
    explicit TFormCommon(QWidget* parent = nullptr);

    // Switches to the password mode with the current password in the edit.
    void showPasswordMode(const QString& password);
    QLineEdit* EdPas() const { return edPas_; }
    // The password box over `parent`: the typed password on OK, nothing on Cancel.
    static std::optional<QString> askPassword(QWidget* parent, const QString& current);

    static QSize clientSize() { return {217, 63}; }
    static constexpr int kPasswordLength = 20;

private:
    QLineEdit* edPas_;
};

} // namespace folianto::app
