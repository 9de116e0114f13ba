#include "app/TFormBook.h"

#include "app/ClickLabel.h"
#include "app/GridColumns.h"
#include "app/PropertiesPanel.h"
#include "engines/table/DatasetModel.h"
#include "util/Interaction.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <stdexcept>

namespace folianto::app {

TFormBook::TFormBook(ShellServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)),
      catalogue_(std::make_unique<catalogue::Catalogue>(*this))
{
    setObjectName(QStringLiteral("FormBook"));
    panels_ = new QStackedWidget(this);
    panels_->setObjectName(QStringLiteral("Panels"));
    setCentralWidget(panels_);
    buildMenus();
    buildCatalogueView();
    buildBookView();
    buildStatusBar();
    buildTimers();
    connectCommands();
    move(settings_.geometry.topLeft());
    resize(settings_.geometry.size());
}

TFormBook::~TFormBook()
{
    // The grid's model watches the catalogue's table, which goes before the widgets do.
    dbg_->setModel(nullptr);
    delete model_;
    model_ = nullptr;
    panGrid_->setNavigatorDataset(nullptr);
}

QString TFormBook::extensionMessage() { return QStringLiteral("Файл должен иметь расширение .bon !"); }
QString TFormBook::closeQuestion() { return QStringLiteral("Закрыть программу?"); }
QString TFormBook::applicationTitle() { return QStringLiteral("Folianto 3.03"); }
QString TFormBook::unsavedCloseQuestion()
{
    return QStringLiteral("Каталог не удалось записать. Закрыть программу без сохранения изменений?");
}

// --- state ----------------------------------------------------------------------------------

bool TFormBook::bookOpen() const
{
    return menus_.action(QStringLiteral("mCloseBook"))->isEnabled();
}

void TFormBook::setBookOpen(bool open)
{
    menus_.action(QStringLiteral("mCloseBook"))->setEnabled(open);
}

void TFormBook::showBookView()
{
    panels_->setCurrentWidget(panBook_);
    catalogueShown_ = false;
}

void TFormBook::bringCatalogueToFront()
{
    panels_->setCurrentWidget(panCatalog_);
    catalogueShown_ = true;
}

QWidget* TFormBook::frontView() const
{
    return panels_->currentWidget();
}

void TFormBook::focusGrid()
{
    if (dbg_->isVisible() && dbg_->isEnabled())
        dbg_->setFocus();
}

QAction* TFormBook::command(const QString& name) const
{
    const auto it = toolActions_.constFind(name);
    if (it != toolActions_.constEnd())
        return *it;
    return menus_.action(name);
}

bool TFormBook::progressBarShown() const
{
    return toolActions_.value(QStringLiteral("PbAction"))->isVisible();
}

QString TFormBook::infoText() const
{
    return labInfo_->text();
}

QString TFormBook::statusPanelText(int panel) const
{
    return sb_.value(panel) ? sb_[panel]->text() : QString();
}

void TFormBook::runCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const table::TableError& e) {
        util::interaction().showError(e.message());
    } catch (const std::exception& e) {
        util::interaction().showError(QString::fromUtf8(e.what()));
    }
}

// --- catalogue::CatalogueHost ---------------------------------------------------------------

void TFormBook::closeOpenBook()
{
    // The reader's close also tidies up when no book is open (the catalogue switch relies on it).
    if (bookCloser_) {
        bookCloser_(false);
        return;
    }
    if (!bookOpen())
        return;
    setBookOpen(false);
    sb_[3]->clear();
}

void TFormBook::resetFilterCommands()
{
    for (const char* name : {"mFilter", "mpFilter", "mpFiltGroup"}) {
        QAction* a = menus_.action(QString::fromLatin1(name));
        a->setChecked(false);
        if (a != menus_.action(QStringLiteral("mpFiltGroup")))
            a->setText(QStringLiteral("&Фильтр"));
    }
}

void TFormBook::clearTopicCache()
{
    cb_->clear();
    topicCacheStale_ = true;
}

void TFormBook::setCatalogueCaption(const QString& text) { setWindowTitle(text); }
void TFormBook::setPositionText(const QString& text) { sb_[1]->setText(text); }
void TFormBook::setInfoText(const QString& text) { labInfo_->setText(text); }

void TFormBook::setProgressVisible(bool visible)
{
    toolActions_.value(QStringLiteral("PbAction"))->setVisible(visible);
}

void TFormBook::setProgress(int percent) { pb_->setValue(percent); }

bool TFormBook::propertiesPanelActive() const
{
    return !panGrid_->isHidden() && panGrid_->isEnabled();
}

bool TFormBook::fileCheckOn() const
{
    return menus_.action(QStringLiteral("mTestFile"))->isChecked();
}

