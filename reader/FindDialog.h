#pragma once
// The find dialog `FindDlg`: modeless, with the text to find, whole word, match case and the
// direction (down at first). It keeps its options while the program runs; "Найти далее"
// asks for the next match (findNext), "Отмена" and its own close only hide it.

#include "reader/TextFind.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace folianto::reader {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    FindRequest request() const;
    void setFindText(const QString& text);
    void setDirectionShown(bool shown);
    bool directionShown() const;

    // The controls, for tests.
    QLineEdit& findEdit() { return *edit_; }
    QCheckBox& wholeWordBox() { return *wholeWord_; }
    QCheckBox& matchCaseBox() { return *matchCase_; }
    QRadioButton& upButton() { return *up_; }
    QRadioButton& downButton() { return *down_; }
    QPushButton& findNextButton() { return *next_; }

Q_SIGNALS:
    void findNext(); // `FindDlgFind`

private:
    QLineEdit* edit_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QGroupBox* direction_;
    QRadioButton* up_;
    QRadioButton* down_;
    QPushButton* next_;
};

} // namespace folianto::reader
