#pragma once
// A test stand-in for every prompt of the program. A test queues the prompts it expects, in
// order, each with its exact text and the answer to give; the program's calls consume them.
// A prompt that nobody expected, or whose text or kind differs, fails the test; expectations
// still queued when the object goes away fail it too.
//
//   folianto::test::ScriptedInteraction ui;
//   folianto::test::InstalledInteraction installed(ui);
//   ui.expectQuestion("Закрыть программу?", Answer::Ok);
//   ui.expectDialog("Условия поиска файла", [](QDialog& d) { /* fill controls */ });

#include "util/Interaction.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

namespace folianto::test {

using util::Answer;
using util::MessageKind;
using util::Question;

class ScriptedInteraction : public util::Interaction {
public:
    enum class Kind { Message, Question, Input, OpenFile, OpenFiles, SaveFile, Folder, Font, Color,
                      Dialog };

    // One prompt as the program put it, for checks beyond the scripted text.
    struct Prompt {
        Prompt(Kind k, QString t = {}, QString c = {}, QString i = {})
            : kind(k), text(std::move(t)), caption(std::move(c)), initial(std::move(i))
        {
        }
        Kind kind;
        QString text;    // message or question text, input prompt, dialog caption
        QString caption; // input box caption
        QString initial; // input box prefill, file or folder dialog start folder
        util::FileDialogRequest request; // file dialogs only
        std::optional<MessageKind> messageKind;
        std::optional<Question> question;
    };

    using DialogFiller = std::function<void(QDialog&)>;

    ScriptedInteraction() = default;
    ScriptedInteraction(const ScriptedInteraction&) = delete;
    ScriptedInteraction& operator=(const ScriptedInteraction&) = delete;
    ~ScriptedInteraction() override;

    // Expectations, answered in the order queued. An unset kind or question is not checked.
    ScriptedInteraction& expectMessage(const QString& text,
                                       std::optional<MessageKind> kind = std::nullopt);
    ScriptedInteraction& expectQuestion(const QString& text, Answer answer,
                                        std::optional<Question> question = std::nullopt);
    // nullopt answers Cancel. An unset initial text is not checked.
    ScriptedInteraction& expectInput(const QString& caption, const QString& prompt,
                                     std::optional<QString> answer,
                                     std::optional<QString> initial = std::nullopt);
    // File dialogs are matched by caption; an empty answer is Cancel.
    ScriptedInteraction& expectOpenFile(const QString& caption, const QString& answer);
    ScriptedInteraction& expectOpenFiles(const QString& caption, const QStringList& answer);
    ScriptedInteraction& expectSaveFile(const QString& caption, const QString& answer,
                                        int filterNumber = 1);
    ScriptedInteraction& expectFolder(const QString& caption, const QString& answer);
    ScriptedInteraction& expectFont(std::optional<QFont> answer);
    ScriptedInteraction& expectColor(std::optional<QColor> answer);
    // A modal dialog, matched by its window title. The filler (may be empty) sets the controls;
    // if it did not close the dialog itself (for example by clicking its OK button), the dialog
    // is then accepted or rejected as `result` says, through its own accept()/reject().
    ScriptedInteraction& expectDialog(const QString& title, DialogFiller filler = {},
                                      int result = QDialog::Accepted);

    // Every prompt received so far, expected or not.
    const std::vector<Prompt>& prompts() const { return prompts_; }
    // Texts of the prompts received so far (the text field of each).
    QStringList promptTexts() const;
    int pendingCount() const { return static_cast<int>(queue_.size()); }
    // Fails the test for each expectation still queued, and forgets them.
    void verifyAllConsumed();

    // util::Interaction
    void message(const QString& text, MessageKind kind = MessageKind::Information) override;
    Answer ask(const QString& text, Question question,
               MessageKind kind = MessageKind::Confirmation) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial) override;
    QString openFileName(const util::FileDialogRequest& r) override;
    QStringList openFileNames(const util::FileDialogRequest& r) override;
    QString saveFileName(const util::FileDialogRequest& r) override;
    util::FileChoice saveFileChoice(const util::FileDialogRequest& r) override;
    QString folderName(const QString& caption, const QString& directory) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    int runDialog(QDialog& dialog) override;

private:
    struct Expectation {
        Expectation(Kind k, QString t = {}, QString c = {})
            : kind(k), text(std::move(t)), caption(std::move(c))
        {
        }
        Kind kind;
        QString text;
        QString caption;
        std::optional<MessageKind> messageKind;
        std::optional<Question> question;
        std::optional<QString> initial;
        Answer answer = Answer::Cancel;
        std::optional<QString> textAnswer;
        QStringList listAnswer;
        int filterNumber = 1;
        std::optional<QFont> font;
        std::optional<QColor> color;
        DialogFiller filler;
        int dialogResult = QDialog::Rejected;
    };

    // Records the prompt and takes the next expectation when it fits; nullopt (after failing the
    // test) when nothing was expected or the kind differs.
    std::optional<Expectation> take(const Prompt& prompt);
    ScriptedInteraction& push(Expectation e);

    std::deque<Expectation> queue_;
    std::vector<Prompt> prompts_;
};

// Installs an Interaction for the lifetime of this object and puts the previous one back.
class InstalledInteraction {
public:
    explicit InstalledInteraction(util::Interaction& instance);
    ~InstalledInteraction();
    InstalledInteraction(const InstalledInteraction&) = delete;
    InstalledInteraction& operator=(const InstalledInteraction&) = delete;

private:
    util::Interaction* previous_;
};

const char* kindName(ScriptedInteraction::Kind kind);

} // namespace folianto::test
