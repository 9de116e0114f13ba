// The row commands beside the card: delete, duplicate, and the defaults for new rows.

#include "BookCardFixture.h"
#include "catalogue/BookCardRowCommands.h"

#include <QMenu>
#include <QTableView>

namespace folianto::test {
namespace {

class RowCommands : public BookCardTest {
protected:
    void openNumbered(int rows)
    {
        std::vector<FixtureRow> list;
        for (int i = 1; i <= rows; ++i)
            list.push_back({QStringLiteral("Книга %1").arg(i)});
        open(list, [](settings::ProgramSettings& s) { s.indexName.clear(); }); // stored order
    }
};

TEST_F(RowCommands, DeletingPutsTheCursorOnThePrecedingRowOrOnTheFirst)
{
    struct Case {
        int deleted, landing;
        QString landingTitle;
    };
    const Case cases[] = {{1, 1, QStringLiteral("Книга 2")},
                          {2, 1, QStringLiteral("Книга 1")},
                          {3, 2, QStringLiteral("Книга 2")},
                          {7, 6, QStringLiteral("Книга 6")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleted);
        openNumbered(8);
        // An open book is closed in place first, whichever row goes.
        int closes = 0;
        form->setBookOpen(true);
        form->setBookCloser([&](bool atEnd) {
            EXPECT_FALSE(atEnd);
            ++closes;
            form->setBookOpen(false);
        });
        ds().setRecNo(c.deleted);
        ui.expectQuestion(catalogue::deleteRowQuestion(), Answer::Yes, Question::YesNo);
        triggerCommand(*form, "mDelete");
        ui.verifyAllConsumed();
        EXPECT_EQ(closes, 1);
        form->setBookCloser({});
        EXPECT_EQ(ds().recNo(), c.landing);
        EXPECT_EQ(ds().asString(field::BookName), c.landingTitle);
        EXPECT_EQ(readTitlesAndMarks(path).size(), 7);
        EXPECT_FALSE(readTitlesAndMarks(path).contains(QStringLiteral("Книга %1|").arg(c.deleted)));
        closeForm();
    }
}

TEST_F(RowCommands, DeletingAnsweredNoKeepsTheRowAndTheOpenBook)
{
    openNumbered(3);
    form->setBookOpen(true);
    form->setBookCloser([](bool) { ADD_FAILURE() << "closed"; });
    ds().setRecNo(2);
    ui.expectQuestion(catalogue::deleteRowQuestion(), Answer::No);
    triggerCommand(*form, "mDelete");
    EXPECT_EQ(readTitlesAndMarks(path).size(), 3);
    EXPECT_EQ(ds().recNo(), 2);
    EXPECT_TRUE(form->bookOpen());
    form->setBookCloser({});
}

TEST_F(RowCommands, DuplicatingTheOpenBooksRowCopiesEverythingButTheMark)
{
    const QString link = bookFile(QStringLiteral("a.txt"));
    open({{QStringLiteral("Читаемая"), {}, link}, {QStringLiteral("Другая")}});
    ASSERT_TRUE(goTo(QStringLiteral("Читаемая")));
    setFields({{field::Cur, catalogue::mark::OpenBook}, {field::Pos, 777}, {field::Percent, 12},
               {field::Oem, QStringLiteral("Y")}, {field::Alter, QStringLiteral("R")}, {field::Arc, 2},
               {field::First, QDate(2022, 5, 6)}, {field::Size, 9000}});
    triggerCommand(*form, "mpClone");
    EXPECT_EQ(ds().recordCount(), 3);
    EXPECT_TRUE(ds().asString(field::Cur).isEmpty()); // the copy is current
    EXPECT_EQ(ds().asString(field::BookName), QStringLiteral("Читаемая"));
    auto file = stored();
    int copies = 0;
    for (file->first(); !file->eof(); file->next()) {
        if (file->asString(field::BookName) != QStringLiteral("Читаемая"))
            continue;
        ++copies;
        EXPECT_EQ(file->asString(field::FileName), link);
        EXPECT_EQ(file->asInt(field::Pos), 777);
        EXPECT_EQ(file->asInt(field::Percent), 12);
        EXPECT_EQ(file->asString(field::Oem), QStringLiteral("Y"));
        EXPECT_EQ(file->asString(field::Alter), QStringLiteral("R"));
        EXPECT_EQ(file->asInt(field::Arc), 2);
        EXPECT_EQ(file->asDate(field::First), QDate(2022, 5, 6));
        EXPECT_EQ(file->asInt(field::Size), 9000);
    }
    EXPECT_EQ(copies, 2);
    EXPECT_EQ(marksOf(ds()), QStringList{QStringLiteral("Читаемая=Y")});
}

TEST_F(RowCommands, TheDefaultIsTakenFromTheAuthorOrTopicColumnOnly)
{
    open({{QStringLiteral("Книга")}});
    setFields({{field::Author, QStringLiteral("Гоголь")}, {field::Topic, QStringLiteral("Повести")}});
    QAction* def = form->command(QStringLiteral("mpDef"));
    struct Case {
        QString column;
        bool offered;
    };
    for (const Case& c : {Case{field::Author, true}, Case{field::Topic, true}, Case{field::BookName, false}}) {
        SCOPED_TRACE(c.column.toStdString());
        const int column = ds().fieldIndex(c.column);
        form->grid()->setCurrentIndex(form->grid()->model()->index(0, column));
        Q_EMIT form->gridPopup()->aboutToShow();
        EXPECT_EQ(def->isVisible(), c.offered);
        if (c.offered)
            triggerCommand(*form, "mpDef");
        else // hidden, so not to be clicked; the command itself ignores the column too
            form->catalogueCommands().mpDefClick();
    }
    EXPECT_EQ(form->settings().defaultAuthor, QStringLiteral("Гоголь"));
    EXPECT_EQ(form->settings().defaultTopic, QStringLiteral("Повести"));

    // An empty value clears the default.
    setFields({{field::Topic, QVariant()}});
    form->grid()->setCurrentIndex(form->grid()->model()->index(0, ds().fieldIndex(field::Topic)));
    Q_EMIT form->gridPopup()->aboutToShow();
    triggerCommand(*form, "mpDef");
    EXPECT_TRUE(form->settings().defaultTopic.isEmpty());
}

TEST_F(RowCommands, TheMenuItemsReachTheCardWithTheirTags)
{
    open({{QStringLiteral("Моя"), {}, bookFile(QStringLiteral("mine.txt"))}});
    for (const char* name : {"mNew", "mpNew", "TlBtNew"}) {
        SCOPED_TRACE(name);
        expectFileDialog({});
        expectCard(true, {}, QDialog::Rejected);
        form->command(QString::fromLatin1(name))->trigger();
        ui.verifyAllConsumed();
    }
    for (const char* name : {"mEdit", "mpEdit", "mpEditBook", "TlBtEdit"}) {
        SCOPED_TRACE(name);
        expectCard(false, {}, QDialog::Rejected);
        form->command(QString::fromLatin1(name))->trigger();
        ui.verifyAllConsumed();
    }
    EXPECT_EQ(form->command(QStringLiteral("mpNew"))->shortcut(), QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(form->command(QStringLiteral("mpEdit"))->shortcut(), QKeySequence(Qt::Key_F5));
}

} // namespace
} // namespace folianto::test
