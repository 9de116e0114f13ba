// Books read in parts: the division, the page list, reading one part from the file, the
// page change and the position restore inside a part.
#include "LoadBookTextFixture.h"

#include "reader/BookFileBytes.h"
#include "reader/BookParts.h"

#include <QAction>
#include <QComboBox>

using namespace folianto;
using folianto::test::LoadBookTextTest;
namespace field = catalogue::field;

namespace {

constexpr int kLineBytes = 50; // 48 characters and CR LF

// Windows-1251 text of `lines` lines of exactly kLineBytes bytes each.
QByteArray fixedLines(int lines)
{
    const QString prose = test::russianProse(lines * 48).remove(QLatin1Char('\n'));
    QString text;
    for (int i = 0; i < lines; ++i)
        text += (QStringLiteral("%1 ").arg(i, 5) + prose.mid(i * 42, 42)) + QLatin1Char('\n');
    const QByteArray bytes = test::encoded(text, "windows-1251");
    EXPECT_EQ(bytes.size(), qsizetype(lines) * kLineBytes);
    return bytes;
}

} // namespace

TEST(BookParts, DivisionNeedsAFileBiggerThanThePartAndNotRtf)
{
    struct Case { qint64 size; int partSize; const char* suffix; bool divided; int parts; };
    const Case cases[] = {
        {1000, 1000, "txt", false, 1}, {1001, 1000, "txt", true, 2}, {999, 1000, "txt", false, 1},
        {5000, 1000, "txt", true, 5},  {5001, 1000, "TXT", true, 6}, {5000, 0, "txt", false, 1},
        {5000, -7, "txt", false, 1},   {5000, 1000, "RTF", false, 1}, {5000, 1000, "", true, 5},
    };
    for (const Case& c : cases) {
        const reader::BookDivision d = reader::divideBook(c.size, c.partSize, QString::fromLatin1(c.suffix));
        EXPECT_EQ(d.divided, c.divided) << c.size << " / " << c.partSize << " " << c.suffix;
        EXPECT_EQ(d.partCount, c.parts) << c.size << " / " << c.partSize << " " << c.suffix;
    }
    const reader::ByteRange last = reader::partRange(1, 1000, 1001);
    EXPECT_EQ(last.offset, 1000);
    EXPECT_EQ(last.length, 1);
}

TEST(BookParts, APositionAtOrPastTheEndGivesTheLastPart)
{
    const reader::BookDivision d = reader::divideBook(3000, 1000, QStringLiteral("txt"));
    struct Case { qint64 position; int part; };
    for (const Case& c : {Case{0, 0}, Case{-5, 0}, Case{999, 0}, Case{1000, 1}, Case{2999, 2},
                          Case{3000, 2}, Case{1000000, 2}})
        EXPECT_EQ(d.partForPosition(c.position, 1000), c.part) << c.position;
}

TEST(BookFileBytes, ReadsOnlyTheRangeAndReportsUnreadableFiles)
{
    test::TempDir dir;
    const QString path = dir.write(QStringLiteral("b.txt"), "0123456789");
    EXPECT_EQ(reader::readBookBytes(path, {3, 4}), QByteArray("3456"));
    EXPECT_EQ(reader::readBookBytes(path, {8, 4}), QByteArray("89")); // shorter than asked
    EXPECT_EQ(reader::readBookBytes(path, {0, 10}), QByteArray("0123456789"));
    EXPECT_EQ(reader::bookFileSize(path), 10);
    EXPECT_EQ(reader::bookFileSize(dir.path()), 0);
    EXPECT_EQ(reader::bookFileSize(QString()), 0);
    EXPECT_THROW(reader::readBookBytes(dir.file(QStringLiteral("none")), {0, 1}), reader::BookReadError);
}

TEST_F(LoadBookTextTest, ABookOfExactlyOnePartIsReadWholeOneByteMoreGivesTwoParts)
{
    const QByteArray bytes = fixedLines(20); // 1000 bytes
    const QString whole = dir.write(QStringLiteral("whole.txt"), bytes);
    const QString two = dir.write(QStringLiteral("two.txt"), bytes + "!");
    loader.setPartSize(1000);
    loader.setFastRead(true);

    addBookRow(whole);
    ASSERT_TRUE(load(whole));
    EXPECT_FALSE(pages.isShown());
    EXPECT_EQ(pages.count(), 0);
    EXPECT_EQ(views.fastView().toPlainText(), test::shownText(bytes));

    ASSERT_TRUE(load(two));
    EXPECT_TRUE(pages.isShown());
    EXPECT_EQ(pages.count(), 2);
    EXPECT_EQ(pages.selected(), 0);
    EXPECT_EQ(views.fastView().toPlainText(), test::shownText(bytes));

    pages.pick(1);
    EXPECT_EQ(catalogue.asInt(field::Pos), 1000);
    EXPECT_EQ(views.fastView().toPlainText(), QStringLiteral("!"));
}

