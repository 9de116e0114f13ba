// Editing a row through the card: codes in and out, a new link or entry clearing the reading
// traces, the open book's row, and the packing button's rule.

#include "../archive/ArchiveFixtures.h"
#include "BookCardFixture.h"

namespace folianto::test {
namespace {

class Editing : public BookCardTest {
protected:
    // One row "Моя" linked to `link`, with reading traces and a size; it is current.
    void openWithTraces(const QString& link)
    {
        open({{QStringLiteral("Другая"), {}, QStringLiteral("/elsewhere/other.txt")}, {QStringLiteral("Моя"), {}, link}});
        ASSERT_TRUE(goTo(QStringLiteral("Моя")));
        setFields({{field::First, QDate(2020, 1, 2)}, {field::Last, QDate(2021, 3, 4)}, {field::Pos, 1234},
                   {field::Percent, 40}, {field::Oem, QStringLiteral("K")}, {field::Size, 500}, {field::Arc, 0}});
    }
    void expectTracesCleared(bool cleared)
    {
        auto file = stored();
        ASSERT_TRUE(file->locate(field::BookName, QStringLiteral("Моя")));
        for (const QString& name : {field::First, field::Last, field::Pos, field::Percent, field::Oem})
            EXPECT_EQ(file->isNull(name), cleared) << name.toStdString();
        EXPECT_EQ(file->asInt(field::Size), 500);
    }
    QString twoEntryZip()
    {
        const QString zip = dir.file(QStringLiteral("books/pair.zip"));
        QDir().mkpath(dir.file(QStringLiteral("books")));
        makeZip(zip, {{"one.txt", "1"}, {"two.txt", "2"}});
        return zip;
    }
};

TEST_F(Editing, ChoosingTheSameFileAgainGivesNoWarningAndKeepsTheTraces)
{
    const QString link = bookFile(QStringLiteral("mine.txt"));
    openWithTraces(link);
    expectCard(false, [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Редактирование свойств книги"));
        EXPECT_FALSE(card(d).ButFile->isHidden());
        expectFileDialog(link);
        card(d).ButFile->click();
        EXPECT_EQ(card(d).DBMFile->toPlainText(), link);
    });
    EXPECT_TRUE(form->catalogueCommands().ShowBookCard(false));
    ui.verifyAllConsumed();
    expectTracesCleared(false);
}

TEST_F(Editing, ANewLinkOrEntryClearsTheTracesAndTheDecodingChosenOnTheCard)
{
    for (const bool newEntry : {false, true}) {
        SCOPED_TRACE(newEntry ? "new entry" : "new file");
        const QString zip = twoEntryZip();
        openWithTraces(newEntry ? zip : bookFile(QStringLiteral("mine.txt")));
        const QString other = bookFile(QStringLiteral("replacement.txt"));
        expectCard(false, [&](QDialog& d) {
            auto& page = card(d);
            EXPECT_EQ(page.decoding(), 2); // "KOI"
            page.setDecoding(1);           // "DOS", discarded with the traces
            if (newEntry) {
                ASSERT_EQ(page.CbArc->count(), 2);
                EXPECT_TRUE(page.CbArc->isEnabled());
                page.CbArc->setCurrentIndex(1);
            } else {
                expectFileDialog(other);
                page.ButFile->click();
            }
        });
        EXPECT_TRUE(form->catalogueCommands().ShowBookCard(false));
        ui.verifyAllConsumed();
        expectTracesCleared(true);
        auto file = stored();
        ASSERT_TRUE(file->locate(field::BookName, QStringLiteral("Моя")));
        EXPECT_EQ(file->asString(field::FileName), newEntry ? zip : other);
        EXPECT_EQ(file->asString(field::Arc), newEntry ? QStringLiteral("1") : QString());
        closeForm();
    }
}

TEST_F(Editing, TheOpenBooksEntryChangesOnlyWhenTheQuestionIsAnsweredYes)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "yes" : "no");
        openWithTraces(twoEntryZip());
        setFields({{field::Cur, catalogue::mark::OpenBook}});
        form->setBookOpen(true);
        form->setBookCloser([](bool) { ADD_FAILURE() << "the open book was closed"; });
        expectCard(false, [&](QDialog& d) {
            auto& page = card(d);
            EXPECT_TRUE(page.ButFile->isHidden());
            EXPECT_TRUE(page.ButZip->isHidden());
            page.CbArc->setCurrentIndex(1);
            ui.expectQuestion(catalogue::BookCard::openBookEntryQuestion(), answer, Question::YesNo);
        });
        EXPECT_TRUE(form->catalogueCommands().ShowBookCard(false));
        ui.verifyAllConsumed();
        EXPECT_TRUE(form->bookOpen());
        auto file = stored();
        ASSERT_TRUE(file->locate(field::BookName, QStringLiteral("Моя")));
        EXPECT_EQ(file->asInt(field::Arc), answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(file->asString(field::Cur), catalogue::mark::OpenBook);
        expectTracesCleared(answer == Answer::Yes);
        form->setBookCloser({});
        form->setBookOpen(false);
        closeForm();
    }
}

