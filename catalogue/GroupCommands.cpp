#include "catalogue/GroupCommands.h"

#include "catalogue/BulkChange.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCommandsHost.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/FilePathPage.h"
#include "catalogue/FilterCommands.h"
#include "catalogue/FilterForms.h"
#include "catalogue/PathRewrite.h"
#include "util/Interaction.h"
#include "util/PageDialog.h"

#include <QTableView>
#include <vector>

namespace folianto::catalogue {

namespace {

// The identities of the rows of a cursor's view, in its order.
std::vector<table::Bookmark> viewRows(const table::Dataset& ds)
{
    std::vector<table::Bookmark> rows;
    const int n = ds.recordCount();
    rows.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        rows.push_back(ds.bookmarkAt(i));
    return rows;
}

// The progress bar in percent, told only when the percentage changes.
class Progress {
public:
    Progress(BulkChange& bulk, size_t total) : bulk_(bulk), total_(total) {}
    void done(size_t rows)
    {
        const int percent = total_ == 0 ? 100 : int(rows * 100 / total_);
        if (percent != shown_)
            bulk_.setProgress(shown_ = percent);
    }

private:
    BulkChange& bulk_;
    size_t total_;
    int shown_ = 0;
};

// Gives each of the rows one change and posts it, through a second cursor without filter or
// sort: the rows were collected before the first change, so a row that then leaves the view or
// moves in its order is neither missed nor met twice. A row that is gone is skipped; a row
// that fails to post is cancelled and left as it was.
template <typename Change>
void changeEach(const std::vector<table::Bookmark>& rows, table::Dataset& cursor, BulkChange& bulk, Change change)
{
    Progress progress(bulk, rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!cursor.bookmarkValid(rows[i]))
            continue;
        cursor.gotoBookmark(rows[i]);
        cursor.edit();
        try {
            change(cursor);
        } catch (...) {
            cursor.cancel();
            throw;
        }
        bulk.postRow(cursor);
        progress.done(i + 1);
    }
}

// Deletes each of the rows once. A row whose deletion fails stays where it is and the walk goes
// on with the next one, so a row that cannot be deleted never makes the walk loop.
void deleteEach(const std::vector<table::Bookmark>& rows, table::Dataset& cursor, BulkChange& bulk)
{
    Progress progress(bulk, rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        try {
            cursor.gotoBookmark(rows[i]);
            cursor.remove();
        } catch (const std::exception&) {
        }
        progress.done(i + 1);
    }
}

// Back to the row that was current, when it is still in the view; declared after the bulk
// change so that it runs before the window's position display is refreshed.
class ReturnToRow {
public:
    explicit ReturnToRow(table::Dataset& ds) : ds_(ds), row_(ds.hasCurrentRow() ? ds.bookmark() : table::Bookmark{}) {}
    ~ReturnToRow() { returnTo(ds_, row_); }
    ReturnToRow(const ReturnToRow&) = delete;
    ReturnToRow& operator=(const ReturnToRow&) = delete;

private:
    table::Dataset& ds_;
    table::Bookmark row_;
};

} // namespace

void clearReadingTraces(table::Dataset& row)
{
    for (const QString& f : {field::First, field::Percent, field::Last, field::Pos, field::Oem})
        row.setNull(f);
}

QString GroupCommands::deleteAllQuestion() { return QStringLiteral("Удалить все записи?"); }
QString GroupCommands::deleteRowsQuestion(int rows) { return QStringLiteral("Удалить %1 строк?").arg(rows); }
QString GroupCommands::changeRowsQuestion(int rows) { return QStringLiteral("Изменить %1 строк?").arg(rows); }
QString GroupCommands::changeLinksQuestion(int rows)
{
    return QStringLiteral("Вы уверены, что хотите изменить пути к файлам\rу %1 ссылок ???").arg(rows);
}
QString GroupCommands::textFieldsOnly() { return QStringLiteral("Только для текстовых полей!"); }
QString GroupCommands::replaceCaption(const QString& old) { return QStringLiteral("Заменить \"") + old + u'"'; }
QString GroupCommands::replacePrompt() { return QStringLiteral("во всех строках данного поля на новое значение:"); }
QString GroupCommands::unreadQuestion() { return QStringLiteral("Удалить отметки о чтении (позицию, процент, даты) ?"); }

GroupCommands::GroupCommands(Catalogue& catalogue, QTableView& grid, CatalogueCommandsHost& host)
    : catalogue_(catalogue), grid_(grid), host_(host)
{
}

void GroupCommands::switchFilterOff()
{
    table::Dataset& ds = catalogue_.Ds();
    ds.setFiltered(false);
    ds.setFilterText({});
    catalogue_.host().resetFilterCommands();
}

