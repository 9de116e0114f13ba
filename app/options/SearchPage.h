#pragma once
// The page `ShSearch` of `FormTopic`: how a book's file is looked for when its stored link
// fails, with the substitution path shown in the panel `St`.

#include <QObject>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace folianto::app {

// What the page shows and gives back on "OK".
struct SearchConditions {
    QString substPath; // `Subst_Path`
    bool subDirs = false;    // `ChSubDirs`
    bool writeFound = false; // `ChWrite`
};

class SearchPage : public QObject {
    Q_OBJECT
public:
    // Fills the (empty) page with its controls.
    explicit SearchPage(QWidget* page);

    using Values = SearchConditions;
    static QString name() { return QStringLiteral("ShSearch"); }
    static QString caption();       // "Условия поиска файла"
    static QString browserTitle();  // "Выбор пути для поиска: "

    void setValues(const SearchConditions& values);
    SearchConditions values() const;
    QCheckBox* ChSubDirs() const { return chSubDirs_; }
    QCheckBox* ChWrite() const { return chWrite_; }
    QLabel* St() const { return st_; }
    QPushButton* ButPath() const { return butPath_; }
    QPushButton* ButDelSubst() const { return butDelSubst_; }

    // The folder browser; a chosen folder becomes the path, with a trailing separator.
    void ButPathClick();
    void ButDelSubstClick();

private:
    QLabel* st_;
    QPushButton* butPath_;
    QPushButton* butDelSubst_;
    QCheckBox* chSubDirs_;
    QCheckBox* chWrite_;
};

} // namespace folianto::app
