#pragma once
// The page `ShDef` of `FormTopic` ("Работа с файлами"): the extension mask of the folder and
// drop import with its buttons, `ChScan`, the new-record defaults, the four group-add check
// boxes, the external program with its browse button and `ChArc`. It takes a FileDefaults in
// and gives one back.

#include "exchange/FileDefaults.h"

#include <QObject>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace folianto::exchange {

class FileDefaultsPage : public QObject {
    Q_OBJECT
public:
    // Fills the (empty) page with its controls.
    explicit FileDefaultsPage(QWidget* page);

    using Values = FileDefaults;
    static QString name() { return QStringLiteral("ShDef"); }
    static QString caption();       // "Работа с файлами"
    static QString maskCaption();   // the input box of "Добавить расширение..."
    static QString maskPrompt();
    static QString alreadyThere();  // "Уже есть"

    void setValues(const FileDefaults& values);
    FileDefaults values() const;

    QListWidget* LbExt() const { return lbExt_; }
    QPushButton* ButAddExt() const { return butAddExt_; }
    QPushButton* ButExtDel() const { return butExtDel_; }
    QPushButton* ButExtClear() const { return butExtClear_; }
    QPushButton* ButProg() const { return butProg_; }
    QCheckBox* ChScan() const { return chScan_; }
    QLineEdit* EdAuthor() const { return edAuthor_; }
    QLineEdit* EdTopic() const { return edTopic_; }
    QLineEdit* EdProg() const { return edProg_; }

    void ButAddExtClick();
    void ButExtDelClick();
    void ButExtClearClick();
    void ButProgClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override; // Delete in `LbExt`

private:
    void updateExtButtons();

    QListWidget* lbExt_;
    QPushButton* butAddExt_;
    QPushButton* butExtDel_;
    QPushButton* butExtClear_;
    QCheckBox* chScan_;
    QLineEdit* edAuthor_;
    QLineEdit* edTopic_;
    QCheckBox* chImpExt_;
    QCheckBox* chImpFolder_;
    QCheckBox* chImpPath_;
    QCheckBox* chImpDate_;
    QCheckBox* chFb2Desc_;
    QLineEdit* edProg_;
    QPushButton* butProg_;
    QCheckBox* chArc_;
};

} // namespace folianto::exchange
