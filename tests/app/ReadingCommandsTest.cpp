// The commands used while a book is shown: find in both views, the bookmark across books,
// saving, and pasting a selection into the book's row.

#include "OpenBookFixture.h"

#include "engines/codepage/CodePages.h"
#include "engines/table/AtomicFile.h"
#include "reader/FindDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace folianto::test {
namespace {

namespace field = catalogue::field;

QByteArray windows1251(const QString& text)
{
    return codepage::toCp1251(text);
}

class ReadingCommands : public OpenBookTest {
protected:
    // One book with `text`, opened in the fast view or the rich view.
    void openText(const QString& text, bool fast, const QString& name = QStringLiteral("a.txt"))
    {
        startWith({{QStringLiteral("Книга"), {}, book(name, windows1251(text))}});
        setField(QStringLiteral("Книга"), field::Oem, catalogue::oem::Win); // short texts: no detection
        form->command(QStringLiteral("mFastRead"))->setChecked(fast);
        open(QStringLiteral("Книга"));
        ASSERT_TRUE(form->bookOpen());
        ASSERT_EQ(views().fastViewInUse(), fast);
    }
    reader::ReadingCommands& reading() { return form->readerCommands().reading(); }
    QTextCursor cursor()
    {
        return views().fastViewInUse() ? views().fastView().textCursor() : views().richView().textCursor();
    }
    void setCursor(const QTextCursor& c)
    {
        if (views().fastViewInUse())
            views().fastView().setTextCursor(c);
        else
            views().richView().setTextCursor(c);
    }
    void selectRange(int from, int to)
    {
        QTextCursor c = cursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        setCursor(c);
    }
    void placeCaret(int at) { selectRange(at, at); }
    reader::FindDialog& findDialog()
    {
        trigger("mSearch");
        reader::FindDialog* d = reading().findDialog();
        EXPECT_TRUE(d && d->isVisible());
        return *d;
    }
};

// --- find ------------------------------------------------------------------------------------

struct FindCase {
    const char* name;
    bool fast;
    bool down;
    bool wholeWord;
    bool matchCase;
    int caret;
    std::vector<int> matches; // the starts of the matches found in turn, then "Not found"
};

TEST_F(ReadingCommands, FindSelectsEachMatchInTurnByTheViewsRules)
{
    // Offsets:    0    5  8    13       22   27
    const QString text = QStringLiteral("Кот и кот котлета; КОТ. кот");
    const FindCase cases[] = {
        {"fast down, any case, part of words", true, true, false, false, 0, {0, 6, 10, 19, 24}},
        {"fast down, whole word, case", true, true, true, true, 0, {6, 24}},
        {"fast up from the end, whole word", true, false, true, false, 27, {24, 19, 6, 0}},
        {"fast up, case", true, false, false, true, 27, {24, 10, 6}},
        {"rich down ignores the caret", false, true, true, false, 20, {0, 6, 19, 24}},
        {"rich up from the caret", false, false, false, false, 12, {6, 0}},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        openText(text, c.fast);
        placeCaret(c.caret);
        reader::FindDialog& dlg = findDialog();
        EXPECT_EQ(dlg.directionShown(), c.fast);
        dlg.findEdit().setText(QStringLiteral("кот"));
        dlg.wholeWordBox().setChecked(c.wholeWord);
        dlg.matchCaseBox().setChecked(c.matchCase);
        (c.down ? dlg.downButton() : dlg.upButton()).setChecked(true);
        for (int start : c.matches) {
            dlg.findNextButton().click();
            EXPECT_EQ(cursor().selectionStart(), start);
            EXPECT_EQ(cursor().selectionEnd(), start + 3);
        }
        ui.expectMessage(QStringLiteral("Not found"));
        dlg.findNextButton().click();
        ui.verifyAllConsumed();
        dlg.downButton().setChecked(true);
        dlg.hide();
        trigger("TlBtClose");
        form.reset();
    }
}

TEST_F(ReadingCommands, TheSelectionBecomesTheFindTextAndTheRichViewStartsAgainAfterAClick)
{
    openText(QStringLiteral("один два один три один"), false);
    selectRange(9, 13); // "один"
    reader::FindDialog& dlg = findDialog();
    EXPECT_EQ(dlg.findEdit().text(), QStringLiteral("один"));
    dlg.findNextButton().click();
    EXPECT_EQ(cursor().selectionStart(), 18);
    placeCaret(20); // a click: no selection
    dlg.findNextButton().click();
    EXPECT_EQ(cursor().selectionStart(), 0);
}

// --- the bookmark ----------------------------------------------------------------------------

TEST_F(ReadingCommands, TheBookmarkPointsToTheSameOffsetInTheNextBook)
{
    for (const bool fast : {true, false}) {
        SCOPED_TRACE(fast ? "fast view" : "rich view");
        startWith({{QStringLiteral("Первая"), {}, book(QStringLiteral("one.txt"), bookLines(50, 40))},
                   {QStringLiteral("Вторая"), {}, book(QStringLiteral("two.txt"), bookLines(50, 30, 100))}});
        form->command(QStringLiteral("mFastRead"))->setChecked(fast);
        open(QStringLiteral("Первая"));
        if (fast)
            views().fastView().setCaretOffset(400); // line 10 of 40-byte lines
        else
            views().richView().setCaretPosition(390);
        trigger("pmSetMark");
        const qint64 mark = reading().bookmarkPos();
        EXPECT_EQ(mark, fast ? 400 : 390);
        trigger("TlBtClose");
        open(QStringLiteral("Вторая"));
        trigger("mpGoToMark");
        if (fast)
            EXPECT_EQ(views().fastView().selectionStartOffset(), 400); // line 13, column 10
        else
            EXPECT_EQ(views().richView().caretPosition(), 390);
        EXPECT_FALSE(cursor().hasSelection());
        trigger("TlBtClose");
        form.reset();
    }
}

// --- paste into the record -------------------------------------------------------------------

TEST_F(ReadingCommands, APastedSelectionIsOneLineOfWords)
{
    openText(QStringLiteral("x \t Война\r\n\r\n  и\t\tмир  \r\ny"), false);
    selectRange(1, 22);
    form->readingPopup()->popup(QPoint(0, 0));
    EXPECT_TRUE(form->command(QStringLiteral("mpCopyToBook"))->isEnabled());
    form->readingPopup()->hide();
    trigger("mpCopyToComment");
    EXPECT_EQ(value(QStringLiteral("Книга"), field::Comment), QStringLiteral("Война и мир"));
    EXPECT_EQ(stored(QStringLiteral("Книга"), field::Comment), QStringLiteral("Война и мир"));
}

TEST_F(ReadingCommands, AnAuthorLongerThanItsFieldIsAskedForAndCut)
{
    struct Case {
        int length;
        std::optional<Answer> answer; // nothing asked when empty
        bool stored;
    };
    for (const Case c : {Case{70, std::nullopt, true}, Case{71, Answer::Yes, true}, Case{71, Answer::No, false}}) {
        SCOPED_TRACE(c.length);
        const QString author = QString(c.length, u'Ж');
        openText(QStringLiteral("[") + author + QStringLiteral("]"), true);
        selectRange(1, 1 + c.length);
        if (c.answer)
            ui.expectQuestion(QStringLiteral("Размер выбранного = 71 Размер автора = 70 Продолжить?"), *c.answer,
                              Question::YesNo);
        trigger("mpCopyToAuthor");
        ui.verifyAllConsumed();
        EXPECT_EQ(value(QStringLiteral("Книга"), field::Author), c.stored ? author.left(70) : QString());
        EXPECT_EQ(ds().state(), table::DatasetState::Browse);
        trigger("TlBtClose");
        form.reset();
    }
}

TEST_F(ReadingCommands, ASelectionOfBlanksIsRefusedAndNoSelectionOffersNoPaste)
{
    openText(QStringLiteral("a \t \r\n  b"), true);
    placeCaret(0);
    form->readingPopup()->popup(QPoint(0, 0));
    EXPECT_FALSE(form->command(QStringLiteral("mpCopyToBook"))->isEnabled());
    form->readingPopup()->hide();
    selectRange(1, 7);
    ui.expectMessage(QStringLiteral("Надо что-то выделить!"));
    reading().mpCopyToNameClick(1);
    EXPECT_EQ(value(QStringLiteral("Книга"), field::BookName), QStringLiteral("Книга"));
}

// --- save ------------------------------------------------------------------------------------

TEST_F(ReadingCommands, SavingWritesTheSelectionOrTheShownTextInWindows1251WithCrLf)
{
    const QString text = QStringLiteral("Первая строка\nвторая строка\nтретья");
    for (const bool fast : {true, false}) {
        SCOPED_TRACE(fast ? "fast view" : "rich view");
        openText(text, fast);
        const QString whole = dir.file(QStringLiteral("whole.txt"));
        ui.expectSaveFile(QStringLiteral("Сохранение текста из книги"), whole);
        trigger("mSaveas");
        EXPECT_EQ(table::readWholeFile(whole),
                  windows1251(QStringLiteral("Первая строка\r\nвторая строка\r\nтретья")));

        selectRange(7, 20);
        const QString part = dir.file(QStringLiteral("part.txt"));
        ui.expectSaveFile(QStringLiteral("Сохранение текста из книги"), part);
        trigger("mpSaveAs");
        EXPECT_EQ(table::readWholeFile(part), windows1251(QStringLiteral("строка\r\nвторая")));
        trigger("TlBtClose");
        form.reset();
    }
}

TEST_F(ReadingCommands, AShownRtfBookIsSavedAsRtfAndAUnicodeBookInUtf8)
{
    startWith({{QStringLiteral("RTF"), {}, book(QStringLiteral("b.rtf"), "{\\rtf1\\ansi{\\b Bold} words\\par}")},
               {QStringLiteral("UTF"), {}, book(QStringLiteral("u.txt"), QStringLiteral("Привет ≠ мир").toUtf8())}});
    open(QStringLiteral("RTF"));
    const QString rtf = dir.file(QStringLiteral("out.rtf"));
    ui.expectSaveFile(QStringLiteral("Сохранение текста из книги"), rtf);
    trigger("mSaveas");
    const QByteArray written = table::readWholeFile(rtf);
    EXPECT_TRUE(written.startsWith("{\\rtf1")) << written.constData();
    EXPECT_TRUE(written.contains("\\b")) << written.constData();
    trigger("TlBtClose");

    open(QStringLiteral("UTF"));
    const QString utf = dir.file(QStringLiteral("out.txt"));
    ui.expectSaveFile(QStringLiteral("Сохранение текста из книги"), utf);
    trigger("mSaveas");
    EXPECT_EQ(QString::fromUtf8(table::readWholeFile(utf)), QStringLiteral("Привет ≠ мир"));
}

TEST_F(ReadingCommands, AFailedSaveReachesTheUserAndChangesNothing)
{
    openText(QStringLiteral("текст"), true);
    const QString blocker = dir.write(QStringLiteral("plain-file"), "x");
    const QString target = blocker + QStringLiteral("/saved.txt");
    ui.expectSaveFile(QStringLiteral("Сохранение текста из книги"), target);
    ui.expectMessage(QStringLiteral("Не удалось записать файл ") + target + QStringLiteral(": Not a directory"),
                     MessageKind::Error);
    trigger("mSaveas");
    ui.verifyAllConsumed();
    EXPECT_EQ(table::readWholeFile(blocker), QByteArray("x"));
    EXPECT_TRUE(form->bookOpen());
}

} // namespace
} // namespace folianto::test
