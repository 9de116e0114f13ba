#pragma once
// The controls of the book card (page `ShCard`) and the coupling of the opening mode with the
// decoding: the external program excludes Word conversion and the decoding, "- > RTF" and
// "- >TXT" exclude each other. The page knows nothing of the row; BookCard fills and reads it.

#include <QStringList>
#include <QWidget>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;

namespace folianto::catalogue {

class BookCardPage : public QWidget {
    Q_OBJECT
public:
    explicit BookCardPage(QWidget* parent = nullptr);

    QLineEdit* DBEBook = nullptr;
    QLineEdit* DBEAuthor = nullptr;
    QComboBox* CbTop = nullptr;
    QToolButton* ButTopic = nullptr;
    QPlainTextEdit* DBMComment = nullptr;
    QPlainTextEdit* DBMFile = nullptr;
    QToolButton* ButFile = nullptr;
    QToolButton* ButZip = nullptr;
    QComboBox* CbArc = nullptr;
    QGroupBox* RgChar = nullptr;
    QGroupBox* GrWord = nullptr;
    QCheckBox* ChRtf = nullptr; // tag 2
    QCheckBox* ChTxt = nullptr; // tag 1
    QCheckBox* ChAlter = nullptr;
    QProgressBar* Prb = nullptr;
    QLabel* ImText = nullptr;
    QLabel* ImWord = nullptr;

    // `RgChar`'s item: 0 "auto", 1 "DOS", 2 "KOI", 3 "WIN", 4 "UTF" (UTF-8 or UTF-16). Setting it runs ChRtfClick as a
    // click would.
    int decoding() const;
    void setDecoding(int item);
    QWidget* decodingItem(int item) const;

    // `CbTop`: a drop-down box with these topics, or a plain box without a list (nullopt).
    void setTopicList(const std::optional<QStringList>& topics);
    bool topicDropDown() const { return topicDropDown_; }
    QString topicText() const;
    void setTopicText(const QString& text);

    // `DBMFile` in the normal text colour (the file was found) or in red.
    void setLinkText(const QString& text);
    void setFileFound(bool found);
    bool fileFound() const { return fileFound_; }

    // The coupling handlers. `sender` is RgChar, ChRtf or ChTxt.
    void ChAlterClick();
    void ChRtfClick(QObject* sender);

Q_SIGNALS:
    // Enter in the comment (`DBMCommentKeyPress`): the key is consumed.
    void commentEnterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();

    QButtonGroup* decodingButtons_ = nullptr;
    bool topicDropDown_ = false;
    bool fileFound_ = true;
};

} // namespace folianto::catalogue
