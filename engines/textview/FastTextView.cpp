#include "engines/textview/FastTextView.h"

#include "engines/textview/UpdatesSuspended.h"

#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

namespace folianto::textview {

FastTextView::FastTextView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    // Keep the caret visible in a read-only view: the reader moves it with the keys.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void FastTextView::loadText(const QString& text)
{
    UpdatesSuspended suspended(this);
    setPlainText(text);
    verticalScrollBar()->setValue(0);
}

void FastTextView::clearText()
{
    UpdatesSuspended suspended(this);
    clear();
}

int FastTextView::lineCount() const
{
    return document()->blockCount();
}

qint64 FastTextView::textLength() const
{
    // characterCount() counts each line break once and one final separator.
    return qint64(document()->characterCount()) - 1 + (document()->blockCount() - 1);
}

qint64 FastTextView::lineStartOffset(int line) const
{
    const QTextBlock b = document()->findBlockByNumber(line);
    if (!b.isValid())
        return textLength();
    return qint64(b.position()) + line;
}

qint64 FastTextView::offsetOfDocumentPosition(int position) const
{
    const QTextBlock b = document()->findBlock(position);
    return qint64(position) + (b.isValid() ? b.blockNumber() : document()->blockCount() - 1);
}

std::optional<LineColumn> FastTextView::lineColumnAt(qint64 offset) const
{
    if (offset < 0 || offset > textLength())
        return std::nullopt;
    // The last line whose start is at or before the offset: line starts grow with the line.
    int lo = 0;
    int hi = lineCount() - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (lineStartOffset(mid) <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = document()->findBlockByNumber(lo);
    const qint64 column = std::min<qint64>(offset - lineStartOffset(lo), b.length() - 1);
    return LineColumn{lo, int(column)};
}

int FastTextView::documentPosition(LineColumn lc) const
{
    return document()->findBlockByNumber(lc.line).position() + lc.column;
}

qint64 FastTextView::caretOffset() const
{
    return offsetOfDocumentPosition(textCursor().position());
}

qint64 FastTextView::selectionStartOffset() const
{
    return offsetOfDocumentPosition(textCursor().selectionStart());
}

LineColumn FastTextView::caretLineColumn() const
{
    const QTextCursor c = textCursor();
    return LineColumn{c.blockNumber(), c.positionInBlock()};
}

bool FastTextView::setCaretOffset(qint64 offset)
{
    const std::optional<LineColumn> lc = lineColumnAt(offset);
    if (!lc)
        return false;
    QTextCursor c = textCursor();
    c.setPosition(documentPosition(*lc));
    setTextCursor(c);
    return true;
}

void FastTextView::moveCaretToLineStart()
{
    QTextCursor c = textCursor();
    c.movePosition(QTextCursor::StartOfBlock);
    setTextCursor(c);
}

int FastTextView::topLine() const
{
    return firstVisibleBlock().blockNumber();
}

void FastTextView::setTopLine(int line)
{
    const QTextBlock b = document()->findBlockByNumber(line);
    if (b.isValid())
        verticalScrollBar()->setValue(b.firstLineNumber());
}

} // namespace folianto::textview
