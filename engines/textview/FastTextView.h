#pragma once
// A read-only plain-text view for big texts: no undo, filled with its updates suspended.
//
// Offsets into the shown text count every line with its length plus 2, as if each line
// ended with CR LF, whatever line breaks the loaded text had. Nothing here knows about books.

#include <QPlainTextEdit>
#include <optional>

namespace folianto::textview {

struct LineColumn {
    int line = 0;   // from 0
    int column = 0; // from 0
    bool operator==(const LineColumn&) const = default;
};

class FastTextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit FastTextView(QWidget* parent = nullptr);

    // Replaces the text; the caret ends at offset 0 and the first line is on top.
    void loadText(const QString& text);
    void clearText();

    int lineCount() const;  // lines of the text (an empty text has one empty line)
    qint64 textLength() const; // offsets run from 0 to this, inclusive

    // Offset arithmetic (lines counted with their length + 2).
    qint64 lineStartOffset(int line) const;
    qint64 offsetOfDocumentPosition(int position) const;
    // The line and column at an offset; nullopt when the offset lies beyond the text.
    // An offset inside a line break counts as the end of that line.
    std::optional<LineColumn> lineColumnAt(qint64 offset) const;

    qint64 caretOffset() const;
    qint64 selectionStartOffset() const;
    LineColumn caretLineColumn() const;
    // Puts the caret (and an empty selection) at the offset; false, leaving the caret
    // where it is, when the offset lies beyond the text.
    bool setCaretOffset(qint64 offset);
    void moveCaretToLineStart();

    // The line shown at the top of the window, and scrolling a line there (as far as the
    // scroll range allows at the end of the text).
    int topLine() const;
    void setTopLine(int line);

private:
    int documentPosition(LineColumn lc) const;
};

} // namespace folianto::textview
