#pragma once
// The two reading views of the book panel, one above the other: the fast view `ReFast` for
// plain text and the rich view `ReRich` for plain text or RTF. One of them shows the open
// book; the window only places this widget, gives both views their pop-up menu and
// connects caretMoved / caretPositionShown to the status bar.

#include "engines/textview/FastTextView.h"
#include "reader/LineStarts.h"
#include "reader/ReadingLook.h"
#include "reader/RichReadingView.h"

#include <QStackedWidget>

namespace folianto::reader {

class ReadingViews : public QStackedWidget {
    Q_OBJECT
public:
    explicit ReadingViews(QWidget* parent = nullptr);

    textview::FastTextView& fastView() { return *fast_; }
    RichReadingView& richView() { return *rich_; }
    const textview::FastTextView& fastView() const { return *fast_; }
    const RichReadingView& richView() const { return *rich_; }

    // `FastViewInUse`: which view holds the book, fixed by the last show* call.
    bool fastViewInUse() const { return fastInUse_; }
    QWidget* viewInUse() const;

    // Bring a view to the front and fill it. A plain text comes with where its lines begin
    // in the bytes it was read from; without them, offsets count the characters of the text
    // as decoded (line breaks included), which the loader maps to the file's bytes.
    void showFastText(const QString& text);
    void showFastText(const QString& text, LineStarts lines);
    void showRichText(const QString& text);
    void showRichText(const QString& text, LineStarts lines);
    void showRichRtf(const QByteArray& rtf);
    void showRichDocument(const std::function<void(QTextDocument&)>& fill);
    void clearViews();

    // Positions in the text of the view in use: for a plain text the offset in what was read
    // (its bytes, or its decoded characters), the same in both views and whatever the line
    // ends; for RTF and FictionBook the rich view's own character index.
    // Puts the view at position q and scrolls its line to the top.
    void restorePosition(qint64 q);
    // The position of the first line on screen, and of the selection's start.
    qint64 topLinePosition() const;
    qint64 selectionStartPosition() const;
    void focusViewInUse();

    // The fonts and the shared background: the saved look at start-up, and the font and
    // colour commands. The rich view keeps its caret through a change of font.
    void applyLook(const ReadingLook& look);
    ReadingLook look() const;

    // "line : column" of the caret in the view that has the focus; empty when neither has.
    QString caretPositionText() const;

public Q_SLOTS:
    // `ShowCaretPosition`: emits caretPositionShown when one of the views has the focus.
    void showCaretPosition();

Q_SIGNALS:
    void caretMoved();                             // in either view
    void caretPositionShown(const QString& text);  // for the fifth status-bar panel

private:
    void restoreFastPosition(qint64 q);
    void restoreRichPosition(qint64 q);
    // A plain text's byte offset at a character index of the view in use, and back.
    qint64 offsetOfIndex(const QTextDocument& doc, int index) const;
    int indexOfOffset(const QTextDocument& doc, qint64 offset) const;

    LineStarts lines_;
    bool plainText_ = true;

    textview::FastTextView* fast_;
    RichReadingView* rich_;
    bool fastInUse_ = false;
};

} // namespace folianto::reader
