// The fast view's offset arithmetic: every line counts its length plus 2.
#include "engines/textview/FastTextView.h"

#include <QScrollBar>
#include <gtest/gtest.h>

using folianto::textview::FastTextView;
using folianto::textview::LineColumn;

namespace {

QString numberedLines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("Строка номер %1\r\n").arg(i);
    return text;
}

} // namespace

TEST(FastTextView, IsReadOnlyWithoutUndo)
{
    FastTextView view;
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_FALSE(view.isUndoRedoEnabled());
    view.loadText(QStringLiteral("abc"));
    EXPECT_FALSE(view.document()->isUndoAvailable());
    EXPECT_TRUE(view.updatesEnabled());
}

TEST(FastTextView, CrLfTextOffsetsAreByteOffsets)
{
    // "abc\r\nde\r\n\r\nf": the lines start at the bytes 0, 5, 9 and 11; 12 bytes in all.
    FastTextView view;
    view.loadText(QStringLiteral("abc\r\nde\r\n\r\nf"));
    ASSERT_EQ(view.lineCount(), 4);
    EXPECT_EQ(view.lineStartOffset(0), 0);
    EXPECT_EQ(view.lineStartOffset(1), 5);
    EXPECT_EQ(view.lineStartOffset(2), 9);
    EXPECT_EQ(view.lineStartOffset(3), 11);
    EXPECT_EQ(view.textLength(), 12);

    struct Case { qint64 offset; std::optional<LineColumn> expected; };
    const Case cases[] = {
        {0, LineColumn{0, 0}},   {3, LineColumn{0, 3}},  {4, LineColumn{0, 3}}, // inside CR LF
        {5, LineColumn{1, 0}},   {6, LineColumn{1, 1}},  {9, LineColumn{2, 0}},
        {10, LineColumn{2, 0}},  {11, LineColumn{3, 0}}, {12, LineColumn{3, 1}},
        {13, std::nullopt},      {-1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(view.lineColumnAt(c.offset), c.expected) << "offset " << c.offset;
}

TEST(FastTextView, OtherLineBreaksCountTwoAsWell)
{
    struct Case { QString text; int lines; qint64 secondLineStart; qint64 length; };
    const Case cases[] = {
        {QStringLiteral("abc\nde"), 2, 5, 7},
        {QStringLiteral("abc\rde"), 2, 5, 7},
        {QStringLiteral("abc\r\n"), 2, 5, 5},
        {QStringLiteral("abc"), 1, 3, 3},
    };
    for (const Case& c : cases) {
        FastTextView view;
        view.loadText(c.text);
        EXPECT_EQ(view.lineCount(), c.lines) << qPrintable(c.text);
        EXPECT_EQ(view.lineStartOffset(1), c.secondLineStart) << qPrintable(c.text);
        EXPECT_EQ(view.textLength(), c.length) << qPrintable(c.text);
    }
}

TEST(FastTextView, CaretOffsetRoundTrips)
{
    FastTextView view;
    view.loadText(QStringLiteral("Первая\r\nвторая строка\r\nтретья"));
    EXPECT_EQ(view.caretOffset(), 0);
    for (qint64 offset : {0, 6, 8, 12, 21, 23, 29}) {
        ASSERT_TRUE(view.setCaretOffset(offset)) << offset;
        EXPECT_EQ(view.caretOffset(), offset);
        EXPECT_EQ(view.selectionStartOffset(), offset);
    }
    ASSERT_TRUE(view.setCaretOffset(12));
    EXPECT_EQ(view.caretLineColumn(), (LineColumn{1, 4}));
    view.moveCaretToLineStart();
    EXPECT_EQ(view.caretOffset(), 8);

    // Beyond the text: refused, the caret stays.
    EXPECT_FALSE(view.setCaretOffset(30));
    EXPECT_EQ(view.caretOffset(), 8);
}

TEST(FastTextView, LoadingPutsTheCaretAndTheTopBackToTheStart)
{
    FastTextView view;
    view.resize(400, 300);
    view.show();
    view.loadText(numberedLines(2000));
    view.setTopLine(700);
    ASSERT_EQ(view.topLine(), 700);
    view.loadText(numberedLines(50));
    EXPECT_EQ(view.caretOffset(), 0);
    EXPECT_EQ(view.topLine(), 0);
}

TEST(FastTextView, TopLineFollowsTheRequestedLine)
{
    FastTextView view;
    view.resize(400, 300);
    view.show();
    view.loadText(numberedLines(2000));
    for (int line : {1, 250, 1999 - 40, 3})
    {
        view.setTopLine(line);
        EXPECT_EQ(view.topLine(), line);
    }
    // The last line cannot go to the top: the view scrolls as far as it can.
    view.setTopLine(1999);
    EXPECT_GT(view.topLine(), 1900);
    EXPECT_LE(view.topLine(), 1999);
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
}
