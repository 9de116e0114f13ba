// The properties panel: bound to the current row while shown, its typing edits that row, the
// navigator never writes a row nobody filled in, and the reading dates are asked for.

#include "FormBookFixture.h"
#include "app/PropertiesPanel.h"
#include "catalogue/BookCardRowCommands.h"
#include "catalogue/CalendarMonth.h"
#include "catalogue/TFormDate.h"
#include "util/Clock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>

namespace folianto::test {
namespace {

namespace field = catalogue::field;
using Nav = app::PropertiesPanel::NavButton;

class PropertiesPanelTest : public FormBookTest {
protected:
    void startWith(const Adjust& adjust = {})
    {
        path = dir.file(QStringLiteral("c.bon"));
        writeTitles(path, {QStringLiteral("Азбука"), QStringLiteral("Букварь")});
        ASSERT_TRUE(start({path}, {}, [adjust](settings::ProgramSettings& s) {
            s.propertiesOffered = true;
            if (adjust)
                adjust(s);
        }));
        form->show();
        panel = form->propertiesPanel();
    }
    void showPanel(bool on)
    {
        if (form->command(QStringLiteral("mProperties"))->isChecked() != on)
            triggerCommand(*form, "mProperties");
    }
    // The titles the catalogue file holds, in its order.
    QStringList storedTitles() const
    {
        table::Dataset file;
        file.setFieldDefs(catalogue::catalogueFieldDefs());
        file.setFileName(path);
        file.open();
        QStringList titles;
        for (file.first(); !file.eof(); file.next())
            titles << file.asString(field::BookName);
        file.setFileName({});
        file.close();
        return titles;
    }
    void click(Nav b) { panel->navigatorButton(b)->click(); }
    void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        edit->insert(text);
        Q_EMIT edit->textEdited(edit->text());
    }

    QString path;
    app::PropertiesPanel* panel = nullptr;
};

TEST_F(PropertiesPanelTest, ShownItFollowsTheCurrentRowAndTypingEditsIt)
{
    startWith();
    ds().first();
    EXPECT_TRUE(panel->DBEBookName->text().isEmpty()) << "unbound while hidden";
    showPanel(true);
    EXPECT_EQ(panel->DBEBookName->text(), QStringLiteral("Азбука"));
    click(Nav::Next);
    EXPECT_EQ(panel->DBEBookName->text(), QStringLiteral("Букварь"));
    form->grid()->setCurrentIndex(form->grid()->model()->index(0, 0));
    EXPECT_EQ(panel->DBEBookName->text(), QStringLiteral("Азбука")) << "a row move in the grid";

    type(panel->DBEAuthor, QStringLiteral("Автор"));
    type(panel->DBEPercent, QStringLiteral("42"));
    panel->DBMComment->setPlainText(QStringLiteral("заметка"));
    EXPECT_TRUE(ds().isEditing());
    click(Nav::Post);
    EXPECT_FALSE(ds().isEditing());
    auto other = ds().clone();
    ASSERT_TRUE(other->locate(field::BookName, QStringLiteral("Азбука")));
    EXPECT_EQ(other->asString(field::Author), QStringLiteral("Автор"));
    EXPECT_EQ(other->asInt(field::Percent), 42);
    EXPECT_EQ(other->asString(field::Comment), QStringLiteral("заметка"));

    // Typing followed by a row move is posted by the move.
    type(panel->DBETopic, QStringLiteral("Тема"));
    click(Nav::Next);
    ASSERT_TRUE(other->locate(field::BookName, QStringLiteral("Азбука")));
    EXPECT_EQ(other->asString(field::Topic), QStringLiteral("Тема"));

    // Cancel drops typing; hidden, the panel is unbound and read-only.
    type(panel->DBEBookName, QStringLiteral("Опечатка"));
    click(Nav::Cancel);
    EXPECT_EQ(panel->DBEBookName->text(), QStringLiteral("Букварь"));
    showPanel(false);
    EXPECT_TRUE(panel->DBEBookName->isReadOnly());
    Q_EMIT panel->DBEBookName->textEdited(QStringLiteral("Не туда"));
    EXPECT_FALSE(ds().isEditing());
    EXPECT_EQ(storedTitles(), QStringList({QStringLiteral("Азбука"), QStringLiteral("Букварь")}));
}

TEST_F(PropertiesPanelTest, AnUntouchedInsertedRowIsCancelledNotPosted)
{
    // The new row's defaults alone do not make it filled in.
    startWith([](settings::ProgramSettings& s) { s.defaultAuthor = QStringLiteral("Обычный автор"); });
    showPanel(true);
    const struct {
        const char* what;
        std::function<void()> leave;
    } ways[] = {
        {"navigator row move", [&] { click(Nav::First); }},
        {"grid row move", [&] { form->grid()->setCurrentIndex(form->grid()->model()->index(0, 0)); }},
        {"post button", [&] { click(Nav::Post); }},
        {"delete button", [&] { click(Nav::Delete); }},
        {"another insert", [&] {
             click(Nav::Insert);
             click(Nav::Cancel);
         }},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.what);
        ds().last();
        click(Nav::Insert);
        ASSERT_TRUE(ds().isEditing());
        EXPECT_TRUE(panel->DBEBookName->text().isEmpty());
        EXPECT_EQ(panel->DBEAuthor->text(), QStringLiteral("Обычный автор"));
        w.leave();
        EXPECT_FALSE(ds().isEditing());
        EXPECT_EQ(ds().recordCount(), 2);
        EXPECT_EQ(storedTitles(), QStringList({QStringLiteral("Азбука"), QStringLiteral("Букварь")}));
    }

