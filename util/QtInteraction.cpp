#include "util/QtInteraction.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QTranslator>
#include <QMessageBox>

namespace folianto::util {

namespace {

Interaction* g_current = nullptr;

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct QuestionButtons {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape; // the answer when the box is closed
};

QuestionButtons buttonsFor(Question question)
{
    switch (question) {
    case Question::YesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case Question::OkCancel: return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case Question::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok, QMessageBox::Ok};
}

Answer answerFor(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

// A file dialog set up from a request; the caller picks its mode.
void prepare(QFileDialog& dialog, const FileDialogRequest& r)
{
    dialog.setWindowTitle(r.caption);
    if (!r.directory.isEmpty()) {
        const QFileInfo info(r.directory);
        if (info.isDir()) {
            dialog.setDirectory(r.directory);
        } else {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
    if (!r.filter.isEmpty())
        dialog.setNameFilters(r.filter.split(QStringLiteral(";;")));
    QString suffix = r.defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
}

} // namespace

QString displayText(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QString QtInteraction::caption() const
{
    return caption_.isEmpty() ? QGuiApplication::applicationDisplayName() : caption_;
}

void QtInteraction::message(const QString& text, MessageKind kind)
{
    QMessageBox box(iconFor(kind), caption(), displayText(text), QMessageBox::Ok, dialogParent());
    box.exec();
}

Answer QtInteraction::ask(const QString& text, Question question, MessageKind kind)
{
    const QuestionButtons b = buttonsFor(question);
    QMessageBox box(iconFor(kind), caption(), displayText(text), b.buttons, dialogParent());
    box.setEscapeButton(b.escape);
    box.exec();
    // A box closed without a button (window closed, Escape) answers with its escape button.
    const QMessageBox::StandardButton pressed =
        box.clickedButton() ? box.standardButton(box.clickedButton()) : QMessageBox::NoButton;
    return answerFor(pressed == QMessageBox::NoButton ? b.escape : pressed);
}

std::optional<QString> QtInteraction::inputText(const QString& caption, const QString& prompt,
                                                const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), caption, displayText(prompt),
                                               QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtInteraction::openFileName(const FileDialogRequest& r)
{
    QFileDialog dialog(dialogParent());
    prepare(dialog, r);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(r.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QStringList QtInteraction::openFileNames(const FileDialogRequest& r)
{
    QFileDialog dialog(dialogParent());
    prepare(dialog, r);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtInteraction::saveFileName(const FileDialogRequest& r)
{
    return saveFileChoice(r).path;
}

FileChoice QtInteraction::saveFileChoice(const FileDialogRequest& r)
{
    QFileDialog dialog(dialogParent());
    prepare(dialog, r);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const int index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return {dialog.selectedFiles().first(), index < 0 ? 1 : index + 1};
}

QString QtInteraction::folderName(const QString& caption, const QString& directory)
{
    return QFileDialog::getExistingDirectory(dialogParent(), caption, directory);
}

std::optional<QFont> QtInteraction::chooseFont(const QFont& initial)
{
    return chooseViewFont(initial, false);
}

std::optional<QFont> QtInteraction::chooseViewFont(const QFont& initial, bool fixedPitchOnly)
{
    bool ok = false;
    const QFontDialog::FontDialogOptions options = fixedPitchOnly ? QFontDialog::MonospacedFonts : QFontDialog::FontDialogOptions();
    const QFont font = QFontDialog::getFont(&ok, initial, dialogParent(), QString(), options);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtInteraction::chooseColor(const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, dialogParent());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

int QtInteraction::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

bool installQtRussianTranslation()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

QtInteraction& qtInteraction()
{
    static QtInteraction instance;
    return instance;
}

Interaction& interaction()
{
    return g_current ? *g_current : qtInteraction();
}

void setInteraction(Interaction* instance)
{
    g_current = instance == &qtInteraction() ? nullptr : instance;
}

} // namespace folianto::util
