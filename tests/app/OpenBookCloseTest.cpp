// Opening a book from the catalogue and closing it in place or at the end: the progress
// written into its row, in both views, whole and in parts, plain text and RTF.

#include "OpenBookFixture.h"

namespace folianto::test {
namespace {

namespace field = catalogue::field;

// 10 000 bytes: a line of 33 bytes, 199 of 50 and one of 17, so that line 67 begins at 3333
// in the fast view (which counts CR LF) and at 3266 in the rich view (one per line break).
QByteArray tenThousandBytes()
{
    return bookLines(1, 33) + bookLines(199, 50, 1) + bookLines(1, 17, 200);
}

class OpenAndClose : public OpenBookTest {};

TEST_F(OpenAndClose, ProgressOfAWholeBookInBothViews)
{
    const struct {
        const char* what;
        bool fast;
        const char* closer;
        int topLine; // -1: not scrolled
        int pos;
        int percent;
    } cases[] = {
        {"fast view, at the end", true, "TlBtFin", 67, 10000, 100},
        {"fast view, in place", true, "TlBtClose", 67, 3333, 33},
        {"fast view, in place at the top", true, "mCloseBook", -1, 0, 0},
        {"rich view, at the end", false, "mFinishbook", 67, 10000, 100},
        {"rich view, in place", false, "mpCloseBook", 67, 3266, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = book(QStringLiteral("book.txt"), tenThousandBytes());
        const bool fast = c.fast;
        startWith({{QStringLiteral("Другая")}, {QStringLiteral("Книга"), {}, path}},
                  [fast](settings::ProgramSettings& s) { s.fastRead = fast; });
        open(QStringLiteral("Книга"));
        ASSERT_TRUE(form->bookOpen());
        EXPECT_TRUE(bookShown());
        EXPECT_EQ(views().fastViewInUse(), c.fast);
        EXPECT_EQ(value(QStringLiteral("Книга"), field::Cur), QStringLiteral("Y"));
        EXPECT_EQ(stored(QStringLiteral("Книга"), field::Cur), QStringLiteral("Y"));
        EXPECT_EQ(value(QStringLiteral("Книга"), field::Size), QStringLiteral("10000"));
        EXPECT_EQ(form->statusPanelText(3), QStringLiteral("Книга"));
        EXPECT_EQ(session().currentBookFile(), path);
        if (c.topLine >= 0) {
            if (c.fast) {
                views().fastView().setTopLine(c.topLine);
            } else {
                views().richView().setCaretPosition(32 + (c.topLine - 1) * 49);
                views().richView().scrollCaretLineToTop();
            }
        }
        trigger(c.closer);

        EXPECT_FALSE(form->bookOpen());
        EXPECT_FALSE(bookShown());
        EXPECT_TRUE(form->catalogueShown());
        EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QString::number(c.pos));
        EXPECT_EQ(value(QStringLiteral("Книга"), field::Percent), QString::number(c.percent));
        EXPECT_EQ(stored(QStringLiteral("Книга"), field::Pos), QString::number(c.pos));
        EXPECT_EQ(value(QStringLiteral("Книга"), field::First), QStringLiteral("15.03.2024"));
        EXPECT_EQ(value(QStringLiteral("Книга"), field::Last), QStringLiteral("15.03.2024"));
        EXPECT_EQ(value(QStringLiteral("Книга"), field::Cur), QString());
        EXPECT_EQ(stored(QStringLiteral("Книга"), field::Cur), QString());
        EXPECT_EQ(ds().asString(field::BookName), QStringLiteral("Книга"));
        EXPECT_EQ(form->statusPanelText(3), QString());
        EXPECT_EQ(form->statusPanelText(4), QString());
        EXPECT_EQ(session().currentBookFile(), QString());
        EXPECT_EQ(views().fastView().textLength(), 0);
        EXPECT_EQ(views().richView().textLength(), 0);
        EXPECT_EQ(QFileInfo(path).size(), 10000); // the book itself is never deleted
        form.reset();
    }
}

TEST_F(OpenAndClose, FirstDateStaysLastDateMovesAndThePositionComesBack)
{
    const QString path = book(QStringLiteral("book.txt"), tenThousandBytes());
    startWith({{QStringLiteral("Книга"), {}, path}}, [](settings::ProgramSettings& s) { s.fastRead = true; });
    open(QStringLiteral("Книга"));
    views().fastView().setTopLine(67);
    trigger("TlBtClose");

    clock.advanceDays(3);
    open(QStringLiteral("Книга"));
    EXPECT_EQ(views().fastView().topLine(), 67);
    EXPECT_EQ(views().fastView().caretOffset(), 3333);
    trigger("mp1CloseBook");
    EXPECT_FALSE(form->bookOpen());
    EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QStringLiteral("3333"));
    EXPECT_EQ(value(QStringLiteral("Книга"), field::First), QStringLiteral("15.03.2024"));
    EXPECT_EQ(value(QStringLiteral("Книга"), field::Last), QStringLiteral("18.03.2024"));
}

TEST_F(OpenAndClose, ADividedBookAddsThePartToThePosition)
{
    // 700 lines of 40 bytes in parts of 10 000 bytes: part 3 (index 2) holds 8 000 bytes.
    const struct {
        const char* what;
        bool fast;
        int pos; // line 3 of part 3 in the view's own offsets
    } cases[] = {{"fast view", true, 20000 + 3 * 40}, {"rich view", false, 20000 + 3 * 39}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = book(QStringLiteral("long.txt"), bookLines(700, 40));
        const bool fast = c.fast;
        startWith({{QStringLiteral("Долгая"), {}, path}}, [fast](settings::ProgramSettings& s) {
            s.fastRead = fast;
            s.partSize = 10000;
        });
        setField(QStringLiteral("Долгая"), field::Pos, c.pos);
        open(QStringLiteral("Долгая"));
        ASSERT_TRUE(form->bookOpen());
        EXPECT_EQ(form->pageSelector()->currentIndex(), 2);
        EXPECT_TRUE(form->command(QStringLiteral("mPage"))->isVisible());
        trigger("TlBtClose");
        EXPECT_EQ(value(QStringLiteral("Долгая"), field::Pos), QString::number(c.pos));
        EXPECT_EQ(value(QStringLiteral("Долгая"), field::Percent), QString::number(c.pos * 100 / 28000));
        EXPECT_FALSE(form->command(QStringLiteral("mPage"))->isVisible());
        EXPECT_EQ(form->pageSelector()->count(), 0);

        // At the end the part does not count: the whole size is stored.
        open(QStringLiteral("Долгая"));
        trigger("TlBtFin");
        EXPECT_EQ(value(QStringLiteral("Долгая"), field::Pos), QStringLiteral("28000"));
        EXPECT_EQ(value(QStringLiteral("Долгая"), field::Percent), QStringLiteral("100"));
        form.reset();
    }
}

TEST_F(OpenAndClose, PartsPickedInTheWindowAreWhereTheBookIsClosed)
{
    const QString path = book(QStringLiteral("long.txt"), bookLines(700, 40));
    startWith({{QStringLiteral("Долгая"), {}, path}}, [](settings::ProgramSettings& s) {
        s.fastRead = true;
        s.partSize = 10000;
    });
    setField(QStringLiteral("Долгая"), field::Pos, 25000);
    open(QStringLiteral("Долгая"));
    ASSERT_EQ(form->pageSelector()->currentIndex(), 2);

    Q_EMIT form->pageSelector()->activated(0);
    EXPECT_EQ(form->pageSelector()->currentIndex(), 0);
    EXPECT_EQ(value(QStringLiteral("Долгая"), field::Pos), QStringLiteral("0"));
    trigger("mpPage");
    EXPECT_EQ(form->pageSelector()->currentIndex(), 1);
    EXPECT_EQ(views().fastView().lineCount(), 251); // 250 lines and the empty one after the last break
    trigger("TlBtClose");
    EXPECT_EQ(value(QStringLiteral("Долгая"), field::Pos), QStringLiteral("10000"));
    EXPECT_EQ(value(QStringLiteral("Долгая"), field::Percent), QStringLiteral("35"));
}

TEST_F(OpenAndClose, AnRtfBookIsMeasuredAgainstItsShownText)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
    for (int i = 0; i < 300; ++i)
        rtf += "\\pard Paragraph " + QByteArray::number(i) + " of the book\\par\n";
    rtf += "}";
    const QString path = book(QStringLiteral("book.rtf"), rtf);
    startWith({{QStringLiteral("Ртф"), {}, path}}, [](settings::ProgramSettings& s) { s.fastRead = true; });
    open(QStringLiteral("Ртф"));
    ASSERT_TRUE(form->bookOpen());
    ASSERT_FALSE(views().fastViewInUse()); // RTF always goes to the rich view
    reader::RichReadingView& rich = views().richView();
    const int length = rich.textLength();
    ASSERT_LT(length, rtf.size());
    rich.setCaretPosition(length / 2);
    rich.scrollCaretLineToTop();
    const int top = rich.firstVisibleLinePosition();
    ASSERT_GT(top, 0);
    ASSERT_NE(top * 100 / length, top * 100 / rtf.size());
    trigger("TlBtClose");
    EXPECT_EQ(value(QStringLiteral("Ртф"), field::Pos), QString::number(top));
    EXPECT_EQ(value(QStringLiteral("Ртф"), field::Percent), QString::number(top * 100 / length));