TEST_F(LoadBookTextTest, PageChangesStoreThePartStartAndShowThatPart)
{
    const QByteArray bytes = fixedLines(90); // 4500 bytes: five parts, the last one 500 bytes
    const QString path = dir.write(QStringLiteral("long.txt"), bytes);
    addBookRow(path);
    loader.setPartSize(1000);
    ASSERT_TRUE(load(path));
    ASSERT_EQ(pages.count(), 5);

    pages.pick(2); // part 3 of 5
    EXPECT_EQ(catalogue.asInt(field::Pos), 2000);
    EXPECT_EQ(pages.selected(), 2);
    EXPECT_EQ(views.richView().toPlainText(), test::shownText(bytes.mid(2000, 1000)));

    const int expectedParts[] = {3, 4, 0, 1};
    for (int expected : expectedParts) {
        loader.mPageClick();
        EXPECT_EQ(pages.selected(), expected);
        EXPECT_EQ(catalogue.asInt(field::Pos), expected * 1000);
        EXPECT_EQ(views.richView().toPlainText(), test::shownText(bytes.mid(expected * 1000, 1000)));
    }

    // Closed book: the page change does nothing.
    state.bookOpen = false;
    pages.pick(3);
    EXPECT_EQ(catalogue.asInt(field::Pos), 1000);
}

TEST_F(LoadBookTextTest, ThePositionIsRestoredInsideItsPartWithItsLineOnTop)
{
    const QByteArray bytes = fixedLines(700); // parts of 200 lines
    const QString path = dir.write(QStringLiteral("book.txt"), bytes);
    addBookRow(path, {}, 2 * 10000 + 120 * kLineBytes + 7);
    loader.setPartSize(10000);
    loader.setFastRead(true);
    ASSERT_TRUE(load(path));

    EXPECT_EQ(pages.count(), 4);
    EXPECT_EQ(pages.selected(), 2);
    EXPECT_EQ(views.fastView().caretOffset(), 120 * kLineBytes);
    EXPECT_EQ(views.fastView().caretLineColumn(), (textview::LineColumn{120, 0}));
    EXPECT_EQ(views.fastView().topLine(), 120);
    EXPECT_EQ(views.fastView().textCursor().selectionStart(), views.fastView().textCursor().selectionEnd());

    // The position is a byte offset in the rich view too, whose own index counts a CR LF once.
    loader.setFastRead(false);
    catalogue.edit();
    catalogue.setValue(field::Pos, 1 * 10000 + 150 * kLineBytes);
    catalogue.post();
    ASSERT_TRUE(load(path));
    EXPECT_EQ(pages.selected(), 1);
    EXPECT_EQ(views.richView().caretPosition(), 150 * (kLineBytes - 1));
    EXPECT_EQ(views.richView().firstVisibleLinePosition(), 150 * (kLineBytes - 1));
}

TEST_F(LoadBookTextTest, APositionAtOrPastTheEndShowsTheLastPart)
{
    const QByteArray bytes = fixedLines(60); // three parts of exactly 1000 bytes
    const QString path = dir.write(QStringLiteral("done.txt"), bytes);
    // 3000 is the end of the last part's text; the other lies beyond it.
    struct Case { int pos; qint64 fastCaret; };
    for (const auto [pos, fastCaret] : {Case{3000, 1000}, Case{2999 + 1000000, 0}}) {
        addBookRow(path, QStringLiteral("N"), pos);
        loader.setPartSize(1000);
        loader.setFastRead(true);
        ASSERT_TRUE(load(path));
        EXPECT_EQ(pages.selected(), 2) << pos;
        EXPECT_EQ(views.fastView().toPlainText(), test::shownText(bytes.mid(2000)));
        // Beyond the text the caret stays where the load put it.
        EXPECT_EQ(views.fastView().caretOffset(), fastCaret) << pos;

        loader.setFastRead(false);
        ASSERT_TRUE(load(path));
        EXPECT_EQ(pages.selected(), 2);
        EXPECT_EQ(views.richView().caretPosition(), views.richView().textLength()) << "the rich view goes to the end";
        catalogue.edit();
        catalogue.setNull(field::Cur);
        catalogue.post();
    }
}

TEST(PageList, TheComboBoxAndTheMenuItemsFollowTheList)
{
    reader::PageList pages;
    QComboBox combo;
    QAction mPage(QStringLiteral("Следующая страни&ца"));
    QAction mpPage(QStringLiteral("Следующая страни&ца"));
    reader::bindPageControls(pages, combo, {&mPage, &mpPage});
    EXPECT_FALSE(mPage.isVisible());
    EXPECT_FALSE(mpPage.isVisible());

    pages.refill(3);
    pages.setShown(true);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("1"));
    EXPECT_EQ(combo.itemText(2), QStringLiteral("3"));
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_TRUE(mPage.isVisible());
    EXPECT_TRUE(mpPage.isVisible());

    pages.select(2);
    EXPECT_EQ(combo.currentIndex(), 2);
    pages.select(7);
    EXPECT_EQ(pages.selected(), -1);
    EXPECT_EQ(combo.currentIndex(), -1);

    QList<int> picked;
    QObject::connect(&pages, &reader::PageList::picked, [&](int i) { picked << i; });
    combo.setCurrentIndex(1);
    Q_EMIT combo.activated(1);
    EXPECT_EQ(picked, QList<int>{1});
    EXPECT_EQ(pages.selected(), 1);

    pages.clear();
    EXPECT_EQ(combo.count(), 0);
    EXPECT_FALSE(mPage.isVisible());
}
