#include "catalogue/Catalogue.h"

#include "catalogue/CatalogueRecord.h"
#include "catalogue/RememberedSort.h"
#include "catalogue/WaitCursor.h"
#include "util/FileSystem.h"
#include "util/Interaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace folianto::catalogue {

using table::TableError;

namespace {

// A file of the right format may still hold some other table: the catalogue needs every one
// of its stored fields, with its type.
bool hasCatalogueFields(const table::FieldDefs& defs)
{
    for (const CatalogueField& f : catalogueFields()) {
        if (f.def.calculated)
            continue;
        const auto it = std::find_if(defs.begin(), defs.end(),
                                     [&](const table::FieldDef& d) { return d.name == f.def.name; });
        if (it == defs.end() || it->type != f.def.type || it->calculated)
            return false;
    }
    return true;
}

// The stored fields of the row being edited (calculated ones read as null).
std::vector<QVariant> storedValues(const table::Dataset& ds)
{
    std::vector<QVariant> values;
    for (int i = 0; i < ds.fieldCount(); ++i)
        values.push_back(ds.fieldDef(i).calculated ? QVariant() : ds.value(i));
    return values;
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

} // namespace

Catalogue::Catalogue(CatalogueHost& host) : host_(host)
{
    ds_.setFieldDefs(catalogueFieldDefs());
    wireEvents();
}

Catalogue::~Catalogue()
{
    // The window closes the catalogue in its close sequence; a table still open here (a test,
    // an aborted start) is dropped without writing and without calling back.
    ds_.events() = {};
    ds_.setFileName({});
}

QString Catalogue::accessErrorText() { return QStringLiteral("Ошибка обращения к каталогу!"); }
QString Catalogue::noCatalogueInfoText() { return QStringLiteral("Откройте или создайте каталог"); }

void Catalogue::wireEvents()
{
    auto& ev = ds_.events();
    ev.afterPost = [this] { afterPostOrDelete(); };
    ev.afterDelete = [this] { afterPostOrDelete(); };
    ev.afterScroll = [this] { ShowRowPosition(); };
    ev.afterOpen = [this] { host_.setInfoText({}); };
    ev.afterClose = [this] { host_.setInfoText(noCatalogueInfoText()); };
    ev.newRecord = [this] { newRecord(); };
    ev.calcFields = [this] { calcFields(); };
}

// --- opening and switching ------------------------------------------------------------------

void Catalogue::OpenCatalogue(const QString& path)
{
    if (!QFileInfo::exists(path) || util::EnsureWritable(path)) {
        SwitchCatalogue(path);
        return;
    }
    util::FileDialogRequest request;
    request.caption = QStringLiteral("Введите директорию для копирования каталога");
    request.directory = QDir::home().filePath(QFileInfo(path).fileName());
    request.filter = QStringLiteral("Folianto files (*.bon)");
    const QString copy = util::interaction().saveFileName(request);
    if (copy.isEmpty()) {
        SwitchCatalogue({});
        return;
    }
    // Naming the source itself as the copy must not delete it: the offer simply comes again.
    if (!sameFile(copy, path)) {
        if (QFileInfo::exists(copy))
            QFile::remove(copy);
        QFile::copy(path, copy);
    }
    if (QFileInfo::exists(copy))
        OpenCatalogue(copy);
    else
        SwitchCatalogue({});
}

bool Catalogue::SwitchCatalogue(const QString& path)
{
    if (isOpen() && path == fileName())
        return true;
    host_.closeOpenBook();
    host_.resetFilterCommands();
    const bool closeFailed = isOpen() && !closeCurrent();
    try {
        ds_.setFiltered(false);
    } catch (const std::exception&) {
    }
    if (closeFailed)
        return false;
    host_.setPositionText({});
    host_.setCatalogueCaption({});
    host_.clearTopicCache();
    if (!path.isEmpty()) {
        openTable(path);
        recomputeFileCheck();
    }
    host_.setCatalogueCaption(path);
    return true;
}

bool Catalogue::closeCurrent()
{
    lastCloseError_.clear();
    rowEventsOn_ = false;
    bool marked = false;
    try {
        finishPendingEdit();
        if (ds_.hasCurrentRow()) {
            ds_.edit();
            ds_.setValue(field::Cur, mark::LastCurrent);
            ds_.post();
            marked = true;
        }
        rowEventsOn_ = true;
        ds_.close();
    } catch (const TableError& e) {
        lastCloseError_ = e.message();
    } catch (const std::exception& e) {
        lastCloseError_ = QString::fromUtf8(e.what());
    }
    if (!ds_.isActive()) {
        host_.clearTopicCache();
        return true;
    }
    // The catalogue stays open: no row may keep the mark "1" while it is.
    rowEventsOn_ = false;
    if (marked) {
        try {
            ds_.edit();
            ds_.setNull(field::Cur);
            ds_.post();
        } catch (const std::exception&) {
        }
    }
    rowEventsOn_ = true;
    return false;
}

void Catalogue::openTable(const QString& path)
{
    WaitCursor wait;
    rowEventsOn_ = false;
    ds_.disableControls();
    bool resumed = false;
    try {
        loadTable(path);
    } catch (const std::exception&) {
        util::interaction().message(accessErrorText(), util::MessageKind::Error);
        // The file name goes first, so that closing never writes over the file that failed.
        ds_.setFileName({});
        try {
            ds_.close();
        } catch (const std::exception&) {
        }
        rowEventsOn_ = true;
        ds_.enableControls();
        resumed = true;
        SwitchCatalogue({});
    }
    if (isOpen()) {
        clearLeftoverMarks();
        try {
            applyRememberedSort(ds_, host_.rememberedSort());
        } catch (const std::exception&) {
        }
        restoreCursorToLastCurrent();
    }
    if (!resumed)
        ds_.enableControls();
    rowEventsOn_ = true;
    if (!host_.shuttingDown() && isOpen()) {
        ds_.mergeChangeLog();
        host_.UpdateViewState();
        ShowRowPosition();
    }
}

void Catalogue::loadTable(const QString& path)
{
    ds_.setFieldDefs(catalogueFieldDefs());
    // There is no engine to provision here, so a failure is final at once.
    if (!QFileInfo::exists(path))
        ds_.createEmpty();
    ds_.setFileName(path);
    ds_.open();
    if (!hasCatalogueFields(ds_.fieldDefs()))
        throw TableError(accessErrorText());
}

bool Catalogue::clearMark(const QString& mark)
{
    if (!ds_.locate(field::Cur, mark))
        return false;
    ds_.edit();
    ds_.setNull(field::Cur);
    ds_.post();
    return true;
}

void Catalogue::clearLeftoverMarks()
{
    // A program that ended while reading leaves "Y" (and possibly "N"); every such row is freed.
    try {
        while (clearMark(mark::OpenBook)) {
        }
        while (clearMark(mark::Returning)) {
        }
    } catch (const std::exception&) {
    }
}

void Catalogue::restoreCursorToLastCurrent()
{
    try {
        ds_.first();
        table::Bookmark firstMarked;
        while (clearMark(mark::LastCurrent)) {
            if (!firstMarked.isValid())
                firstMarked = ds_.bookmark();
        }
        if (firstMarked.isValid())
            ds_.gotoBookmark(firstMarked);
    } catch (const std::exception&) {
    }
}

// --- writing and the per-row reactions ------------------------------------------------------

void Catalogue::WriteCatalogueFile()
{
    if (!isOpen())
        return;
    ds_.mergeChangeLog();
    ds_.saveToFile(ds_.fileName());
}

void Catalogue::afterPostOrDelete()
{
    if (!rowEventsOn_)
        return;
    try {
        WriteCatalogueFile();
    } catch (const TableError& e) {
        // The row stays posted in memory and the file keeps its previous content; the next
        // successful write brings it up to date.
        util::interaction().showError(e.message());
        return;
    }
    if (host_.propertiesPanelActive()) {
        host_.UpdateViewState();
        ShowRowPosition();
    }
}

void Catalogue::ShowRowPosition()
{
    if (!rowEventsOn_)
        return;
    const int total = isOpen() ? ds_.recordCount() : 0;
    const int current = total > 0 ? ds_.recNo() : 0;
    host_.setPositionText(QStringLiteral("%1/%2").arg(current).arg(total));
}

void Catalogue::newRecord()
{
    const QString author = host_.defaultAuthor();
    const QString topic = host_.defaultTopic();
    if (!author.isEmpty())
        ds_.setValue(field::Author, author);
    if (!topic.isEmpty())
        ds_.setValue(field::Topic, topic);
    newRowValues_ = storedValues(ds_);
}

void Catalogue::calcFields()
{
    if (!host_.fileCheckOn() || !rowEventsOn_)
        return;
    const bool exists = QFileInfo::exists(ds_.asString(field::FileName));
    ds_.setCalcValue(field::TestFile, exists ? QVariant() : QVariant(false));
}

// --- commands -------------------------------------------------------------------------------

void Catalogue::mCatalogClick()
{
    finishPendingEdit();
    util::FileDialogRequest request;
    request.caption = QStringLiteral("Выберите старый или создайте новый каталог");
    request.directory = fileName();
    request.filter = QStringLiteral("Folianto files (*.bon)");
    request.defaultSuffix = QStringLiteral("bon");
    request.mustExist = false;
    const QString chosen = util::interaction().openFileName(request);
    if (chosen.isEmpty())
        return;
    lastCloseError_.clear();
    OpenCatalogue(chosen);
    // A catalogue that could not be written when closed stays open; say why.
    if (!lastCloseError_.isEmpty() && isOpen() && fileName() != chosen)
        util::interaction().showError(lastCloseError_);
}

void Catalogue::mSaveClick()
{
    if (isOpen() && !ds_.isEditing())
        WriteCatalogueFile();
}

bool Catalogue::pendingInsertUntouched() const
{
    return isOpen() && ds_.state() == table::DatasetState::Insert && storedValues(ds_) == newRowValues_;
}

bool Catalogue::finishEditOnRow()
{
    finishPendingEdit();
    return isOpen() && ds_.hasCurrentRow();
}

void Catalogue::finishPendingEdit()
{
    if (!isOpen() || !ds_.isEditing())
        return;
    if (pendingInsertUntouched()) {
        ds_.cancel();
        return;
    }
    try {
        ds_.post();
    } catch (const std::exception&) {
        ds_.cancel();
    }
}

void Catalogue::recomputeFileCheck()
{
    if (!host_.fileCheckOn() || !isOpen() || ds_.isEditing() || ds_.recordCount() == 0)
        return;
    try {
        ds_.edit();
        ds_.cancel();
    } catch (const std::exception&) {
    }
}

void Catalogue::setCaseSensitive(bool on)
{
    try {
        ds_.setCaseInsensitive(!on);
    } catch (const std::exception&) {
    }
}

} // namespace folianto::catalogue
