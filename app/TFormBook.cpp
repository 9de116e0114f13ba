#include "app/TFormBook.h"

#include "app/ClickLabel.h"
#include "app/GridColumns.h"
#include "app/PropertiesPanel.h"
#include "app/TFormBookHosts.h"
#include "app/options/OptionsCommands.h"
#include "catalogue/CatalogueCommands.h"
#include "exchange/ExchangeCommands.h"
#include "fileops/FileCommands.h"
#include "reader/ReaderCommands.h"
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
    : QMainWindow(parent), services_(std::move(services)), hosts_(std::make_unique<Hosts>(*this)),
      catalogue_(std::make_unique<catalogue::Catalogue>(*hosts_))
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
    createCommands();
    bindCommands();
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

// How an open book is closed before another command, or by the catalogue's close.
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
                util::runCommand([&] {
                    catalogue_->finishPendingEdit();
                    ds.setRecNo(current.row() + 1);
                });
            });
}

void TFormBook::applyToolbarAndStatusChecks()
{
    const bool bars = menus_.action(QStringLiteral("mShowBar"))->isChecked();
    tbLib_->setVisible(bars);
    tbBook_->setVisible(bars);
    statusBar()->setVisible(menus_.action(QStringLiteral("mShowStatus"))->isChecked());
}

} // namespace folianto::app
