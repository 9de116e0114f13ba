#include "util/QtInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace folianto;
using util::Answer;
using util::Question;

namespace {

// Runs `act` on the message box once it is showing, from inside its event loop.
void whenBoxShows(std::function<void(QMessageBox&)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        act(*box);
    });
    timer->start();
}

} // namespace

TEST(QtInteraction, DisplayTextTurnsCarriageReturnsIntoLineBreaks)
{
    EXPECT_EQ(util::displayText(QStringLiteral("Копирование завершено!\rУдалить?")),
              QStringLiteral("Копирование завершено!\nУдалить?"));
    EXPECT_EQ(util::displayText(QStringLiteral("a\r\nb\rc\n")), QStringLiteral("a\nb\nc\n"));
}

TEST(QtInteraction, QuestionShowsItsButtonsAndReturnsThePressedOne)
{
    util::QtInteraction ui;
    ui.setCaption(QStringLiteral("Folianto 3.03"));
    QString shownText, shownTitle;
    QMessageBox::StandardButtons shownButtons;
    whenBoxShows([&](QMessageBox& box) {
        shownText = box.text();
        shownTitle = box.windowTitle();
        shownButtons = box.standardButtons();
        box.button(QMessageBox::No)->click();
    });
    const Answer answer = ui.ask(QStringLiteral("Первая строка\rвторая"), Question::YesNoCancel);
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(shownText, QStringLiteral("Первая строка\nвторая"));
    EXPECT_EQ(shownTitle, QStringLiteral("Folianto 3.03"));
    EXPECT_EQ(shownButtons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST(QtInteraction, ClosingAQuestionAnswersItsNegativeButton)
{
    const struct {
        Question question;
        Answer closed;
    } cases[] = {
        {Question::YesNo, Answer::No},
        {Question::OkCancel, Answer::Cancel},
        {Question::YesNoCancel, Answer::Cancel},
    };
    util::QtInteraction ui;
    for (const auto& c : cases) {
        whenBoxShows([](QMessageBox& box) { box.close(); });
        EXPECT_EQ(ui.ask(QStringLiteral("?"), c.question), c.closed);
        whenBoxShows([](QMessageBox& box) { box.reject(); });
        EXPECT_EQ(ui.ask(QStringLiteral("?"), c.question), c.closed);
    }
}

TEST(QtInteraction, MessageCaptionDefaultsToTheApplicationName)
{
    util::QtInteraction ui;
    EXPECT_EQ(ui.caption(), QGuiApplication::applicationDisplayName());
    ui.setCaption(QStringLiteral("Свой"));
    EXPECT_EQ(ui.caption(), QStringLiteral("Свой"));
}

TEST(QtInteraction, RussianTranslationGivesRussianButtons)
{
    if (!util::installQtRussianTranslation())
        GTEST_SKIP() << "Qt's Russian translation (qt6-translations-l10n) is not installed";
    QStringList texts;
    whenBoxShows([&texts](QMessageBox& box) {
        for (const auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            texts << box.button(b)->text().remove(QLatin1Char('&'));
        box.button(QMessageBox::Yes)->click();
    });
    util::QtInteraction ui;
    EXPECT_EQ(ui.ask(QStringLiteral("?"), Question::YesNoCancel), Answer::Yes);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}));
}
