#include "reader/RichReadingView.h"

#include "engines/rtf/RtfReader.h"
#include "engines/textview/UpdatesSuspended.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace folianto::reader {

using textview::UpdatesSuspended;

namespace {

constexpr int kTextLeftEdge = 10; // pixels from the view's left edge to the text

// The screen line holding a position, with its layout made first.
QTextLine screenLineAt(const QTextDocument& doc, const QTextBlock& block, int positionInBlock)
{
    doc.documentLayout()->blockBoundingRect(block); // lays the text out up to this block
    return block.layout()->lineForTextPosition(positionInBlock);
}

} // namespace

RichReadingView::RichReadingView(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichReadingView::prepareForLoad()
{
    document()->setDefaultFont(font());
    setViewportMargins(std::max(0, kTextLeftEdge - int(document()->documentMargin())), 0, 0, 0);
}

void RichReadingView::loadPlainText(const QString& text)
{
    UpdatesSuspended suspended(this);
    const QSignalBlocker blocker(this);
    prepareForLoad();
    setPlainText(text);
}

void RichReadingView::loadRtf(const QByteArray& rtf)
{
    loadDocument([&](QTextDocument& doc) { rtf::readRtfInto(rtf, doc); });
}

void RichReadingView::loadDocument(const std::function<void(QTextDocument&)>& fill)
{
    UpdatesSuspended suspended(this);
    const QSignalBlocker blocker(this);
    prepareForLoad();
    fill(*document());
    setTextCursor(QTextCursor(document()));
}

int RichReadingView::pictureWidth() const
{
    constexpr int kNarrowest = 200; // a view not laid out yet
    const int margins = 2 * int(document()->documentMargin()) + verticalScrollBar()->sizeHint().width();
    return std::max(kNarrowest, viewport()->width() - margins);
}

void RichReadingView::clearText()
{
    UpdatesSuspended suspended(this);
    clear();
}

int RichReadingView::textLength() const
{
    return document()->characterCount() - 1;
}

void RichReadingView::setCaretPosition(int position)
{
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(position, 0, textLength()));
    setTextCursor(c);
}

ScreenLineColumn RichReadingView::caretLineColumn() const
{
    const QTextCursor c = textCursor();
    const QTextBlock block = c.block();
    const QTextLine line = screenLineAt(*document(), block, c.positionInBlock());
    int before = 0;
    for (QTextBlock b = document()->begin(); b.isValid() && b != block; b = b.next())
        before += std::max(1, b.layout()->lineCount());
    if (!line.isValid())
        return ScreenLineColumn{before, c.positionInBlock()};
    return ScreenLineColumn{before + line.lineNumber(), c.positionInBlock() - line.textStart()};
}

bool RichReadingView::caretAtLineStart() const
{
    const QTextCursor c = textCursor();
    const QTextLine line = screenLineAt(*document(), c.block(), c.positionInBlock());
    return !line.isValid() || c.positionInBlock() == line.textStart();
}

void RichReadingView::scrollCaretLineToTop()
{
    const QTextCursor c = textCursor();
    const QTextBlock block = c.block();
    const QTextLine line = screenLineAt(*document(), block, c.positionInBlock());
    const bool firstLine = block == document()->begin() && (!line.isValid() || line.lineNumber() == 0);
    if (firstLine) {
        verticalScrollBar()->setValue(0);
        return;
    }
    const qreal top = document()->documentLayout()->blockBoundingRect(block).top() + (line.isValid() ? line.y() : 0);
    verticalScrollBar()->setValue(int(top));
}

int RichReadingView::firstVisibleLinePosition() const
{
    const QPointF topLeft(0, verticalScrollBar()->value() + 1);
    const int position = std::max(0, document()->documentLayout()->hitTest(topLeft, Qt::FuzzyHit));
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid())
        return 0;
    const QTextLine line = screenLineAt(*document(), block, position - block.position());
    return block.position() + (line.isValid() ? line.textStart() : 0);
}

} // namespace folianto::reader
