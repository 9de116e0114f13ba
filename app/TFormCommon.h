#pragma once
// The small dialog `FormCommon`, in one of two modes. The about box ("&О..."): the program's
// icon `Image1`, its title on the panel `PanName` and two link labels, the project's mail and
// web addresses; no buttons. The password mode ("&X-Files..."): the edit `EdPas` for the
// archive password, at most 20 characters shown as "*"; Enter is OK, Escape Cancel.

#include <QDialog>
#include <optional>

class QLabel;
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

    // Switches to the about mode.
    void showAboutMode();
    static void showAbout(QWidget* parent);
    QLabel* Image1() const { return image1_; }
    QLabel* PanName() const { return panName_; }

    static QSize clientSize() { return {217, 63}; }
    static QString mailAddress() { return QStringLiteral("folianto@example.org"); }
    static QString webAddress() { return QStringLiteral("https://folianto.example.org"); }
    static constexpr int kPasswordLength = 20;

private:
    QLineEdit* edPas_;
    QLabel* image1_;
    QLabel* panName_;
};

} // namespace folianto::app