    open(QStringLiteral("Ртф"));
    const int shown = views().richView().textLength();
    trigger("mpFinishBook");
    EXPECT_EQ(value(QStringLiteral("Ртф"), field::Pos), QString::number(shown));
    EXPECT_EQ(value(QStringLiteral("Ртф"), field::Percent), QStringLiteral("100"));
}

TEST_F(OpenAndClose, TheCursorComesBackToTheRowThatWasCurrent)
{
    const QString path = book(QStringLiteral("book.txt"), tenThousandBytes());
    startWith({{QStringLiteral("Первая")}, {QStringLiteral("Книга"), {}, path}, {QStringLiteral("Третья")}},
              [](settings::ProgramSettings& s) { s.fastRead = true; });
    open(QStringLiteral("Книга"));
    views().fastView().setTopLine(67);
    triggerCommand(*form, "mViewLibrary");
    EXPECT_TRUE(form->bookOpen());
    select(QStringLiteral("Третья"));
    trigger("m1Closebook");
    EXPECT_FALSE(form->bookOpen());
    EXPECT_EQ(ds().asString(field::BookName), QStringLiteral("Третья"));
    EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QStringLiteral("3333"));
    EXPECT_TRUE(marksOf(ds()).isEmpty()) << marksOf(ds()).join(u' ').toStdString();
}

