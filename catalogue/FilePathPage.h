#pragma once
// The page `ShFile` of `FormTopic` ("Замена (удаление) путей в файловых ссылках"): the mode
// of the group path command (left part or whole folder), the current row's folder, and the
// fields of each mode. "OK" gives back what the rewrite needs.

#include "catalogue/PathRewrite.h"

#include <QObject>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace folianto::catalogue {

class FilePathPage : public QObject {
    Q_OBJECT
public:
    explicit FilePathPage(QWidget* page);

    using Values = PathRewrite;
    static QString name() { return QStringLiteral("ShFile"); }
    static QString caption() { return QStringLiteral("Замена (удаление) путей в файловых ссылках"); }
    // Shows the folder of the current row's link; the whole-path mode selected.
    void setValues(const PathRewrite& values);
    PathRewrite values() const;

    // `PanLeft` shown in the left-part mode, `PanDst` in the whole-path mode.
    void RgFilesClick();
    // "<----": the selection of `EdPathSrc`, when it starts at the first character, moves into
    // `EdLeftSrc` at its caret.
    void ButCutLeftClick();

    QRadioButton* RgLeft() const { return rgLeft_; }
    QRadioButton* RgWhole() const { return rgWhole_; }
    QLineEdit* EdPathSrc() const { return edPathSrc_; }
    QWidget* PanLeft() const { return panLeft_; }
    QLineEdit* EdLeftSrc() const { return edLeftSrc_; }
    QPushButton* ButCutLeft() const { return butCutLeft_; }
    QLineEdit* EdLeftDst() const { return edLeftDst_; }
    QCheckBox* ChLeft() const { return chLeft_; }
    QWidget* PanDst() const { return panDst_; }
    QLineEdit* EdPathDst() const { return edPathDst_; }

private:
    QRadioButton* rgLeft_;
    QRadioButton* rgWhole_;
    QLineEdit* edPathSrc_;
    QWidget* panLeft_;
    QLineEdit* edLeftSrc_;
    QPushButton* butCutLeft_;
    QLineEdit* edLeftDst_;
    QCheckBox* chLeft_;
    QWidget* panDst_;
    QLineEdit* edPathDst_;
};

} // namespace folianto::catalogue
