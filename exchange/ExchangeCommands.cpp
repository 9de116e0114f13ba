#include "exchange/ExchangeCommands.h"

#include "catalogue/BulkChange.h"
#include "catalogue/Catalogue.h"
#include "catalogue/WaitCursor.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"
#include "engines/dbf/DbfWriter.h"
#include "exchange/CatalogueExport.h"
#include "exchange/DbfImport.h"
#include "exchange/ImportDbfPage.h"
#include "util/Clock.h"
#include "util/Interaction.h"

#include <QDialog>
#include <QFileInfo>

namespace folianto::exchange {

namespace {

// The progress bar shown for the life of this object, hidden and reset on every way out.
class ShownProgress {
public:
    explicit ShownProgress(ExchangeCommandsHost& host) : host_(host)
    {
        host_.setProgress(0);
        host_.setProgressVisible(true);
    }
    ~ShownProgress()
    {
        host_.setProgressVisible(false);
        host_.setProgress(0);
    }
    Progress callback() const
    {
        return [this](int percent) { host_.setProgress(percent); };
    }

private:
    ExchangeCommandsHost& host_;
};

// The catalogue's data-aware controls suspended for the life of this object.
class SuspendedControls {
public:
    explicit SuspendedControls(table::Dataset& ds) : ds_(ds) { ds_.disableControls(); }
    ~SuspendedControls() { ds_.enableControls(); }

private:
    table::Dataset& ds_;
};

} // namespace

ExchangeCommands::ExchangeCommands(ExchangeCommandsHost& host) : host_(host) {}

QString ExchangeCommands::saveCaption() { return QStringLiteral("Сохранение каталога"); }
QString ExchangeCommands::saveFilter()
{
    return QStringLiteral("Folianto files (*.bon);;Text files (*.txt);;DBF files (*.dbf);;ZIP files (*.zip);;"
                          "CSV UTF-8 (*.csv)");
}
QString ExchangeCommands::delimiterCaption() { return QStringLiteral("Запись в файл с разделителем"); }
QString ExchangeCommands::delimiterPrompt() { return QStringLiteral("Введите символ-разделитель (\"t\"-табулятор)"); }
QString ExchangeCommands::tableExistsText() { return QStringLiteral("Table exists.  Do you want to overwrite?"); }
QString ExchangeCommands::importFilter() { return QStringLiteral("Dbf files (*.dbf *.DBF)"); }
QString ExchangeCommands::importCountText(int records)
{
    return QStringLiteral("В ваш каталог будет добавлено %1 строк").arg(records);
}

void ExchangeCommands::mSaveCatAsClick()
{
    catalogue::Catalogue& cat = host_.catalogue();
    if (!cat.isOpen())
        return;
    cat.finishPendingEdit();
    if (cat.Ds().recordCount() == 0)
        return;
    util::FileDialogRequest request;
    request.caption = saveCaption();
    request.directory = QFileInfo(cat.fileName()).path();
    request.filter = saveFilter();
    request.defaultSuffix = QStringLiteral("bon");
    const util::FileChoice choice = util::interaction().saveFileChoice(request);
    if (choice.path.isEmpty() || choice.filterNumber < int(ExportType::Catalogue)
        || choice.filterNumber > int(ExportType::CsvUtf8))
        return;
    try {
        cat.WriteCatalogueFile();
    } catch (const table::TableError& e) {
        util::interaction().showError(e.message());
        return;
    }
    const auto type = ExportType(choice.filterNumber);
    // A copy onto the catalogue's own file: the file was just written whole, and a filtered
    // copy would drop the hidden rows from it.
    if (type == ExportType::Catalogue && QFileInfo(choice.path) == QFileInfo(cat.fileName()))
        return;
    QChar delimiter = host_.exportDelimiter();
    if (type == ExportType::Text) {
        const std::optional<QString> answer =
            util::interaction().inputText(delimiterCaption(), delimiterPrompt(), delimiterAnswer(delimiter));
        const std::optional<QChar> chosen = answer ? delimiterFromAnswer(*answer) : std::nullopt;
        if (!chosen)
            return;
        delimiter = *chosen;
        host_.setExportDelimiter(delimiter);
    }
    // A table that exists is replaced only when the user says so; Cancel ends the export.
    if (type == ExportType::Dbf && QFileInfo::exists(dbf::DbfWriter::withDefaultExtension(choice.path))
        && util::interaction().ask(tableExistsText(), util::Question::OkCancel, util::MessageKind::Warning)
            != util::Answer::Ok)
        return;
    exportView(type, choice.path, delimiter);
    host_.UpdateViewState();
}

void ExchangeCommands::exportView(ExportType type, const QString& target, QChar delimiter)
{
    catalogue::Catalogue& cat = host_.catalogue();
    ExportRequest request;
    request.type = type;
    request.target = target;
    request.catalogueFile = cat.fileName();
    request.delimiter = delimiter;
    request.when = util::clock().now();
    {
        SuspendedControls suspended(cat.Ds());
        catalogue::WaitCursor wait;
        ShownProgress progress(host_);
        try {
            runExport(cat.Ds(), request, progress.callback()); // a failed zip is not reported
        } catch (const table::TableError& e) {
            util::interaction().showError(e.message());
        } catch (const dbf::DbfError& e) {
            util::interaction().showError(e.message());
        }
    }
    if (type != ExportType::Zip && (type != ExportType::Catalogue || cat.Ds().filtered()))
        cat.Ds().first();
}

void ExchangeCommands::mImportClick()
{
    catalogue::Catalogue& cat = host_.catalogue();
    if (!cat.isOpen())
        return;
    cat.finishPendingEdit();
    util::FileDialogRequest request;
    request.caption = ImportDbfPage::caption();
    request.directory = QFileInfo(cat.fileName()).path();
    request.filter = importFilter();
    const QString path = util::interaction().openFileName(request);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    dbf::DbfReader tab;
    try {
        tab.open(path);
    } catch (const dbf::DbfError&) {
        return; // not a table we can read: the import stops without a word
    }
    DbfImportMapping mapping;
    {
        ImportDbfPage page(tab);
        if (host_.runImportDbfPage(page) != QDialog::Accepted)
            return;
        mapping = page.mapping();
    }
    if (util::interaction().ask(importCountText(tab.recordCount()), util::Question::OkCancel) != util::Answer::Ok)
        return;

    try {
        catalogue::BulkChange bulk(cat);
        importDbfRecords(cat.Ds(), tab, mapping, [&bulk](int percent) { bulk.setProgress(percent); });
        bulk.finish();
        cat.host().clearTopicCache();
    } catch (const table::TableError& e) {
        util::interaction().showError(e.message());
    } catch (const dbf::DbfError&) {
        // The page offers only the table's own fields; nothing else can fail here.
    }
}

} // namespace folianto::exchange
