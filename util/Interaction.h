#pragma once
// Every prompt the program puts before the user goes through this seam: message boxes,
// confirmations, three-way questions, input boxes, file/folder/font/colour dialogs and modal
// runs of the program's own dialogs. QtInteraction shows the real thing; tests script answers.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;

namespace folianto::util {

enum class MessageKind { Information, Warning, Error, Confirmation };

// The three kinds of question the program asks.
enum class Answer { Yes, No, Cancel, Ok };
enum class Question { YesNo, OkCancel, YesNoCancel };

struct FileDialogRequest {
    QString caption{};
    QString directory{};     // initial folder or file
    QString filter{};        // Qt filter string, e.g. "Каталоги (*.bon);;Все файлы (*)"
    QString defaultSuffix{}; // with or without the dot
    // Open dialogs only: false lets the user name a file that does not exist yet.
    bool mustExist = true;
};

// A chosen file together with the file type picked in the dialog's filter list.
struct FileChoice {
    QString path;        // empty when cancelled
    int filterNumber = 0; // 1 = the first type of the filter, 0 when cancelled
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A message box with the single button OK.
    virtual void message(const QString& text, MessageKind kind = MessageKind::Information) = 0;
    // A question; the answer is one of the question's buttons (Cancel/No when the box is closed).
    virtual Answer ask(const QString& text, Question question,
                       MessageKind kind = MessageKind::Confirmation) = 0;
    // An input box with a caption, a prompt and a prefilled text; nullopt on Cancel.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& initial) = 0;

    // Empty result (or list) when cancelled.
    virtual QString openFileName(const FileDialogRequest& r) = 0;
    virtual QStringList openFileNames(const FileDialogRequest& r) = 0;
    virtual QString saveFileName(const FileDialogRequest& r) = 0;
    // A save dialog that also reports which file type the user picked.
    virtual FileChoice saveFileChoice(const FileDialogRequest& r) = 0;
    virtual QString folderName(const QString& caption, const QString& directory) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    // The font dialog offering only fixed-pitch fonts when fixedPitchOnly; the Qt one obeys
    // it, a scripted one answers as chooseFont does.
    virtual std::optional<QFont> chooseViewFont(const QFont& initial, bool fixedPitchOnly)
    {
        (void)fixedPitchOnly;
        return chooseFont(initial);
    }
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;

    // Runs a dialog modally and returns QDialog::Accepted or QDialog::Rejected. A scripted
    // implementation may fill the dialog's controls and accept it without showing it.
    virtual int runDialog(QDialog& dialog) = 0;

    // The standard error box for an error that escaped a command.
    void showError(const QString& text) { message(text, MessageKind::Error); }
    bool confirm(const QString& text) { return ask(text, Question::YesNo) == Answer::Yes; }
};

// The program-wide instance: the Qt one unless a test installed its own.
Interaction& interaction();
void setInteraction(Interaction* instance); // nullptr restores the Qt one

} // namespace folianto::util
