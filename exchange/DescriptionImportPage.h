#pragma once
// The page `ShBBS` of `FormTopic`: the preview of a description file and how its lines split
// into fields, where the fields go, how the link is made and which lines are skipped or
// continue the line before. Every import starts from the page's initial state; OK gives the
// settings back.

#include "exchange/DescriptionImport.h"

#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace folianto::exchange {

class DescriptionImportPage : public QObject {
    Q_OBJECT
public:
    explicit DescriptionImportPage(QWidget* page);

    static QString caption(); // "Импорт из файла описаний"
    static constexpr int previewLimit = 60000;

    // The preview: at most the first 60,000 characters of the text.
    void setText(const QString& text);
    DescriptionSettings settings() const;

    // The visibility chain of the field selectors and separator edits.
    void EdFirstChange();

    QPlainTextEdit* MBBS() const { return mbbs_; }
    QComboBox* Cb(int n) const { return cb_[size_t(n - 1)]; }          // Cb1..Cb4
    QLineEdit* EdSeparator(int n) const { return ed_[size_t(n - 1)]; } // EdFirst, EdSecond, EdThird
    QLabel* Hint(int n) const { return hint_[size_t(n - 1)]; }         // the three pointers
    QRadioButton* RgFileItem(int n) const { return rg_[size_t(n)]; }  // 0..2
    QLineEdit* EdSkip1() const { return edSkip1_; }
    QLineEdit* EdSkip2() const { return edSkip2_; }
    QLineEdit* EdMerge() const { return edMerge_; }

private:
    QPlainTextEdit* mbbs_;
    std::array<QComboBox*, 4> cb_{};
    std::array<QLineEdit*, 3> ed_{};
    std::array<QLabel*, 3> hint_{};
    std::array<QRadioButton*, 3> rg_{};
    QLineEdit* edSkip1_;
    QLineEdit* edSkip2_;
    QLineEdit* edMerge_;
};

} // namespace folianto::exchange