void GroupCommands::mpGroupDeleteClick(int tag)
{
    util::runCommand([this, tag] {
        if (!catalogue_.finishEditOnRow() || tag < 1 || tag > 5)
            return;
        table::Dataset& ds = catalogue_.Ds();
        host_.repaintWindow();
        if (tag == 1 && !ds.filtered()) {
            deleteAll();
            return;
        }
        const int rows = ds.recordCount();
        PathRewrite paths;
        if (tag == 5) {
            if (!askPathRewrite(linkFolder(ds.asString(field::FileName)), paths))
                return;
        } else if (!util::interaction().confirm(tag == 1 ? deleteRowsQuestion(rows) : changeRowsQuestion(rows))) {
            return;
        }
        if (tag == 1 && host_.bookOpen())
            host_.closeOpenBook();
        changeView(tag, tag == 5 ? &paths : nullptr);
    });
    host_.UpdateViewState();
}

void GroupCommands::deleteAll()
{
    if (!util::interaction().confirm(deleteAllQuestion()))
        return;
    if (host_.bookOpen())
        host_.closeOpenBook();
    catalogue_.Ds().emptyTable();
    host_.UpdateViewState();
    catalogue_.WriteCatalogueFile();
    catalogue_.ShowRowPosition();
}

bool GroupCommands::askPathRewrite(const QString& folder, PathRewrite& out)
{
    PathRewrite in;
    in.oldDir = folder;
    const std::optional<PathRewrite> typed = util::runPageDialog<FilePathPage>(host_.dialogParent(), in);
    if (!typed)
        return false;
    out = *typed;
    host_.repaintWindow();
    if (!rewriteUseful(out))
        return false;
    return util::interaction().confirm(changeLinksQuestion(catalogue_.Ds().recordCount()));
}

void GroupCommands::changeView(int tag, const PathRewrite* paths)
{
    table::Dataset& ds = catalogue_.Ds();
    const int oem = ds.fieldIndex(field::Oem);
    const int alter = ds.fieldIndex(field::Alter);
    const int link = ds.fieldIndex(field::FileName);
    const QVariant value = ds.value(tag == 3 ? oem : alter);
    const std::vector<table::Bookmark> rows = viewRows(ds);
    const std::unique_ptr<table::Dataset> cursor = ds.clone();

    BulkChange bulk(catalogue_);
    {
        ReturnToRow back(ds);
        switch (tag) {
        case 1:
            deleteEach(rows, *cursor, bulk);
            switchFilterOff();
            break;
        case 2:
            changeEach(rows, *cursor, bulk, [](table::Dataset& row) { clearReadingTraces(row); });
            break;
        case 3:
        case 4:
            changeEach(rows, *cursor, bulk, [&](table::Dataset& row) { row.setValue(tag == 3 ? oem : alter, value); });
            break;
        default:
            changeEach(rows, *cursor, bulk, [&](table::Dataset& row) {
                row.setValue(link, rewriteLink(*paths, row.value(link).toString()));
            });
            break;
        }
    }
    bulk.finish();
}

void GroupCommands::mpReplaceClick()
{
    util::runCommand([this] {
        if (!catalogue_.finishEditOnRow())
            return;
        table::Dataset& ds = catalogue_.Ds();
        const QString name = selectedFieldOf(grid_, ds);
        const int f = ds.fieldIndex(name);
        if (!isTextField(ds.fieldDef(f).type)) {
            util::interaction().message(textFieldsOnly());
            return;
        }
        const QString old = ds.asString(name);
        const std::optional<QString> typed = util::interaction().inputText(replaceCaption(old), replacePrompt(), old);
        if (!typed || *typed == old)
            return;
        host_.repaintWindow();

        // The rows holding the value, case-sensitively, among those the active filter keeps.
        const QString selection = cellFilter(name, old);
        const QString active = ds.filterText();
        const bool narrow = ds.filtered() && !active.isEmpty() && active != selection;
        std::vector<table::Bookmark> rows;
        {
            const std::unique_ptr<table::Dataset> matching = ds.clone();
            matching->setFilterText(narrow ? withinFilter(selection, active) : selection);
            matching->setFiltered(true);
            rows = viewRows(*matching);
        }
        const std::unique_ptr<table::Dataset> cursor = ds.clone();
        const QVariant value = typed->isEmpty() ? QVariant() : QVariant(*typed);

        BulkChange bulk(catalogue_);
        {
            ReturnToRow back(ds);
            try {
                changeEach(rows, *cursor, bulk, [&](table::Dataset& row) { row.setValue(f, value); });
            } catch (const std::exception&) {
                // The walk stops at an error other than a failed post; what changed is written.
            }
            // The filter kept only the rows that changed: it goes off.
            if (ds.filtered() && ds.recordCount() == 0)
                switchFilterOff();
        }
        bulk.finish();
    });
    host_.UpdateViewState();
}

void GroupCommands::mpUnreadClick()
{
    util::runCommand([this] {
        if (!catalogue_.finishEditOnRow())
            return;
        table::Dataset& ds = catalogue_.Ds();
        if (!util::interaction().confirm(unreadQuestion()))
            return;
        table::editAndPost(ds, [&ds] { clearReadingTraces(ds); });
    });
    host_.UpdateViewState();
}

} // namespace folianto::catalogue
