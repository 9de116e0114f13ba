#include "reader/ReadingViews.h"

#include "engines/textview/UpdatesSuspended.h"

#include <QTextBlock>
#include <algorithm>

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
    showFastText(text, LineStarts::ofText(text));
}

void ReadingViews::showFastText(const QString& text, LineStarts lines)
{
    lines_ = std::move(lines);
    plainText_ = true;
    fastInUse_ = true;
    setCurrentWidget(fast_);
    fast_->clearText();
    fast_->loadText(text);
}

void ReadingViews::showRichText(const QString& text)
{
    showRichText(text, LineStarts::ofText(text));
}

void ReadingViews::showRichText(const QString& text, LineStarts lines)
{
    lines_ = std::move(lines);
    plainText_ = true;
    fastInUse_ = false;
    setCurrentWidget(rich_);
    rich_->loadPlainText(text);
}

void ReadingViews::showRichRtf(const QByteArray& rtf)
{
    lines_ = LineStarts();
    plainText_ = false;
    fastInUse_ = false;
    setCurrentWidget(rich_);
    rich_->loadRtf(rtf);
}

void ReadingViews::showRichDocument(const std::function<void(QTextDocument&)>& fill)
{
    lines_ = LineStarts();
    plainText_ = false;
    fastInUse_ = false;
    setCurrentWidget(rich_);
    rich_->loadDocument(fill);
}

void ReadingViews::clearViews()
{
    fast_->clearText();
    rich_->clearText();
    lines_ = LineStarts();
}

// Each line of a plain text is one block of the view's document; within a line, one
// character of the view stands for one unit of the line map (a byte or a UTF-16 unit).
qint64 ReadingViews::offsetOfIndex(const QTextDocument& doc, int index) const
{
    if (!plainText_)
        return index;
    const QTextBlock block = doc.findBlock(index);
    if (!block.isValid())
        return lines_.size();
    const int line = block.blockNumber();
    return lines_.lineStart(line) + std::min<qint64>(index - block.position(), lines_.lineLength(line));
}

int ReadingViews::indexOfOffset(const QTextDocument& doc, qint64 offset) const
{
    const int end = doc.characterCount() - 1;
    if (!plainText_)
        return int(std::clamp<qint64>(offset, 0, end));
    const int line = lines_.lineAt(offset);
    const QTextBlock block = doc.findBlockByNumber(line);
    if (line < 0 || !block.isValid())
        return end;
    const qint64 column = std::min<qint64>(offset - lines_.lineStart(line), block.length() - 1);
    return block.position() + int(column);
}

qint64 ReadingViews::topLinePosition() const
{
    if (fastInUse_)
        return offsetOfIndex(*fast_->document(), fast_->document()->findBlockByNumber(fast_->topLine()).position());
    return offsetOfIndex(*rich_->document(), rich_->firstVisibleLinePosition());
}

qint64 ReadingViews::selectionStartPosition() const
{
    if (fastInUse_)
        return offsetOfIndex(*fast_->document(), fast_->textCursor().selectionStart());
    return offsetOfIndex(*rich_->document(), rich_->selectionStart());
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
    const QTextBlock line = fast_->document()->findBlockByNumber(lines_.lineAt(q));
    if (line.isValid()) { // an offset beyond the text leaves the caret where it is
        QTextCursor c = fast_->textCursor();
        c.setPosition(line.position());
        fast_->setTextCursor(c);
    }
    fast_->setTopLine(fast_->textCursor().blockNumber());
}

void ReadingViews::restoreRichPosition(qint64 q)
{
    if (rich_->document()->isEmpty())
        return;
    UpdatesSuspended suspended(rich_);
    rich_->setCaretPosition(indexOfOffset(*rich_->document(), q));
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

void ReadingViews::applyLook(const ReadingLook& look)
{
    fast_->setFont(look.fastFont);
    if (rich_->font() != look.richFont) {
        const int caret = rich_->caretPosition();
        UpdatesSuspended suspended(rich_);
        rich_->setFont(look.richFont);
        rich_->setCaretPosition(caret);
    }
    const std::pair<QWidget*, QColor> views[] = {{fast_, look.fastText}, {rich_, look.richText}};
    for (const auto& [view, text] : views) {
        QPalette palette = view->palette();
        if (look.background.isValid())
            palette.setColor(QPalette::Base, look.background);
        if (text.isValid())
            palette.setColor(QPalette::Text, text);
        view->setPalette(palette);
    }
}

ReadingLook ReadingViews::look() const
{
    return {fast_->font(), rich_->font(), rich_->palette().color(QPalette::Base),
            fast_->palette().color(QPalette::Text), rich_->palette().color(QPalette::Text)};
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