// --- the grid follows the catalogue's cursor and moves it -----------------------------------

void TFormBook::connectGridCursor()
{
    auto syncGrid = [this](int row) {
        if (syncingCursor_)
            return;
        syncingCursor_ = true;
        QItemSelectionModel* selection = dbg_->selectionModel();
        if (row < 0 || row >= model_->rowCount()) {
            selection->clear();
        } else {
            int column = selection->currentIndex().column();
            if (column < 0 || dbg_->isColumnHidden(column))
                column = dbg_->horizontalHeader()->logicalIndex(0);
            for (int v = 0; column >= 0 && dbg_->isColumnHidden(column) && v < model_->columnCount(); ++v)
                column = dbg_->horizontalHeader()->logicalIndex(v);
            const QModelIndex index = model_->index(row, std::max(column, 0));
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            dbg_->scrollTo(index);
        }
        syncingCursor_ = false;
    };
    connect(model_, &table::DatasetModel::cursorRowChanged, this, syncGrid);
    // Column layouts are kept across resets of the model; the header's own sections are only
    // taken while they hold a layout that was applied.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        if (gridColumnsLive_ && model_->columnCount() > 0)
            settings_.gridColumns = currentGridColumns(*dbg_, *model_);
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this, syncGrid] {
        gridColumnsLive_ = model_->columnCount() > 0;
        if (gridColumnsLive_)
            applyGridColumns(*dbg_, *model_, settings_.gridColumns);
        syncGrid(model_->currentRow());
    });
    connect(dbg_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                auto& ds = catalogue_->Ds();
                if (syncingCursor_ || !current.isValid() || !ds.isActive() || ds.recNo() == current.row() + 1)
                    return;
                runCommand([&] {
                    catalogue_->finishPendingEdit();
                    ds.setRecNo(current.row() + 1);
                });
            });
}

// --- settings::SettingsHost ----------------------------------------------------------------

settings::ProgramSettings TFormBook::designSettings() const
{
    settings::ProgramSettings design;
    design.recentDir = QDir::toNativeSeparators(executableFolder_);
    design.gridColumns = defaultGridColumns(dbg_->fontMetrics());
    return design;
}

void TFormBook::applySettings(const settings::ProgramSettings& s)
{
    settings_ = s;
    auto check = [this](const char* name, bool on) { menus_.action(QString::fromLatin1(name))->setChecked(on); };
    check("mShowBar", s.showBar);
    check("mShowStatus", s.showStatus);
    check("mFastRead", s.fastRead);
    check("mCase", s.caseSensitive);
    check("mConfirm", s.confirmClose);
    check("mConFile", s.warnSimilarLink);
    check("mTestFile", s.testFile);
    check("mbFullScreen", s.fullScreen);
    check("mcFullScreen", s.fullScreen);
    menus_.action(QStringLiteral("mProperties"))->setVisible(s.propertiesOffered);
    move(s.geometry.topLeft());
    resize(s.geometry.size());
    dbg_->setFont(s.gridFont.toQFont());
    dbg_->horizontalHeader()->setFont(s.titleFont.toQFont());
    statusBar()->setFont(s.titleFont.toQFont());
    applyToolbarAndStatusChecks();
    if (gridColumnsLive_)
        applyGridColumns(*dbg_, *model_, settings_.gridColumns);
}

settings::ProgramSettings TFormBook::currentSettings() const
{
    settings::ProgramSettings s = settings_;
    auto checked = [this](const char* name) { return menus_.action(QString::fromLatin1(name))->isChecked(); };
    s.showBar = checked("mShowBar");
    s.showStatus = checked("mShowStatus");
    s.fastRead = checked("mFastRead");
    s.caseSensitive = checked("mCase");
    s.confirmClose = checked("mConfirm");
    s.warnSimilarLink = checked("mConFile");
    s.testFile = checked("mTestFile");
    s.fullScreen = checked("mbFullScreen");
    const QRect normal = isVisible() ? normalGeometry() : QRect(pos(), size());
    s.geometry = normal.isValid() ? normal : s.geometry;
    s.recentCatalog = catalogue_->fileName();
    s.recentDir = QDir::toNativeSeparators(QDir::currentPath());
    if (gridColumnsLive_)
        s.gridColumns = currentGridColumns(*dbg_, *model_);
    return s;
}

bool TFormBook::savingEnabled() const
{
    return menus_.action(QStringLiteral("mRegistry"))->isEnabled();
}

void TFormBook::applyToolbarAndStatusChecks()
{
    const bool bars = menus_.action(QStringLiteral("mShowBar"))->isChecked();
    tbLib_->setVisible(bars);
    tbBook_->setVisible(bars);
    statusBar()->setVisible(menus_.action(QStringLiteral("mShowStatus"))->isChecked());
}

} // namespace folianto::app
