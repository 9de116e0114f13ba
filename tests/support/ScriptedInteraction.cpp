#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace folianto::test {

const char* kindName(ScriptedInteraction::Kind kind)
{
    using K = ScriptedInteraction::Kind;
    switch (kind) {
    case K::Message: return "message";
    case K::Question: return "question";
    case K::Input: return "input box";
    case K::OpenFile: return "open dialog";
    case K::OpenFiles: return "multiple open dialog";
    case K::SaveFile: return "save dialog";
    case K::Folder: return "folder dialog";
    case K::Font: return "font dialog";
    case K::Color: return "colour dialog";
    case K::Dialog: return "dialog";
    }
    return "prompt";
}

namespace {

std::string show(const QString& text)
{
    return QString(QLatin1Char('"') + text + QLatin1Char('"')).toStdString();
}

} // namespace

ScriptedInteraction::~ScriptedInteraction()
{
    verifyAllConsumed();
}

void ScriptedInteraction::verifyAllConsumed()
{
    for (const Expectation& e : queue_)
        ADD_FAILURE() << "expected " << kindName(e.kind) << ' ' << show(e.text)
                      << " was never shown";
    queue_.clear();
}

QStringList ScriptedInteraction::promptTexts() const
{
    QStringList texts;
    for (const Prompt& p : prompts_)
        texts << p.text;
    return texts;
}

ScriptedInteraction& ScriptedInteraction::push(Expectation e)
{
    queue_.push_back(std::move(e));
    return *this;
}

std::optional<ScriptedInteraction::Expectation> ScriptedInteraction::take(const Prompt& prompt)
{
    prompts_.push_back(prompt);
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(prompt.kind) << ' ' << show(prompt.text);
        return std::nullopt;
    }
    Expectation e = std::move(queue_.front());
    queue_.pop_front();
    if (e.kind != prompt.kind) {
        ADD_FAILURE() << "expected " << kindName(e.kind) << ' ' << show(e.text) << ", got "
                      << kindName(prompt.kind) << ' ' << show(prompt.text);
        return std::nullopt;
    }
    if (e.text != prompt.text)
        ADD_FAILURE() << kindName(prompt.kind) << " text differs:\n  expected " << show(e.text)
                      << "\n  actual   " << show(prompt.text);
    if (e.kind == Kind::Input && e.caption != prompt.caption)
        ADD_FAILURE() << "input box caption differs: expected " << show(e.caption) << ", actual "
                      << show(prompt.caption);
    if (e.initial && *e.initial != prompt.initial)
        ADD_FAILURE() << "input box prefill differs: expected " << show(*e.initial)
                      << ", actual " << show(prompt.initial);
    if (e.messageKind && prompt.messageKind && *e.messageKind != *prompt.messageKind)
        ADD_FAILURE() << kindName(prompt.kind) << ' ' << show(prompt.text)
                      << " has another message kind than expected";
    if (e.question && prompt.question && *e.question != *prompt.question)
        ADD_FAILURE() << "question " << show(prompt.text) << " has other buttons than expected";
    return e;
}

