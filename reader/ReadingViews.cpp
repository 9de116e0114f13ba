#include "reader/ReadingViews.h"

#include "engines/textview/UpdatesSuspended.h"

#include <limits>

namespace folianto::reader {

using textview::UpdatesSuspended;

namespace {

// A view holds the focus when it is the focus widget of its window (also while another
// program's window is active) and is not hidden behind the other view.
bool holdsFocus(const QWidget& view)
{
    if (view.isHidden())
        return false;
    return view.hasFocus() || view.window()->focusWidget() == &view;
}

QString lineColumnText(int line, int column)
{
    return QStringLiteral("%1 : %2").arg(line).arg(column);
}

} // namespace

ReadingViews::ReadingViews(QWidget* parent)
    : QStackedWidget(parent), fast_(new textview::FastTextView(this)), rich_(new RichReadingView(this))
{
    fast_->setObjectName(QStringLiteral("ReFast"));
    rich_->setObjectName(QStringLiteral("ReRich"));
    addWidget(rich_);
    addWidget(fast_);
    setCurrentWidget(rich_);
    connect(fast_, &QPlainTextEdit::cursorPositionChanged, this, &ReadingViews::caretMoved);
    connect(rich_, &QTextEdit::cursorPositionChanged, this, &ReadingViews::caretMoved);
}

QWidget* ReadingViews::viewInUse() const
{
    return fastInUse_ ? static_cast<QWidget*>(fast_) : static_cast<QWidget*>(rich_);
}

void ReadingViews::showFastText(const QString& text)
{
    fastInUse_ = true;
    setCurrentWidget(fast_);
    fast_->clearText();
    fast_->loadText(text);
}

void ReadingViews::showRichText(const QString& text)
{
    fastInUse_ = false;
    setCurrentWidget(rich_);
    rich_->loadPlainText(text);
}

void ReadingViews::showRichRtf(const QByteArray& rtf)
{
    fastInUse_ = false;
    setCurrentWidget(rich_);
    rich_->loadRtf(rtf);
}

void ReadingViews::showRichDocument(const std::function<void(QTextDocument&)>& fill)
{
    fastInUse_ = false;
    setCurrentWidget(rich_);
    rich_->loadDocument(fill);
}

void ReadingViews::clearViews()
{
    fast_->clearText();
    rich_->clearText();
}

void ReadingViews::restorePosition(qint64 q)
{
    if (fastInUse_)
        restoreFastPosition(q);
    else
        restoreRichPosition(q);
}

void ReadingViews::restoreFastPosition(qint64 q)
{
    if (fast_->document()->isEmpty())
        return;
    UpdatesSuspended suspended(fast_);
    fast_->setCaretOffset(q); // an offset beyond the text leaves the caret where it is
    fast_->moveCaretToLineStart();
    fast_->setTopLine(fast_->textCursor().blockNumber());
}

void ReadingViews::restoreRichPosition(qint64 q)
{
    if (rich_->document()->isEmpty())
        return;
    UpdatesSuspended suspended(rich_);
    rich_->setCaretPosition(int(std::clamp<qint64>(q, 0, std::numeric_limits<int>::max())));
    rich_->scrollCaretLineToTop();
    if (!rich_->caretAtLineStart())
        rich_->moveCursor(QTextCursor::PreviousCharacter);
}

void ReadingViews::focusViewInUse()
{
    QWidget* view = viewInUse();
    if (view->isEnabled() && view->focusPolicy() != Qt::NoFocus)
        view->setFocus(Qt::OtherFocusReason);
}

QString ReadingViews::caretPositionText() const
{
    if (holdsFocus(*fast_)) {
        const textview::LineColumn lc = fast_->caretLineColumn();
        return lineColumnText(lc.line + 1, lc.column + 1);
    }
    if (holdsFocus(*rich_)) {
        const ScreenLineColumn lc = rich_->caretLineColumn();
        return lineColumnText(lc.line + 1, lc.column + 1);
    }
    return QString();
}

void ReadingViews::showCaretPosition()
{
    const QString text = caretPositionText();
    if (!text.isEmpty())
        Q_EMIT caretPositionShown(text);
}

} // namespace folianto::reader
