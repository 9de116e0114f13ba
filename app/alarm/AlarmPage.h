#pragma once
// The page `ShAlarm` of `FormTopic` ("&Будильник..."): the hour and minute of today's alarm,
// each an edit with its up-down control, and the file the alarm plays or opens.

#include <QObject>
#include <QString>

class QKeyEvent;
class QLineEdit;
class QPushButton;
class QWidget;

namespace folianto::app {

class UpDown;

struct AlarmSetting {
    int hour = 0;   // 0 to 23
    int minute = 0; // 0 to 59
    QString file;   // `FAlarm`
};

class AlarmPage : public QObject {
    Q_OBJECT
public:
    explicit AlarmPage(QWidget* page);

    using Values = AlarmSetting;
    static QString name() { return QStringLiteral("ShAlarm"); }
    static QString caption();           // "Будильник"
    static QString fileDialogCaption(); // the browse button's open dialog
    static QString fileDialogFilter();

    void setValues(const AlarmSetting& values);
    AlarmSetting values() const;

    QLineEdit* EdH() const { return edH_; }
    QLineEdit* EdM() const { return edM_; }
    UpDown* UdH() const { return udH_; }
    UpDown* UdM() const { return udM_; }
    QLineEdit* EdAlarm() const { return edAlarm_; }
    QPushButton* ButAlarm() const { return butAlarm_; }

    // Key press in `EdH` or `EdM`: true when the key is discarded (a printable non-digit).
    static bool EdHKeyPress(const QKeyEvent& key);
    // Key release: a number above the edit's limit (its tag) becomes "0".
    static void EdHKeyUp(QLineEdit& edit);
    void ButAlarmClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* timeEdit(QWidget* page, const char* name, int limit);

    QWidget* page_;
    QLineEdit* edH_;
    QLineEdit* edM_;
    UpDown* udH_;
    UpDown* udM_;
    QLineEdit* edAlarm_;
    QPushButton* butAlarm_;
};

} // namespace folianto::app
