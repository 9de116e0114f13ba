// The reading position of a plain-text book is the byte offset of the top line on screen in
// the book's file: the same in both views, whatever the line ends, whole and in parts, so
// that a book closed in one view reopens at the same line in the other.

#include "OpenBookFixture.h"

#include <QScrollBar>
#include <QTextBlock>

namespace folianto::test {
namespace {

namespace field = catalogue::field;

// Numbered lines of 30 to 60 bytes; `ending(i)` ends line i. starts[i] is where line i begins.
struct NumberedBook {
    QByteArray bytes;
    std::vector<qint64> starts;
};

NumberedBook numberedBook(int count, const std::function<QByteArray(int)>& ending)
{
    NumberedBook b;
    for (int i = 0; i < count; ++i) {
        b.starts.push_back(b.bytes.size());
        QByteArray line = "L" + QByteArray::number(i).rightJustified(5, '0') + ' ';
        while (line.size() < 30 + (i * 7) % 31)
            line += char('a' + (line.size() % 26));
        b.bytes += line + ending(i);
    }
    return b;
}

class ReadingPosition : public OpenBookTest {
protected:
    QString lineTag(int line) const { return QStringLiteral("L") + QString::number(line).rightJustified(5, u'0'); }

    // Scrolls the view in use so that the book's line is the first on screen.
    void scrollTo(int line)
    {
        QTextDocument* doc = views().fastViewInUse() ? views().fastView().document() : views().richView().document();
        const QTextBlock block = doc->find(lineTag(line)).block();
        ASSERT_TRUE(block.isValid()) << line;
        if (views().fastViewInUse()) {
            views().fastView().setTopLine(block.blockNumber());
        } else {
            views().richView().setCaretPosition(block.position());
            views().richView().scrollCaretLineToTop();
        }
    }
    // The text of the first line on screen.
    QString topLineText()
    {
        if (views().fastViewInUse())
            return views().fastView().document()->findBlockByNumber(views().fastView().topLine()).text();
        const int top = views().richView().firstVisibleLinePosition();
        return views().richView().document()->findBlock(top).text();
    }
    void readIn(bool fast)
    {
        QAction* a = form->command(QStringLiteral("mFastRead"));
        if (a->isChecked() != fast)
            a->trigger();
    }
};

TEST_F(ReadingPosition, IsTheByteOffsetOfTheTopLineInBothViewsWhateverTheLineEnds)
{
    const struct {
        const char* what;
        std::function<QByteArray(int)> ending;
    } endings[] = {
        {"CR LF", [](int) { return QByteArray("\r\n"); }},
        {"LF", [](int) { return QByteArray("\n"); }},
        {"CR", [](int) { return QByteArray("\r"); }},
        {"mixed", [](int i) { return QByteArray(i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r"); }},
    };
    // 700 lines of about 45 bytes: about 31 000 bytes, four parts of 8 000 when divided.
    for (const int partSize : {0, 8000}) {
        for (const auto& e : endings) {
            for (const bool fastFirst : {true, false}) {
                SCOPED_TRACE(std::string(e.what) + (partSize ? ", in parts" : ", whole")
                             + (fastFirst ? ", fast view first" : ", rich view first"));
                const NumberedBook b = numberedBook(700, e.ending);
                const QString path = book(QStringLiteral("book.txt"), b.bytes);
                startWith({{QStringLiteral("Книга"), {}, path}}, [&](settings::ProgramSettings& s) {
                    s.fastRead = fastFirst;
                    s.partSize = partSize;
                });
                const int line = 400; // in the third part, not its first line
                setField(QStringLiteral("Книга"), field::Pos, b.starts[line - 20]);
                open(QStringLiteral("Книга"));
                ASSERT_TRUE(form->bookOpen());
                EXPECT_TRUE(topLineText().startsWith(lineTag(line - 20)));
                scrollTo(line);
                trigger("TlBtClose");
                EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QString::number(b.starts[line]));
                EXPECT_EQ(value(QStringLiteral("Книга"), field::Percent),
                          QString::number(b.starts[line] * 100 / b.bytes.size()));

                // The other view: the same line on top, and the same position when closed again.
                readIn(!fastFirst);
                open(QStringLiteral("Книга"));
                ASSERT_TRUE(form->bookOpen());
                EXPECT_EQ(views().fastViewInUse(), !fastFirst);
                EXPECT_TRUE(topLineText().startsWith(lineTag(line))) << qPrintable(topLineText());
                trigger("TlBtClose");
                EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QString::number(b.starts[line]));
                form.reset();
            }
        }
    }
}

TEST_F(ReadingPosition, OddFilesReopenAtTheSameLine)
{
    QByteArray withNul = numberedBook(300, [](int) { return QByteArray("\r\n"); }).bytes;
    withNul[100] = '\0';
    const struct {
        const char* what;
        QByteArray bytes;
    } books[] = {
        {"LF only", numberedBook(300, [](int) { return QByteArray("\n"); }).bytes},
        {"CR only", numberedBook(300, [](int) { return QByteArray("\r"); }).bytes},
        {"a NUL in the middle", withNul},
        {"no line end at all", QByteArray(5000, 'x')},
        {"ends in a lone CR", numberedBook(300, [](int i) { return QByteArray(i == 299 ? "\r" : "\n"); }).bytes},
    };
    for (const auto& c : books) {
        for (const bool fast : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (fast ? ", fast view" : ", rich view"));
            const QString path = book(QStringLiteral("odd.txt"), c.bytes);
            startWith({{QStringLiteral("Книга"), {}, path}}, [&](settings::ProgramSettings& s) { s.fastRead = fast; });
            open(QStringLiteral("Книга"));
            ASSERT_TRUE(form->bookOpen());
            // Page down a few times, then close where the top line is.
            QScrollBar* bar = fast ? views().fastView().verticalScrollBar() : views().richView().verticalScrollBar();
            bar->setValue(bar->value() + 3 * bar->pageStep());
            const QString top = topLineText();
            trigger("TlBtClose");
            const qint64 pos = value(QStringLiteral("Книга"), field::Pos).toLongLong();
            EXPECT_GE(pos, 0);
            EXPECT_LE(pos, c.bytes.size());

            open(QStringLiteral("Книга"));
            ASSERT_TRUE(form->bookOpen());
            EXPECT_EQ(topLineText(), top);
            trigger("TlBtClose");
            EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos).toLongLong(), pos);

            // At the end: the file's size, whatever its last line end.
            open(QStringLiteral("Книга"));
            trigger("TlBtFin");
            EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos).toLongLong(), c.bytes.size());
            EXPECT_EQ(value(QStringLiteral("Книга"), field::Percent), QStringLiteral("100"));
            form.reset();
        }
    }
}

