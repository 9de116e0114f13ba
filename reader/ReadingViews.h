#pragma once
// The two reading views of the book panel, one above the other: the fast view `ReFast` for
// plain text and the rich view `ReRich` for plain text or RTF. One of them shows the open
// book; the window only places this widget, gives both views their pop-up menu and
// connects caretMoved / caretPositionShown to the status bar.

#include "engines/textview/FastTextView.h"
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

    // Bring a view to the front and fill it.
    void showFastText(const QString& text);
    void showRichText(const QString& text);
    void showRichRtf(const QByteArray& rtf);
    void showRichDocument(const std::function<void(QTextDocument&)>& fill);
    void clearViews();

    // Puts the view in use at offset q of its text (fast view: lines counted with their
    // length + 2; rich view: its character index) and scrolls that line to the top.
    void restorePosition(qint64 q);
    void focusViewInUse();

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

    textview::FastTextView* fast_;
    RichReadingView* rich_;
    bool fastInUse_ = false;
};

} // namespace folianto::reader