TEST_F(OpenAndClose, WithoutAMarkedRowTheProgressIsDroppedNotWrittenElsewhere)
{
    const QString path = book(QStringLiteral("book.txt"), tenThousandBytes());
    startWith({{QStringLiteral("Первая")}, {QStringLiteral("Книга"), {}, path}},
              [](settings::ProgramSettings& s) { s.fastRead = true; });
    // A double click on the row opens it like Enter.
    select(QStringLiteral("Книга"));
    Q_EMIT form->grid()->doubleClicked(form->grid()->currentIndex());
    ASSERT_TRUE(form->bookOpen());
    views().fastView().setTopLine(67);
    triggerCommand(*form, "mViewLibrary");
    setField(QStringLiteral("Книга"), field::Cur, QString()); // the mark is gone
    select(QStringLiteral("Первая"));
    trigger("m1Closebook");

    EXPECT_FALSE(form->bookOpen());
    EXPECT_EQ(value(QStringLiteral("Книга"), field::Pos), QString());
    EXPECT_EQ(value(QStringLiteral("Первая"), field::Pos), QString());
    EXPECT_EQ(value(QStringLiteral("Первая"), field::Last), QString());
    EXPECT_EQ(ds().asString(field::BookName), QStringLiteral("Первая"));
    EXPECT_TRUE(marksOf(ds()).isEmpty()) << marksOf(ds()).join(u' ').toStdString();
    EXPECT_EQ(views().fastView().textLength(), 0);
}

TEST_F(OpenAndClose, GoingToTheOpenBookFindsItsRow)
{
    const QString path = book(QStringLiteral("book.txt"), tenThousandBytes());
    startWith({{QStringLiteral("Первая")}, {QStringLiteral("Книга"), {}, path}});
    open(QStringLiteral("Книга"));
    triggerCommand(*form, "mViewLibrary");
    select(QStringLiteral("Первая"));
    trigger("mpGoToBook");
    EXPECT_EQ(ds().asString(field::BookName), QStringLiteral("Книга"));
}

TEST_F(OpenAndClose, ClosingTheProgramSavesTheProgressAndEmptiesTheWorkFolder)
{
    const QString zip = dir.file(QStringLiteral("packed.zip"));
    makeZip(zip, {{"book.txt", tenThousandBytes()}});
    startWith({{QStringLiteral("Архив"), {}, zip}}, [](settings::ProgramSettings& s) { s.fastRead = true; });
    open(QStringLiteral("Архив"));
    ASSERT_TRUE(form->bookOpen());
    views().fastView().setTopLine(67);
    EXPECT_TRUE(form->FormCloseQuery());
    EXPECT_FALSE(form->bookOpen());
    EXPECT_FALSE(QFileInfo::exists(form->workFolder()));
    EXPECT_EQ(stored(QStringLiteral("Архив"), field::Pos), QStringLiteral("3333"));
    EXPECT_EQ(stored(QStringLiteral("Архив"), field::Cur), QStringLiteral("1")); // the last current row
}

TEST_F(OpenAndClose, AFailedProgressWriteStillClosesTheBookAndDeletesTheUnpackedFile)
{
    const QString zip = dir.file(QStringLiteral("packed.zip"));
    makeZip(zip, {{"inner/book.txt", tenThousandBytes()}});
    startWith({{QStringLiteral("Архив"), {}, zip}});
    open(QStringLiteral("Архив"));
    ASSERT_TRUE(form->bookOpen());
    const QString unpacked = session().currentBookFile();
    ASSERT_EQ(QFileInfo(unpacked).absolutePath(), QDir(form->workFolder()).absolutePath());
    ASSERT_TRUE(QFileInfo::exists(unpacked));

    auto& events = ds().events();
    const auto original = events.afterPost;
    events.afterPost = [] { throw table::TableError(QStringLiteral("Запись не удалась")); };
    ui.expectMessage(QStringLiteral("Запись не удалась"), MessageKind::Error);
    trigger("TlBtClose");
    events.afterPost = original;
    ui.verifyAllConsumed();

    EXPECT_FALSE(form->bookOpen());
    EXPECT_FALSE(QFileInfo::exists(unpacked));
    EXPECT_EQ(session().currentBookFile(), QString());
    EXPECT_EQ(form->statusPanelText(3), QString());
    EXPECT_TRUE(form->catalogueShown());
    EXPECT_EQ(ds().state(), table::DatasetState::Browse);
}

} // namespace
} // namespace folianto::test
