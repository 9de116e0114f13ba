#include "fileops/FileCommands.h"

#include "catalogue/BookCardRowCommands.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "fileops/FileCommandsHost.h"
#include "fileops/FileCopy.h"
#include "util/FileSystem.h"
#include "util/Interaction.h"
#include "util/Paths.h"
#include "util/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace folianto::fileops {

using catalogue::field::FileName;
using util::Answer;
using util::MessageKind;
using util::Question;

QString FileCommands::notFoundText(const QString& name)
{
    return QStringLiteral("Исходный файл ") + name + QStringLiteral(" не найден");
}
QString FileCommands::copyFailedText() { return QStringLiteral("Копирование не удалось!"); }
QString FileCommands::deleteFailedText() { return QStringLiteral("Удалить файл не удалось!"); }
QString FileCommands::renameFailedText() { return QStringLiteral("Переименовать файл не удалось!"); }

QString FileCommands::copyQuestion(const QString& source, const QString& target)
{
    return QStringLiteral("Скопировать файл ") + source + QStringLiteral(" в ") + target
        + QStringLiteral("\rYes    - обновить ссылку в каталоге\rNo     - ничего не менять в каталоге"
                         "\rCancel - отмена");
}

QString FileCommands::deleteSourceQuestion()
{
    return QStringLiteral("Копирование завершено! Удалить файл-источник?");
}

QString FileCommands::deleteQuestion(const QString& file)
{
    return QStringLiteral("Удалить файл ") + file
        + QStringLiteral(" ?\rYes    - удалить ссылку в каталоге\rNo     - ничего не менять в каталоге"
                         "\rCancel - отмена");
}

void FileCommands::mpOpenFolderClick()
{
    catalogue::Catalogue& cat = host_.catalogue();
    if (!cat.finishEditOnRow())
        return;
    const QString folder = util::folderOfPath(cat.Ds().asString(FileName), util::Trailing::Drop);
    if (!folder.isEmpty() && QFileInfo(util::nativeSeparators(folder)).isDir())
        util::shell().open(util::nativeSeparators(folder));
}

void FileCommands::mpCopyFileClick(int tag)
{
    catalogue::Catalogue& cat = host_.catalogue();
    if (!cat.finishEditOnRow() || tag < CopyTag || tag > DeleteTag)
        return;
    const QString source = locateSource();
    if (source.isEmpty())
        return;
    switch (tag) {
    case CopyTag: copyOrMove(source); break;
    case RenameTag: rename(source); break;
    default: remove(source); break;
    }
}

QString FileCommands::locateSource()
{
    table::Dataset& ds = host_.catalogue().Ds();
    const QString stored = ds.asString(FileName);
    const QString found = reader::LocateBookFile(ds, host_.locationSettings(), stored);
    // A link that names a folder has no file to work on.
    if (!found.isEmpty() && QFileInfo(found).isFile())
        return found;
    util::interaction().message(notFoundText(util::nativeSeparators(found.isEmpty() ? stored : found)),
                                MessageKind::Warning);
    return {};
}

void FileCommands::copyOrMove(const QString& source)
{
    util::FileDialogRequest request;
    request.caption = QStringLiteral("Копирование файла ") + source;
    request.directory = QDir(QDir::homePath()).filePath(util::nameOfPath(source));
    request.mustExist = false;
    const QString chosen = util::interaction().saveFileName(request);
    if (chosen.isEmpty())
        return;
    const QString target = QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());
    const Answer answer = util::interaction().ask(copyQuestion(source, target), Question::YesNoCancel);
    if (answer == Answer::Cancel)
        return;
    host_.repaintWindow();
    // A file copied onto itself would be offered for deletion as its own source.
    if (!copyFileSafely(source, target)) {
        util::interaction().message(copyFailedText(), MessageKind::Warning);
        return;
    }
    if (answer == Answer::Yes)
        table::editAndPost(host_.catalogue().Ds(), [&] { host_.catalogue().Ds().setValue(FileName, target); });
    if (util::EnsureWritable(source) && util::interaction().confirm(deleteSourceQuestion())
        && !QFile::remove(source))
        util::interaction().message(deleteFailedText(), MessageKind::Warning);
}

void FileCommands::rename(const QString& source)
{
    const QString oldName = util::nameOfPath(source);
    const std::optional<QString> newName =
        util::interaction().inputText(source, QStringLiteral("Новое название:"), oldName);
    host_.repaintWindow();
    if (!newName || *newName == oldName)
        return;
    // A name, not a path: no separators, nothing that names the folder itself.
    const bool plainName = !newName->isEmpty() && *newName != QStringLiteral(".")
        && *newName != QStringLiteral("..") && util::nameOfPath(*newName) == *newName;
    const QString target = util::joinPath(util::folderOfPath(source, util::Trailing::Drop), *newName);
    if (!plainName || !renameFileSafely(source, target)) {
        util::interaction().message(renameFailedText(), MessageKind::Warning);
        return;
    }
    try {
        table::editAndPost(host_.catalogue().Ds(), [&] { host_.catalogue().Ds().setValue(FileName, target); });
    } catch (...) {
        // The catalogue still names the old file: give the file its old name back.
        renameFileSafely(target, source);
        throw;
    }
}

void FileCommands::remove(const QString& source)
{
    const Answer answer = util::interaction().ask(deleteQuestion(source), Question::YesNoCancel);
    if (answer == Answer::Cancel)
        return;
    host_.repaintWindow();
    if (!QFile::remove(source)) {
        util::interaction().message(deleteFailedText(), MessageKind::Warning);
        return;
    }
    if (answer == Answer::Yes)
        catalogue::RemoveCurrentRow(host_.catalogue());
}

} // namespace folianto::fileops