    // The catalogue's close drops it too.
    click(Nav::Insert);
    form->catalogue().SwitchCatalogue({});
    EXPECT_EQ(storedTitles(), QStringList({QStringLiteral("Азбука"), QStringLiteral("Букварь")}));
    form->catalogue().OpenCatalogue(path);

    // A filled one is posted by the row move.
    ds().last();
    click(Nav::Insert);
    type(panel->DBEBookName, QStringLiteral("Новая"));
    click(Nav::First);
    EXPECT_EQ(ds().recordCount(), 3);
    EXPECT_TRUE(storedTitles().contains(QStringLiteral("Новая")));
}

TEST_F(PropertiesPanelTest, DeleteAsksFirst)
{
    startWith();
    showPanel(true);
    ds().first();
    ui.expectQuestion(catalogue::deleteRowQuestion(), util::Answer::No);
    click(Nav::Delete);
    EXPECT_EQ(storedTitles().size(), 2);
    ui.expectQuestion(catalogue::deleteRowQuestion(), util::Answer::Yes);
    click(Nav::Delete);
    EXPECT_EQ(storedTitles(), QStringList({QStringLiteral("Букварь")}));
    EXPECT_EQ(panel->DBEBookName->text(), QStringLiteral("Букварь"));
}

TEST_F(PropertiesPanelTest, TheReadingDatesAreAskedForByButtonClickAndEnter)
{
    startWith();
    showPanel(true);
    QList<int> tags;
    QObject::connect(panel, &app::PropertiesPanel::readingDateRequested, [&tags](int tag) { tags << tag; });
    // Each request opens the date picker, cancelled here.
    for (int i = 0; i < 6; ++i)
        ui.expectDialog(catalogue::calendar::dateCaption(util::clock().today()), {}, QDialog::Rejected);
    panel->ButFirst->click();
    panel->ButLast->click();
    for (QLineEdit* edit : {panel->DBEFirst, panel->DBELast}) {
        const QPointF at(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
    int reachedTheEdit = 0;
    for (QLineEdit* edit : {panel->DBEFirst, panel->DBELast}) {
        QObject::connect(edit, &QLineEdit::returnPressed, [&reachedTheEdit] { ++reachedTheEdit; });
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
    }
    EXPECT_EQ(reachedTheEdit, 0) << "Enter is consumed";
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(panel->DBEFirst, &letter);
    EXPECT_EQ(tags, QList<int>({1, 2, 1, 2, 1, 2}));
    EXPECT_TRUE(panel->DBEFirst->text().isEmpty()) << "the date is not typed";
    ui.verifyAllConsumed();
}

TEST_F(PropertiesPanelTest, ADatePickedForTheFirstReadingShowsInThePanelAndIsPostedWithTheRow)
{
    startWith();
    showPanel(true);
    const QDate today = util::clock().today();
    ui.expectDialog(catalogue::calendar::dateCaption(today),
                    [](QDialog& d) { dynamic_cast<catalogue::TFormDate&>(d).ButTodayClick(); });
    panel->ButFirst->click();
    ui.verifyAllConsumed();
    EXPECT_EQ(panel->DBEFirst->text(), today.toString(QStringLiteral("dd.MM.yyyy")));
    triggerCommand(*form, "mSave");
    EXPECT_EQ(form->catalogue().Ds().asDate(field::First), today);
}

} // namespace
} // namespace folianto::test
