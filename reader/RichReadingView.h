#pragma once
// The rich reading view `ReRich`: read-only, wrapping, with a vertical scroll bar, showing
// plain text or a document read from RTF. Positions are the view's own character indexes;
// lines are the lines on screen (a wrapped paragraph has several).

#include <QTextEdit>
#include <functional>

namespace folianto::reader {

struct ScreenLineColumn {
    int line = 0;   // screen line in the whole text, from 0
    int column = 0; // from 0, within that screen line
};

class RichReadingView : public QTextEdit {
    Q_OBJECT
public:
    explicit RichReadingView(QWidget* parent = nullptr);

    // Both fill the view with its painting and change signals suspended.
    void loadPlainText(const QString& text);
    void loadRtf(const QByteArray& rtf);
    // Lets `fill` build the document (an FB2 book, say), with the same preparation.
    void loadDocument(const std::function<void(QTextDocument&)>& fill);
    // The width a picture may take without a horizontal scroll.
    int pictureWidth() const;
    void clearText();

    int textLength() const; // character indexes run from 0 to this, inclusive
    int caretPosition() const { return textCursor().position(); }
    int selectionStart() const { return textCursor().selectionStart(); }
    void setCaretPosition(int position); // clamped into the text
    ScreenLineColumn caretLineColumn() const;

    // Scrolls the caret's screen line to the top (as far as the scroll range allows).
    void scrollCaretLineToTop();
    bool caretAtLineStart() const;
    // The index of the first character of the first screen line visible at the top.
    int firstVisibleLinePosition() const;

private:
    void prepareForLoad();
};

} // namespace folianto::reader
