#include "support/ScriptedInteraction.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace folianto;
using folianto::test::ScriptedInteraction;
using util::Answer;
using util::MessageKind;
using util::Question;

namespace {

// A small dialog with one edit and OK/Cancel, refusing OK while the edit is empty.
class NameDialog : public QDialog {
public:
    NameDialog()
    {
        setWindowTitle(QStringLiteral("Имя"));
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("EdName"));
        buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(edit);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    void accept() override
    {
        if (!edit->text().isEmpty())
            QDialog::accept();
    }
    QLineEdit* edit;
    QDialogButtonBox* buttons;
};

} // namespace

TEST(ScriptedInteraction, AnswersInOrderAndRecordsPrompts)
{
    ScriptedInteraction ui;
    test::InstalledInteraction installed(ui);
    ui.expectMessage(QStringLiteral("Файл пуст !"), MessageKind::Warning)
        .expectQuestion(QStringLiteral("Закрыть программу?"), Answer::Ok, Question::OkCancel)
        .expectInput(QStringLiteral("Поиск"), QStringLiteral("Текст:"), QStringLiteral("книга"),
                     QStringLiteral("нач"))
        .expectSaveFile(QStringLiteral("Сохранение каталога"), QStringLiteral("/tmp/a.dbf"), 3);

    util::interaction().message(QStringLiteral("Файл пуст !"), MessageKind::Warning);
    EXPECT_EQ(util::interaction().ask(QStringLiteral("Закрыть программу?"), Question::OkCancel),
              Answer::Ok);
    EXPECT_EQ(util::interaction().inputText(QStringLiteral("Поиск"), QStringLiteral("Текст:"),
                                            QStringLiteral("нач")),
              QStringLiteral("книга"));
    const util::FileChoice choice = util::interaction().saveFileChoice(
        {.caption = QStringLiteral("Сохранение каталога"), .directory = QStringLiteral("/tmp")});
    EXPECT_EQ(choice.path, QStringLiteral("/tmp/a.dbf"));
    EXPECT_EQ(choice.filterNumber, 3);

    EXPECT_EQ(ui.pendingCount(), 0);
    ASSERT_EQ(ui.prompts().size(), 4u);
    EXPECT_EQ(ui.prompts()[3].request.directory, QStringLiteral("/tmp"));
}

TEST(ScriptedInteraction, CancelledInputAndFileDialogs)
{
    ScriptedInteraction ui;
    ui.expectInput(QStringLiteral("A"), QStringLiteral("B"), std::nullopt)
        .expectOpenFile(QStringLiteral("Открыть"), QString())
        .expectColor(std::nullopt);
    EXPECT_EQ(ui.inputText(QStringLiteral("A"), QStringLiteral("B"), QString()), std::nullopt);
    EXPECT_TRUE(ui.openFileName({.caption = QStringLiteral("Открыть")}).isEmpty());
    EXPECT_EQ(ui.chooseColor(Qt::red), std::nullopt);
}

TEST(ScriptedInteraction, FailsOnWrongText)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            ui.expectQuestion(QStringLiteral("Удалить запись?"), Answer::Yes);
            // The scripted answer is still given, so the command under test goes on.
            EXPECT_EQ(ui.ask(QStringLiteral("Удалить записи?"), Question::YesNo), Answer::Yes);
        },
        "text differs");
}

TEST(ScriptedInteraction, FailsOnUnexpectedPromptAndAnswersSafely)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            EXPECT_EQ(ui.ask(QStringLiteral("Продолжить?"), Question::YesNoCancel),
                      Answer::Cancel);
        },
        "unexpected question");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            ui.expectMessage(QStringLiteral("Готово"));
            EXPECT_EQ(ui.ask(QStringLiteral("Готово"), Question::YesNo), Answer::No);
        },
        "expected message");
}

TEST(ScriptedInteraction, FailsOnWrongButtonsOrPrefill)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            ui.expectQuestion(QStringLiteral("Q"), Answer::Ok, Question::OkCancel);
            ui.ask(QStringLiteral("Q"), Question::YesNo);
        },
        "other buttons");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            ui.expectInput(QStringLiteral("C"), QStringLiteral("P"), QStringLiteral("x"),
                           QStringLiteral("old"));
            ui.inputText(QStringLiteral("C"), QStringLiteral("P"), QStringLiteral("new"));
        },
        "prefill differs");
}

TEST(ScriptedInteraction, ReportsUnconsumedExpectations)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            ui.expectMessage(QStringLiteral("Нет файлов для добавления!"));
        },
        "\"Нет файлов для добавления!\" was never shown");
}

TEST(ScriptedInteraction, FillsAndAcceptsDialog)
{
    ScriptedInteraction ui;
    NameDialog dialog;
    ui.expectDialog(QStringLiteral("Имя"), [](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("EdName"))->setText(QStringLiteral("Пушкин"));
    });
    EXPECT_EQ(ui.runDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.edit->text(), QStringLiteral("Пушкин"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ScriptedInteraction, FillerMayPressTheDialogsOwnButtons)
{
    ScriptedInteraction ui;
    NameDialog dialog;
    ui.expectDialog(QStringLiteral("Имя"), [](QDialog& d) {
        auto& nd = static_cast<NameDialog&>(d);
        nd.buttons->button(QDialogButtonBox::Cancel)->click();
    }, QDialog::Accepted);
    EXPECT_EQ(ui.runDialog(dialog), QDialog::Rejected);
}

TEST(ScriptedInteraction, DialogThatRefusesToCloseFailsTheTest)
{
    NameDialog dialog; // its OK is refused while the edit is empty
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedInteraction ui;
            ui.expectDialog(QStringLiteral("Имя"));
            EXPECT_EQ(ui.runDialog(dialog), QDialog::Rejected);
        },
        "did not close");
}
