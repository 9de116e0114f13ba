// LoadBookText: the preconditions, the empty-file message, the row it works on, the view
// it chooses and what it tells the window.
#include "LoadBookTextFixture.h"

using namespace folianto;
using folianto::test::LoadBookTextTest;
namespace field = catalogue::field;

TEST_F(LoadBookTextTest, AnEmptyOrVanishedFileIsReportedAndNotOpened)
{
    const QString empty = dir.write(QStringLiteral("empty.txt"), QByteArray());
    const QString gone = dir.file(QStringLiteral("gone.txt"));
    const QString folder = dir.path();
    addBookRow(empty);
    int shown = 0;
    QObject::connect(&loader, &reader::BookTextLoader::bookPanelRequested, [&] { ++shown; });
    for (const QString& path : {empty, gone, folder}) {
        ui.expectMessage(QStringLiteral("Файл пуст !"));
        EXPECT_FALSE(load(path)) << qPrintable(path);
        EXPECT_TRUE(state.currentBookFile.isEmpty());
    }
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(field(field::Size).isEmpty());
}

TEST_F(LoadBookTextTest, NothingHappensWithoutAnOpenBookOrRows)
{
    const QString path = dir.write(QStringLiteral("a.txt"), "text");
    state.currentBookFile = path;
    state.bookOpen = false;
    EXPECT_FALSE(loader.LoadBookText()); // no rows
    addBookRow(path);
    EXPECT_FALSE(loader.LoadBookText()); // no open book
    EXPECT_TRUE(field(field::Oem).isEmpty());
    EXPECT_EQ(state.currentBookFile, path);
}

TEST_F(LoadBookTextTest, WorksOnTheMarkedRowWritesItsSizeAndKeepsItCurrent)
{
    const QByteArray bytes = test::encoded(test::russianProse(3000).left(3000), "windows-1251");
    const QString path = dir.write(QStringLiteral("b.txt"), bytes);
    addOtherRow(QStringLiteral("Первая"));
    addBookRow(path);
    catalogue.edit();
    catalogue.setValue(field::Size, 17);
    catalogue.post();
    addOtherRow(QStringLiteral("Третья"));
    catalogue.first(); // a row other than the open book's

    int panel = 0;
    int viewState = 0;
    QObject::connect(&loader, &reader::BookTextLoader::bookPanelRequested, [&] { ++panel; });
    QObject::connect(&loader, &reader::BookTextLoader::viewStateChanged, [&] { ++viewState; });
    ASSERT_TRUE(load(path));
    EXPECT_EQ(catalogue.recNo(), 2);
    EXPECT_EQ(catalogue.asInt(field::Size), bytes.size());
    EXPECT_EQ(field(field::Oem), QStringLiteral("N"));
    EXPECT_EQ(panel, 1);
    EXPECT_EQ(viewState, 1);
    catalogue.first();
    EXPECT_TRUE(catalogue.isNull(field::Size)) << "the other rows stay as they were";
    EXPECT_TRUE(catalogue.isNull(field::Oem));
}

TEST_F(LoadBookTextTest, TellsTheCaretPositionOfTheFocusedView)
{
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("Строка %1\n").arg(i);
    const QString path = dir.write(QStringLiteral("lines.txt"), test::encoded(text, "windows-1251"));
    addBookRow(path);
    // The start of line 41 (from 1) in the file: each earlier line counts its length plus its
    // CR LF, in both views.
    qint64 lengths = 0;
    for (int i = 0; i < 40; ++i)
        lengths += QStringLiteral("Строка %1").arg(i).size();
    auto setPos = [&](qint64 pos) {
        catalogue.edit();
        catalogue.setValue(field::Pos, int(pos));
        catalogue.post();
    };
    QStringList caret;
    QObject::connect(&views, &reader::ReadingViews::caretPositionShown, [&](const QString& t) { caret << t; });

    // Fast view: the caret goes to the first column of its line.
    setPos(lengths + 40 * 2 + 3);
    loader.setFastRead(true);
    ASSERT_TRUE(load(path));
    EXPECT_EQ(caret, QStringList{QStringLiteral("41 : 1")});
    caret.clear();

    // Rich view: a caret off the first column moves one character back.
    setPos(lengths + 40 * 2 + 3);
    loader.setFastRead(false);
    ASSERT_TRUE(load(path));
    EXPECT_EQ(caret, QStringList{QStringLiteral("41 : 3")});
}
