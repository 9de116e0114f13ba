#pragma once
// The commands of the grid's submenu "&Файловые операции" on the book files that rows link
// to: open the folder, copy or move, rename and delete the current row's file (located as the
// reader locates it, so stale links work too), and copy or move the files of every row of the
// view into one folder. The links follow the files; no command leaves a link to a file that it
// removed, and a source goes only after its copy is whole on disk.

#include <QString>

namespace folianto::fileops {

class FileCommandsHost;

class FileCommands {
public:
    // The tags of the items that share mpCopyFileClick.
    enum Tag { CopyTag = 1, RenameTag = 2, DeleteTag = 3 };

    explicit FileCommands(FileCommandsHost& host) : host_(host) {}

    // "&Открыть папку": the folder of the stored link, opened by the desktop when it exists.
    void mpOpenFolderClick();
    // "&Копировать/переместить файл..." (1), "&Переименовать файл..." (2), "&Удалить файл..." (3).
    void mpCopyFileClick(int tag);
    // "Копировать/переместить группу...".
    void mpCopyFileGroupClick();

    static QString notFoundText(const QString& name);
    static QString copyFailedText();   // "Копирование не удалось!"
    static QString deleteFailedText(); // "Удалить файл не удалось!"
    static QString renameFailedText(); // "Переименовать файл не удалось!"
    static QString copyQuestion(const QString& source, const QString& target);
    static QString deleteSourceQuestion();
    static QString deleteQuestion(const QString& file);
    static QString groupFoundQuestion(int found);
    static QString groupModeQuestion();
    static QString groupNothingFoundText(); // "По прямым ссылкам файлов не найдено!"

private:
    // The current row's file as the reader finds it, or empty after telling the user.
    QString locateSource();
    void copyOrMove(const QString& source);
    void rename(const QString& source);
    void remove(const QString& source);

    FileCommandsHost& host_;
};

} // namespace folianto::fileops