// A UTF-8 book ("U"): Cyrillic words of two bytes a letter, mixed line ends, a byte-order mark.
// Its position is a byte offset too, so that a line within a part or after many multibyte
// characters is found again in either view.
TEST_F(ReadingPosition, OfAUtf8BookIsTheByteOffsetOfTheTopLine)
{
    const QByteArray word = QStringLiteral("слово ").toUtf8();
    NumberedBook b;
    b.bytes = "\xEF\xBB\xBF";
    for (int i = 0; i < 600; ++i) {
        b.starts.push_back(b.bytes.size());
        b.bytes += "L" + QByteArray::number(i).rightJustified(5, '0') + ' ' + word.repeated(1 + i % 7);
        b.bytes += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
    }
    for (const int partSize : {0, 9000}) {
        for (const bool fastFirst : {true, false}) {
            SCOPED_TRACE(std::string(partSize ? "in parts" : "whole") + (fastFirst ? ", fast view first" : ", rich view first"));
            const QString path = book(QStringLiteral("utf8.txt"), b.bytes);
            startWith({{QStringLiteral("Книга"), {}, path}}, [&](settings::ProgramSettings& s) {
                s.fastRead = fastFirst;
                s.partSize = partSize;
            });
            const int line = 230; // with line - 30, well inside the second part when divided
            // A position inside a line of multibyte text opens at that line.
            setField(QStringLiteral("Книга"), field::Pos, b.starts[line - 30] + 11);
            open(QStringLiteral("Книга"));
            ASSERT_TRUE(form->bookOpen());
            EXPECT_EQ(value(QStringLiteral("Книга"), field::Oem), QStringLiteral("U"));
            EXPECT_TRUE(topLineText().startsWith(lineTag(line - 30))) << qPrintable(topLineText());
            scrollTo(line);
            trigger("TlBtClose");
            EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QString::number(b.starts[line]));

            readIn(!fastFirst);
            open(QStringLiteral("Книга"));
            ASSERT_TRUE(form->bookOpen());
            EXPECT_TRUE(topLineText().startsWith(lineTag(line))) << qPrintable(topLineText());
            trigger("TlBtClose");
            EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QString::number(b.starts[line]));

            open(QStringLiteral("Книга"));
            trigger("TlBtFin");
            EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos).toLongLong(), b.bytes.size());
            form.reset();
        }
    }
}

TEST_F(ReadingPosition, AnEmptyFileIsNotOpenedAndKeepsItsPosition)
{
    const QString path = book(QStringLiteral("empty.txt"), QByteArray());
    startWith({{QStringLiteral("Пустая"), {}, path}});
    setField(QStringLiteral("Пустая"), field::Pos, 0);
    ui.expectMessage(QStringLiteral("Файл пуст !"));
    open(QStringLiteral("Пустая"));
    EXPECT_FALSE(form->bookOpen());
    EXPECT_EQ(value(QStringLiteral("Пустая"), field::Pos), QStringLiteral("0"));
    EXPECT_EQ(value(QStringLiteral("Пустая"), field::Cur), QString());
}

} // namespace
} // namespace folianto::test
