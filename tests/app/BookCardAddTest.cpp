// Adding a book through the card: the file dialog, the similar-link warning and the new row.

#include "BookCardFixture.h"
#include "catalogue/BookCardLink.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace folianto::test {
namespace {

using Adding = BookCardTest;

TEST_F(Adding, ACancelledFileDialogOpensTheCardEmptyAndOkAddsNothing)
{
    open({{QStringLiteral("Один")}});
    const QByteArray before = TempDir::read(path);
    expectFileDialog({});
    expectCard(true, [](QDialog& d) {
        EXPECT_TRUE(card(d).DBMFile->toPlainText().isEmpty());
        card(d).DBEBook->setText(QStringLiteral("Новая"));
    });
    EXPECT_FALSE(form->catalogueCommands().ShowBookCard(true));
    ui.verifyAllConsumed();
    EXPECT_EQ(ds().recordCount(), 1);
    EXPECT_FALSE(ds().isEditing());
    EXPECT_EQ(TempDir::read(path), before);
}

TEST_F(Adding, TheChosenFileIsLinkedWithTheTypedFieldsAndTheDefaults)
{
    struct Case {
        const char* name;
        bool clearTopic;
        QString expectedTopic;
    };
    for (const Case& c : {Case{"topic kept", false, QStringLiteral("Проза")}, Case{"topic cleared", true, QString()}}) {
        SCOPED_TRACE(c.name);
        open({{QStringLiteral("Один")}}, [](settings::ProgramSettings& s) {
            s.defaultAuthor = QStringLiteral("Толстой");
            s.defaultTopic = QStringLiteral("Проза");
        });
        const QString file = bookFile(QStringLiteral("new.txt"));
        expectFileDialog(file);
        expectCard(true, [&](QDialog& d) {
            auto& page = card(d);
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Добавление книги в библиотеку"));
            EXPECT_EQ(page.DBMFile->toPlainText(), file);
            EXPECT_EQ(page.DBEAuthor->text(), QStringLiteral("Толстой"));
            EXPECT_EQ(page.topicText(), QStringLiteral("Проза"));
            EXPECT_FALSE(page.topicDropDown()); // the topic cache is not loaded
            EXPECT_EQ(page.decoding(), 0);
            EXPECT_TRUE(page.fileFound());
            page.DBEBook->setText(QStringLiteral("Война"));
            page.DBMComment->setPlainText(QStringLiteral("том 1"));
            if (c.clearTopic)
                page.setTopicText({});
        });
        EXPECT_TRUE(form->catalogueCommands().ShowBookCard(true));
        ui.verifyAllConsumed();
        EXPECT_EQ(form->statusPanelText(1), QStringLiteral("%1/2").arg(ds().recNo()));
        auto file2 = stored();
        ASSERT_TRUE(file2->locate(field::BookName, QStringLiteral("Война")));
        EXPECT_EQ(file2->asString(field::FileName), file);
        EXPECT_EQ(file2->asString(field::Author), QStringLiteral("Толстой"));
        EXPECT_EQ(file2->asString(field::Comment), QStringLiteral("том 1"));
        EXPECT_EQ(file2->asString(field::Topic), c.expectedTopic);
        EXPECT_TRUE(file2->isNull(field::Oem));
        EXPECT_TRUE(file2->isNull(field::Alter));
        EXPECT_TRUE(file2->isNull(field::Arc));
        closeForm();
    }
}

// Records which row the grid shows while the warning is asked.
class CursorAtQuestion : public ScriptedInteraction {
public:
    explicit CursorAtQuestion(table::Dataset& ds) : ds_(ds) {}
    Answer ask(const QString& text, Question q, MessageKind kind) override
    {
        titleAtQuestion = ds_.asString(field::BookName);
        return ScriptedInteraction::ask(text, q, kind);
    }
    QString titleAtQuestion;

private:
    table::Dataset& ds_;
};

TEST_F(Adding, TheSimilarLinkWarningMatchesLikeAPatternAndCaseSensitively)
{
    struct Case {
        QString storedLink;
        QString chosenName;
        bool warningOn;
        bool warned;
    };
    const Case cases[] = {
        {QStringLiteral("d:\\lib\\War.txt"), QStringLiteral("war.txt"), true, false},
        {QStringLiteral("d:\\lib\\peace_and_war.txt"), QStringLiteral("war.txt"), true, true},
        {QStringLiteral("c:\\x\\aXb.txt"), QStringLiteral("a_b.txt"), true, true},
        {QStringLiteral("c:\\x\\aXXb.txt"), QStringLiteral("a_b.txt"), true, false},
        {QStringLiteral("d:\\lib\\peace_and_war.txt"), QStringLiteral("war.txt"), false, false},
        {QStringLiteral("/home/k/O'Neil 100%.txt"), QStringLiteral("O'Neil 100%.txt"), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString(c.storedLink + u' ' + c.chosenName).toStdString());
        open({{QStringLiteral("Первая"), {}, QStringLiteral("/elsewhere/x.txt")},
              {QStringLiteral("Похожая"), {}, c.storedLink},
              {QStringLiteral("Третья")}},
             [&](settings::ProgramSettings& s) { s.warnSimilarLink = c.warningOn; });
        ASSERT_TRUE(goTo(QStringLiteral("Третья")));
        CursorAtQuestion asked(ds());
        InstalledInteraction installed2(asked);
        const QString file = bookFile(c.chosenName);
        asked.expectOpenFile(QString(), file);
        if (c.warned) {
            asked.expectQuestion(catalogue::similarLinkQuestion(QStringLiteral("Похожая")), Answer::Yes, Question::YesNo);
        }
        asked.expectDialog(catalogue::BookCard::newCaption(), [&](QDialog& d) {
            EXPECT_EQ(card(d).DBMFile->toPlainText(), file);
            card(d).DBEBook->setText(QStringLiteral("Новая"));
        });
        EXPECT_TRUE(form->catalogueCommands().ShowBookCard(true));
        asked.verifyAllConsumed();
        if (c.warned) {
            EXPECT_EQ(asked.titleAtQuestion, QStringLiteral("Похожая"));
        }
        EXPECT_EQ(ds().recordCount(), 4);
        closeForm();
    }
}

TEST_F(Adding, AWarningAnsweredNoLeavesTheLinkEmptySoThatOkAddsNothing)
{
    open({{QStringLiteral("Война и мир"), {}, QStringLiteral("d:\\lib\\war.txt")}});
    expectFileDialog(bookFile(QStringLiteral("war.txt")));
    ui.expectQuestion(catalogue::similarLinkQuestion(QStringLiteral("Война и мир")), Answer::No);
    expectCard(true, [](QDialog& d) {
        EXPECT_TRUE(card(d).DBMFile->toPlainText().isEmpty());
        EXPECT_FALSE(card(d).fileFound());
        card(d).DBEBook->setText(QStringLiteral("Новая"));
    });
    EXPECT_FALSE(form->catalogueCommands().ShowBookCard(true));
    ui.verifyAllConsumed();
    EXPECT_EQ(ds().recordCount(), 1);
}

TEST_F(Adding, EnterInTheCommentSavesAtOnceEvenWithoutALink)
{
    open({{QStringLiteral("Один")}});
    expectFileDialog({});
    expectCard(true, [](QDialog& d) {
        auto& page = card(d);
        page.DBEBook->setText(QStringLiteral("Без файла"));
        page.DBMComment->setPlainText(QStringLiteral("заметка"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(page.DBMComment, &enter);
        EXPECT_EQ(page.DBMComment->toPlainText(), QStringLiteral("заметка")); // no line break
    }, QDialog::Rejected); // not reached: Enter has closed the card
    EXPECT_TRUE(form->catalogueCommands().ShowBookCard(true));
    ui.verifyAllConsumed();
    auto file = stored();
    ASSERT_TRUE(file->locate(field::BookName, QStringLiteral("Без файла")));
    EXPECT_EQ(file->asString(field::Comment), QStringLiteral("заметка"));
    EXPECT_TRUE(file->isNull(field::FileName));
}

TEST_F(Adding, TheOpenBookIsClosedBeforeTheNewRowIsAdded)
{
    open({{QStringLiteral("Читаемая"), catalogue::mark::OpenBook, bookFile(QStringLiteral("a.txt"))}});
    form->setBookOpen(true);
    int closes = 0;
    form->setBookCloser([&](bool atEnd) {
        EXPECT_FALSE(atEnd);
        ++closes;
        form->setBookOpen(false);
    });
    expectFileDialog(bookFile(QStringLiteral("b.txt")));
    expectCard(true, [&](QDialog& d) {
        EXPECT_EQ(closes, 1);
        card(d).DBEBook->setText(QStringLiteral("Вторая"));
    });
    EXPECT_TRUE(form->catalogueCommands().ShowBookCard(true));
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form->bookOpen());
}

TEST(TopicCache, ATopicIsAddedInOrderUnlessItIsThereInAnotherCase)
{
    QComboBox cache;
    cache.addItems({QStringLiteral("Детектив"), QStringLiteral("Проза")});
    EXPECT_FALSE(catalogue::addTopicToCache(cache, QStringLiteral("ПРОЗА")));
    EXPECT_TRUE(catalogue::addTopicToCache(cache, QStringLiteral("История")));
    EXPECT_TRUE(catalogue::addTopicToCache(cache, QStringLiteral("Юмор")));
    EXPECT_TRUE(catalogue::addTopicToCache(cache, QStringLiteral("Атлас")));
    EXPECT_EQ(catalogue::topicsIn(cache), (QStringList{QStringLiteral("Атлас"), QStringLiteral("Детектив"), QStringLiteral("История"),
                                  QStringLiteral("Проза"), QStringLiteral("Юмор")}));
}

TEST(SimilarLinkFilter, QuotesApostrophesAndKeepsPatternCharacters)
{
    EXPECT_EQ(catalogue::similarLinkFilter(QStringLiteral("O'Neil_1%.txt")),
              QStringLiteral("_FileName like '%O''Neil_1%.txt%'"));
}

} // namespace
} // namespace folianto::test