ScriptedInteraction& ScriptedInteraction::expectMessage(const QString& text,
                                                        std::optional<MessageKind> kind)
{
    Expectation e(Kind::Message, text);
    e.messageKind = kind;
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectQuestion(const QString& text, Answer answer,
                                                         std::optional<Question> question)
{
    Expectation e(Kind::Question, text);
    e.answer = answer;
    e.question = question;
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectInput(const QString& caption,
                                                      const QString& prompt,
                                                      std::optional<QString> answer,
                                                      std::optional<QString> initial)
{
    Expectation e(Kind::Input, prompt, caption);
    e.textAnswer = std::move(answer);
    e.initial = std::move(initial);
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectOpenFile(const QString& caption,
                                                         const QString& answer)
{
    Expectation e(Kind::OpenFile, caption);
    e.textAnswer = answer;
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectOpenFiles(const QString& caption,
                                                          const QStringList& answer)
{
    Expectation e(Kind::OpenFiles, caption);
    e.listAnswer = answer;
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectSaveFile(const QString& caption,
                                                         const QString& answer, int filterNumber)
{
    Expectation e(Kind::SaveFile, caption);
    e.textAnswer = answer;
    e.filterNumber = filterNumber;
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectFolder(const QString& caption,
                                                       const QString& answer)
{
    Expectation e(Kind::Folder, caption);
    e.textAnswer = answer;
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectFont(std::optional<QFont> answer)
{
    Expectation e(Kind::Font);
    e.font = std::move(answer);
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectColor(std::optional<QColor> answer)
{
    Expectation e(Kind::Color);
    e.color = std::move(answer);
    return push(std::move(e));
}

ScriptedInteraction& ScriptedInteraction::expectDialog(const QString& title, DialogFiller filler,
                                                       int result)
{
    Expectation e(Kind::Dialog, title);
    e.filler = std::move(filler);
    e.dialogResult = result;
    return push(std::move(e));
}

void ScriptedInteraction::message(const QString& text, MessageKind kind)
{
    Prompt p(Kind::Message, text);
    p.messageKind = kind;
    take(p);
}

Answer ScriptedInteraction::ask(const QString& text, Question question, MessageKind kind)
{
    Prompt p(Kind::Question, text);
    p.messageKind = kind;
    p.question = question;
    const auto e = take(p);
    if (!e)
        return question == Question::YesNo ? Answer::No : Answer::Cancel;
    return e->answer;
}

std::optional<QString> ScriptedInteraction::inputText(const QString& caption,
                                                      const QString& prompt,
                                                      const QString& initial)
{
    Prompt p(Kind::Input, prompt, caption, initial);
    const auto e = take(p);
    return e ? e->textAnswer : std::nullopt;
}

QString ScriptedInteraction::openFileName(const util::FileDialogRequest& r)
{
    Prompt p(Kind::OpenFile, r.caption, {}, r.directory);
    p.request = r;
    const auto e = take(p);
    return e ? e->textAnswer.value_or(QString()) : QString();
}

QStringList ScriptedInteraction::openFileNames(const util::FileDialogRequest& r)
{
    Prompt p(Kind::OpenFiles, r.caption, {}, r.directory);
    p.request = r;
    const auto e = take(p);
    return e ? e->listAnswer : QStringList();
}

QString ScriptedInteraction::saveFileName(const util::FileDialogRequest& r)
{
    return saveFileChoice(r).path;
}

util::FileChoice ScriptedInteraction::saveFileChoice(const util::FileDialogRequest& r)
{
    Prompt p(Kind::SaveFile, r.caption, {}, r.directory);
    p.request = r;
    const auto e = take(p);
    const QString path = e ? e->textAnswer.value_or(QString()) : QString();
    if (path.isEmpty())
        return {};
    return {path, e->filterNumber};
}

QString ScriptedInteraction::folderName(const QString& caption, const QString& directory)
{
    Prompt p(Kind::Folder, caption, {}, directory);
    const auto e = take(p);
    return e ? e->textAnswer.value_or(QString()) : QString();
}

std::optional<QFont> ScriptedInteraction::chooseFont(const QFont& initial)
{
    const auto e = take(Prompt(Kind::Font));
    return e ? e->font : std::nullopt;
}

std::optional<QColor> ScriptedInteraction::chooseColor(const QColor& initial)
{
    const auto e = take(Prompt(Kind::Color));
    return e ? e->color : std::nullopt;
}

int ScriptedInteraction::runDialog(QDialog& dialog)
{
    const auto e = take(Prompt(Kind::Dialog, dialog.windowTitle()));
    if (!e)
        return QDialog::Rejected;
    std::optional<int> finished;
    const auto connection =
        QObject::connect(&dialog, &QDialog::finished, [&finished](int r) { finished = r; });
    if (e->filler)
        e->filler(dialog);
    if (!finished) {
        if (e->dialogResult == QDialog::Accepted)
            dialog.accept();
        else
            dialog.reject();
    }
    QObject::disconnect(connection);
    if (!finished) {
        ADD_FAILURE() << "dialog " << show(dialog.windowTitle()) << " did not close";
        return QDialog::Rejected;
    }
    return *finished;
}

InstalledInteraction::InstalledInteraction(util::Interaction& instance)
    : previous_(&util::interaction())
{
    util::setInteraction(&instance);
}

InstalledInteraction::~InstalledInteraction()
{
    util::setInteraction(previous_);
}

} // namespace folianto::test
