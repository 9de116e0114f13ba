#include "exchange/ImportCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueHost.h"
#include "exchange/CatalogueMerge.h"
#include "exchange/DescriptionImport.h"
#include "exchange/DescriptionImportPage.h"
#include "exchange/FolderImport.h"
#include "exchange/ImportSink.h"
#include "engines/table/TableError.h"
#include "util/Interaction.h"
#include "util/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

namespace folianto::exchange {

using util::Answer;
using util::interaction;

namespace {

QString errorText(const std::exception& e)
{
    if (const auto* t = dynamic_cast<const table::TableError*>(&e))
        return t->message();
    return QString::fromLocal8Bit(e.what());
}

bool isExistingFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// The open-file dialog; empty when the user cancels or names no existing file.
QString chooseExistingFile(const QString& caption, const QString& filter)
{
    util::FileDialogRequest request;
    request.caption = caption;
    request.filter = filter;
    const QString path = interaction().openFileName(request);
    return isExistingFile(path) ? path : QString();
}

// Empties the topic cache and marks it stale on every way out of an import that may have added
// rows, also one cut short by an error.
class StaleTopicsOnExit {
public:
    explicit StaleTopicsOnExit(catalogue::CatalogueHost& host) : host_(host) {}
    ~StaleTopicsOnExit() { host_.clearTopicCache(); }
    StaleTopicsOnExit(const StaleTopicsOnExit&) = delete;
    StaleTopicsOnExit& operator=(const StaleTopicsOnExit&) = delete;

private:
    catalogue::CatalogueHost& host_;
};

} // namespace

QString ImportCommands::folderBrowserTitle() { return QStringLiteral("Выбор корневой директории для сканирования: "); }
QString ImportCommands::noFilesText() { return QStringLiteral("Нет файлов для добавления!"); }
QString ImportCommands::mergeDialogTitle() { return QStringLiteral("Вставка Bon-файла"); }
QString ImportCommands::descriptionDialogTitle() { return QStringLiteral("Импорт из файлов описаний"); }

QString ImportCommands::folderQuestion(int count)
{
    return QStringLiteral("Внимание! Уникальность файловых ссылок не отслеживается!\rВ ваш каталог будет добавлено ")
        + QString::number(count) + QStringLiteral(" строк") + QStringLiteral("\r")
        + QStringLiteral("Yes    - в каталог будет записан полный путь к файлу") + QStringLiteral("\r")
        + QStringLiteral("No     - в каталог будет записано только имя файла") + QStringLiteral("\r")
        + QStringLiteral("Cancel - отмена");
}

QString ImportCommands::mergeQuestion(int count)
{
    return QStringLiteral("В ваш каталог будет добавлено ") + QString::number(count) + QStringLiteral(" строк");
}

void ImportCommands::runBulk(int steps, TopicsChange topics, const std::function<void(ImportSink&)>& work)
{
    try {
        BulkSink sink(host_.catalogue(), steps);
        std::optional<StaleTopicsOnExit> stale;
        if (topics == TopicsChange::Yes)
            stale.emplace(host_.catalogue().host());
        work(sink);
        sink.finish();
    } catch (const std::exception& e) {
        interaction().showError(errorText(e));
    }
}

bool ImportCommands::beginCommand()
{
    catalogue::Catalogue& cat = host_.catalogue();
    if (!cat.isOpen())
        return false;
    cat.finishPendingEdit();
    return true;
}

// --- files and folders ----------------------------------------------------------------------

void ImportCommands::mImportFoldersClick()
{
    if (!host_.catalogue().isOpen())
        return;
    const QString folder = interaction().folderName(folderBrowserTitle(), QString());
    if (!folder.isEmpty())
        ImportFiles(folder);
}

void ImportCommands::ImportFiles(const QString& root, const std::optional<QStringList>& list)
{
    if (!beginCommand())
        return;
    const FolderImport import(host_.fileDefaults());
    const int count = list ? import.countList(*list) : import.count(root);
    if (count <= 0) {
        interaction().message(noFilesText());
        return;
    }
    const Answer answer = interaction().ask(folderQuestion(count), util::Question::YesNoCancel);
    if (answer != Answer::Yes && answer != Answer::No)
        return;
    const bool fullPath = answer == Answer::Yes;
    runBulk(count, TopicsChange::Yes, [&](ImportSink& sink) {
        if (list)
            import.addList(*list, fullPath, sink);
        else
            import.add(root, fullPath, sink);
    });
}

void ImportCommands::WMDropFiles(const QStringList& paths)
{
    host_.bringToFront();
    if (!host_.catalogue().isOpen() || !host_.catalogueShown() || host_.pageDialogOpen())
        return;
    if (paths.size() == 1 && isExistingFile(paths.front())) {
        host_.catalogue().finishPendingEdit();
        host_.addBookForFile(paths.front());
        return;
    }
    ImportFiles(QString(), paths);
}

// --- another catalogue ----------------------------------------------------------------------

void ImportCommands::mImportBonClick()
{
    if (!beginCommand())
        return;
    const QString path = chooseExistingFile(mergeDialogTitle(), QStringLiteral("Folianto files (*.bon)"));
    if (path.isEmpty())
        return;

    catalogue::Catalogue& cat = host_.catalogue();
    std::unique_ptr<table::Dataset> other;
    try {
        other = loadOtherCatalogue(path, cat.Ds().fieldDefs());
    } catch (const std::exception&) {
        interaction().message(catalogue::Catalogue::accessErrorText(), util::MessageKind::Error);
        return;
    }
    if (interaction().ask(mergeQuestion(other->recordCount()), util::Question::OkCancel) != Answer::Ok)
        return;
    runBulk(other->recordCount(), TopicsChange::Yes, [&](ImportSink& sink) { mergeCatalogueRows(*other, sink); });
}

// --- description files ----------------------------------------------------------------------

void ImportCommands::mImportBBSClick()
{
    if (!beginCommand())
        return;
    const QString path = chooseExistingFile(descriptionDialogTitle(), QStringLiteral("BBS files (*.bbs);;ION files (*.ion)"));
    if (!path.isEmpty())
        importDescriptionFile(path);
}

void ImportCommands::importDescriptionFile(const QString& path)
{
    const QString base = util::withTrailingSeparator(QFileInfo(path).absolutePath());
    const QString text = readDescriptionText(path);
    if (text.isEmpty())
        return;

    DescriptionSettings settings;
    DescriptionImportPage* page = nullptr;
    PageRun run;
    run.page = QStringLiteral("ShBBS");
    run.caption = DescriptionImportPage::caption();
    run.resizable = true;
    run.build = [&](QWidget* widget) {
        page = new DescriptionImportPage(widget);
        page->setText(text);
    };
    run.collect = [&] { settings = page->settings(); };
    if (!host_.runPage(run))
        return;

    const QStringList lines = preparedDescriptionLines(text, settings);
    if (lines.isEmpty())
        return;
    runBulk(int(lines.size()), TopicsChange::No,
            [&](ImportSink& sink) { importDescriptionLines(lines, base, settings, sink); });
}

} // namespace folianto::exchange
