// The reading views: which one shows, the position restore with its top-line rule, and
// the caret text of the focused view.
#include "reader/ReadingViews.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

using folianto::reader::ReadingViews;

namespace {

// Long paragraphs, so that the rich view wraps each into several screen lines.
QString wrappingText(int paragraphs)
{
    QString text;
    for (int i = 0; i < paragraphs; ++i) {
        text += QStringLiteral("Абзац %1.").arg(i);
        for (int w = 0; w < 40; ++w)
            text += QStringLiteral(" слово");
        text += QLatin1Char('\n');
    }
    return text;
}

// The start of the second screen line of a paragraph.
int secondScreenLineStart(const QTextEdit& view, int paragraph)
{
    const QTextBlock block = view.document()->findBlockByNumber(paragraph);
    view.document()->documentLayout()->blockBoundingRect(block);
    EXPECT_GT(block.layout()->lineCount(), 1);
    return block.position() + block.layout()->lineAt(1).textStart();
}

class ReadingViewsTest : public ::testing::Test {
protected:
    ReadingViewsTest()
    {
        views.resize(500, 300);
        views.show();
    }
    ReadingViews views;
};

} // namespace

TEST_F(ReadingViewsTest, ShowsOneViewAtATime)
{
    EXPECT_EQ(views.fastView().objectName(), QStringLiteral("ReFast"));
    EXPECT_EQ(views.richView().objectName(), QStringLiteral("ReRich"));
    views.showFastText(QStringLiteral("быстро"));
    EXPECT_TRUE(views.fastViewInUse());
    EXPECT_EQ(views.currentWidget(), &views.fastView());
    EXPECT_EQ(views.viewInUse(), &views.fastView());
    views.showRichText(QStringLiteral("богато"));
    EXPECT_FALSE(views.fastViewInUse());
    EXPECT_EQ(views.currentWidget(), &views.richView());
    EXPECT_TRUE(views.richView().isReadOnly());
    EXPECT_EQ(views.richView().lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(views.richView().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(views.richView().updatesEnabled());
    views.clearViews();
    EXPECT_TRUE(views.fastView().document()->isEmpty());
    EXPECT_TRUE(views.richView().document()->isEmpty());
}

TEST_F(ReadingViewsTest, RichRestoreBringsTheCaretLineToTheTop)
{
    views.showRichText(wrappingText(200));
    auto& rich = views.richView();

    // At the start of a screen line: the caret stays and that line is the first visible one.
    const int lineStart = secondScreenLineStart(rich, 120);
    views.restorePosition(lineStart);
    EXPECT_EQ(rich.caretPosition(), lineStart);
    EXPECT_EQ(rich.firstVisibleLinePosition(), lineStart);

    // Inside a screen line: its line goes to the top and the caret moves one character back.
    views.restorePosition(lineStart + 5);
    EXPECT_EQ(rich.caretPosition(), lineStart + 4);
    EXPECT_EQ(rich.firstVisibleLinePosition(), lineStart);

    // Back at the start.
    views.restorePosition(0);
    EXPECT_EQ(rich.caretPosition(), 0);
    EXPECT_EQ(rich.verticalScrollBar()->value(), 0);

    // Beyond the text: the caret goes to the end.
    views.restorePosition(rich.textLength() + 1000);
    EXPECT_EQ(rich.caretPosition(), rich.textLength());
}

TEST_F(ReadingViewsTest, AnEmptyViewIsNotPositioned)
{
    views.showFastText(QString());
    views.restorePosition(500);
    EXPECT_EQ(views.fastView().caretOffset(), 0);
    views.showRichText(QString());
    views.restorePosition(500);
    EXPECT_EQ(views.richView().caretPosition(), 0);
}

TEST_F(ReadingViewsTest, CaretTextComesFromTheFocusedViewOnly)
{
    QStringList shown;
    QObject::connect(&views, &ReadingViews::caretPositionShown, [&](const QString& t) { shown << t; });
    views.showRichText(wrappingText(10));
    views.showCaretPosition();
    EXPECT_TRUE(shown.isEmpty()) << "neither view has the focus";

    // Rich view: screen lines, so the second line of the first paragraph is line 2.
    const int start = secondScreenLineStart(views.richView(), 0);
    views.restorePosition(start + 3);
    views.focusViewInUse();
    views.showCaretPosition();
    EXPECT_EQ(shown, QStringList{QStringLiteral("2 : 3")});

    // Fast view: text lines.
    shown.clear();
    views.showFastText(QStringLiteral("один\r\nдва\r\nтри"));
    views.restorePosition(11);
    views.fastView().setCaretOffset(13);
    views.focusViewInUse();
    views.showCaretPosition();
    EXPECT_EQ(shown, QStringList{QStringLiteral("3 : 3")});
}