TEST_F(Editing, StoredCodesShowInTheControlsAndComeBackNormalised)
{
    struct Case {
        QString alter, oem;
        bool external, rtf, txt;
        int decoding;
        QString alterAfter, oemAfter;
    };
    const Case cases[] = {
        {QStringLiteral("Y"), QStringLiteral("K"), true, false, false, 2, QStringLiteral("Y"), QStringLiteral("K")},
        {QStringLiteral("R"), QString(), false, true, false, 0, QStringLiteral("R"), QString()},
        {QStringLiteral("T"), QStringLiteral("N"), false, false, true, 3, QStringLiteral("T"), QStringLiteral("N")},
        {QString(), QStringLiteral("Y"), false, false, false, 1, QString(), QStringLiteral("Y")},
        {QStringLiteral("X"), QStringLiteral("Z"), false, false, false, 0, QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString(c.alter + u'/' + c.oem).toStdString());
        open({{QStringLiteral("Моя"), {}, bookFile(QStringLiteral("mine.txt"))}});
        setFields({{field::Alter, c.alter}, {field::Oem, c.oem}});
        expectCard(false, [&](QDialog& d) {
            auto& page = card(d);
            EXPECT_EQ(page.ChAlter->isChecked(), c.external);
            EXPECT_EQ(page.ChRtf->isChecked(), c.rtf);
            EXPECT_EQ(page.ChTxt->isChecked(), c.txt);
            EXPECT_EQ(page.decoding(), c.decoding);
            EXPECT_EQ(page.RgChar->isEnabled(), !c.external);
            EXPECT_EQ(page.ChRtf->isEnabled(), !c.external);
        });
        EXPECT_TRUE(form->catalogueCommands().ShowBookCard(false));
        ui.verifyAllConsumed();
        auto file = stored();
        file->first();
        EXPECT_EQ(file->asString(field::Alter), c.alterAfter);
        EXPECT_EQ(file->asString(field::Oem), c.oemAfter);
        closeForm();
    }
}

TEST_F(Editing, CancelDropsTheEditsAndAnEmptyLinkMakesOkACancel)
{
    for (const bool withLink : {true, false}) {
        SCOPED_TRACE(withLink ? "cancel" : "no link");
        open({{QStringLiteral("Моя"), {}, withLink ? bookFile(QStringLiteral("mine.txt")) : QString()}});
        const QByteArray before = TempDir::read(path);
        expectCard(false, [](QDialog& d) { card(d).DBEBook->setText(QStringLiteral("Другое название")); },
                   withLink ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_FALSE(form->catalogueCommands().ShowBookCard(false));
        ui.verifyAllConsumed();
        EXPECT_FALSE(ds().isEditing());
        EXPECT_EQ(ds().asString(field::BookName), QStringLiteral("Моя"));
        EXPECT_EQ(TempDir::read(path), before);
        closeForm();
    }
}

TEST_F(Editing, ThePackingButtonShowsOnlyForAFoundPlainFileOfAClosedBook)
{
    struct Case {
        const char* name;
        bool found, archive, openBook, zipButton;
    };
    const Case cases[] = {
        {"found plain file", true, false, false, true},
        {"missing file", false, false, false, false},
        {"archive", true, true, false, false},
        {"open book", true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString link = c.archive ? twoEntryZip()
                             : c.found ? bookFile(QStringLiteral("mine.txt"))
                                       : dir.file(QStringLiteral("gone/missing.txt"));
        open({{QStringLiteral("Моя"), {}, link}});
        if (c.openBook)
            setFields({{field::Cur, catalogue::mark::OpenBook}});
        expectCard(false, [&](QDialog& d) {
            d.show(); // the page prepares itself when shown
            EXPECT_EQ(card(d).fileFound(), c.found);
            EXPECT_EQ(card(d).ButZip->isVisible(), c.zipButton);
            EXPECT_EQ(card(d).CbArc->isVisible(), c.archive);
            EXPECT_TRUE(card(d).DBEBook->hasFocus() || !d.isActiveWindow());
        }, QDialog::Rejected);
        form->catalogueCommands().ShowBookCard(false);
        ui.verifyAllConsumed();
        closeForm();
    }
}

TEST_F(Editing, TheTopicButtonLoadsTheCacheAndANewTopicJoinsIt)
{
    open({{QStringLiteral("Моя"), {}, bookFile(QStringLiteral("mine.txt"))}, {QStringLiteral("Б")}, {QStringLiteral("В")},
          {QStringLiteral("Г")}});
    const QList<std::pair<QString, QString>> topics = {
        {QStringLiteral("Б"), QStringLiteral("Проза")}, {QStringLiteral("В"), QStringLiteral("ПРОЗА")},
        {QStringLiteral("Г"), QStringLiteral("Детектив")}};
    for (const auto& [title, topic] : topics) {
        ASSERT_TRUE(goTo(title));
        setFields({{field::Topic, topic}});
    }
    ASSERT_TRUE(goTo(QStringLiteral("Моя")));
    auto items = [](const QComboBox& box) { return catalogue::topicsIn(box); };
    expectCard(false, [&](QDialog& d) {
        auto& page = card(d);
        EXPECT_FALSE(page.topicDropDown());
        page.ButTopic->click();
        EXPECT_TRUE(page.topicDropDown());
        EXPECT_EQ(items(*page.CbTop), (QStringList{QStringLiteral("Детектив"), QStringLiteral("Проза")}));
        page.setTopicText(QStringLiteral("История"));
    });
    EXPECT_TRUE(form->catalogueCommands().ShowBookCard(false));
    ui.verifyAllConsumed();
    EXPECT_FALSE(form->catalogueCommands().topicCacheStale());
    EXPECT_EQ(items(*form->topicCache()),
              (QStringList{QStringLiteral("Детектив"), QStringLiteral("История"), QStringLiteral("Проза")}));
    // The next card offers the loaded cache at once.
    expectCard(false, [&](QDialog& d) {
        EXPECT_TRUE(card(d).topicDropDown());
        EXPECT_EQ(card(d).topicText(), QStringLiteral("История"));
        EXPECT_EQ(card(d).CbTop->count(), 3);
    }, QDialog::Rejected);
    form->catalogueCommands().ShowBookCard(false);
    ui.verifyAllConsumed();
}

} // namespace
} // namespace folianto::test
