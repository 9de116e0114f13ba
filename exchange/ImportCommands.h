#pragma once
// The import commands of "И&мпорт данных" that add rows from files: "Ф&айловый импорт..."
// and files dropped on the catalogue, "Импорт из &каталога..." (another catalogue file) and
// "Импорт из &BBS,ION..." (description files). Each works on the open catalogue in one bulk
// change with a single write at the end.

#include "exchange/ImportCommandsHost.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace folianto::exchange {

class ImportSink;

class ImportCommands {
public:
    explicit ImportCommands(ImportCommandsHost& host) : host_(host) {}

    static QString folderBrowserTitle(); // "Выбор корневой директории для сканирования: "
    static QString noFilesText();        // "Нет файлов для добавления!"
    static QString folderQuestion(int count);
    static QString mergeDialogTitle();   // "Вставка Bon-файла"
    static QString mergeQuestion(int count);
    static QString descriptionDialogTitle(); // "Импорт из файлов описаний"

    // "Ф&айловый импорт...": the folder browser, then the import of the chosen folder.
    void mImportFoldersClick();
    // The import of a folder (`root`) or, when `list` is given, of those files and folders:
    // the count, the question, and the adding pass that lists the disk afresh.
    void ImportFiles(const QString& root, const std::optional<QStringList>& list = std::nullopt);
    // Files and folders dropped on the catalogue: one existing file opens the book card in
    // adding mode; anything else is imported in bulk.
    void WMDropFiles(const QStringList& paths);

    // "Импорт из &каталога...".
    void mImportBonClick();
    // "Импорт из &BBS,ION...".
    void mImportBBSClick();

private:
    enum class TopicsChange { No, Yes };
    bool beginCommand();
    // One bulk change of `steps` steps running `work`; its error is shown. With topics changed
    // the topic cache is marked stale afterwards, also when the work was cut short.
    void runBulk(int steps, TopicsChange topics, const std::function<void(ImportSink&)>& work);
    void importDescriptionFile(const QString& path);

    ImportCommandsHost& host_;
};

} // namespace folianto::exchange
