#pragma once
// The Interaction seam shown with Qt's own widgets: message boxes, input boxes and the
// standard file, folder, font and colour dialogs. Button texts come from the Qt translation
// that the program loads at start.

#include "util/Interaction.h"

class QWidget;

namespace folianto::util {

class QtInteraction : public Interaction {
public:
    // Caption of message and input boxes; empty (the default) means the application's
    // display name.
    void setCaption(const QString& caption) { caption_ = caption; }
    QString caption() const;

    void message(const QString& text, MessageKind kind = MessageKind::Information) override;
    Answer ask(const QString& text, Question question,
               MessageKind kind = MessageKind::Confirmation) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& initial) override;

    QString openFileName(const FileDialogRequest& r) override;
    QStringList openFileNames(const FileDialogRequest& r) override;
    QString saveFileName(const FileDialogRequest& r) override;
    FileChoice saveFileChoice(const FileDialogRequest& r) override;
    QString folderName(const QString& caption, const QString& directory) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QFont> chooseViewFont(const QFont& initial, bool fixedPitchOnly) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;

    int runDialog(QDialog& dialog) override;

private:
    QString caption_;
};

// The program's messages write a line break as "\r" (sometimes "\r\n"); Qt wants "\n".
QString displayText(const QString& text);

// Installs Qt's own Russian translation ("qtbase_ru") in the application, so that standard
// buttons read "Да", "Нет", "Отмена". False when the translation is not installed.
bool installQtRussianTranslation();

// The instance that interaction() falls back to.
QtInteraction& qtInteraction();

} // namespace folianto::util
