#include "app/TFormBook.h"

#include "app/ClickLabel.h"
#include "app/GridColumns.h"
#include "app/ProgramIcon.h"
#include "app/PropertiesPanel.h"
#include "app/alarm/AlarmClock.h"
#include "app/help/HelpCommands.h"
#include "app/tray/TrayMode.h"
#include "app/TFormBookHosts.h"
#include "app/options/OptionsCommands.h"
#include "catalogue/CatalogueCommands.h"
#include "catalogue/CatalogueViewCommands.h"
#include "catalogue/GroupCommands.h"
#include "catalogue/ReadingDateCommands.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ImportCommands.h"
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
    setWindowIcon(programIcon());
    ui_.panels = new QStackedWidget(this);
    ui_.panels->setObjectName(QStringLiteral("Panels"));
    setCentralWidget(ui_.panels);
    buildMenus();
    buildCatalogueView();
    buildBookView();
    buildStatusBar();
    buildTimers();
    createCommands();
    bindCommands();
    setGeometry(settings_.geometry);
}

TFormBook::~TFormBook()
{
    // The grid's model watches the catalogue's table, which goes before the widgets do.
    ui_.dbg->setModel(nullptr);
    delete ui_.model;
    ui_.model = nullptr;
    ui_.panGrid->bind(nullptr);
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
    ui_.panels->setCurrentWidget(ui_.panBook);
    catalogueShown_ = false;
}

void TFormBook::bringCatalogueToFront()
{
    ui_.panels->setCurrentWidget(ui_.panCatalog);
    catalogueShown_ = true;
}

QWidget* TFormBook::frontView() const
{
    return ui_.panels->currentWidget();
}

void TFormBook::focusGrid()
{
    if (ui_.dbg->isVisible() && ui_.dbg->isEnabled())
        ui_.dbg->setFocus();
}

void TFormBook::focusFrontView()
{
    if (catalogueShown_) {
        focusGrid();
        return;
    }
    reader::ReadingViews& views = readerCommands_->views();
    QWidget* view = menus_.action(QStringLiteral("mFastRead"))->isChecked() ? static_cast<QWidget*>(&views.fastView())
                                                                             : static_cast<QWidget*>(&views.richView());
    if (view->isVisible() && view->isEnabled())
        view->setFocus();
}

QAction* TFormBook::command(const QString& name) const
{
    const auto it = ui_.toolActions.constFind(name);
    if (it != ui_.toolActions.constEnd())
        return *it;
    return menus_.action(name);
}

bool TFormBook::progressBarShown() const
{
    return ui_.toolActions.value(QStringLiteral("PbAction"))->isVisible();
}

QString TFormBook::infoText() const
{
    return ui_.labInfo->text();
}

QString TFormBook::statusPanelText(int panel) const
{
    return ui_.sb.value(panel) ? ui_.sb[panel]->text() : QString();
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
    ui_.sb[3]->clear();
}

// --- the grid follows the catalogue's cursor and moves it -----------------------------------

void TFormBook::connectGridCursor()
{
    auto syncGrid = [this](int row) {
        if (syncingCursor_)
            return;
        syncingCursor_ = true;
        QItemSelectionModel* selection = ui_.dbg->selectionModel();
        if (row < 0 || row >= ui_.model->rowCount()) {
            selection->clear();
        } else {
            int column = selection->currentIndex().column();
            if (column < 0 || ui_.dbg->isColumnHidden(column))
                column = ui_.dbg->horizontalHeader()->logicalIndex(0);
            for (int v = 0; column >= 0 && ui_.dbg->isColumnHidden(column) && v < ui_.model->columnCount(); ++v)
                column = ui_.dbg->horizontalHeader()->logicalIndex(v);
            const QModelIndex index = ui_.model->index(row, std::max(column, 0));
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            ui_.dbg->scrollTo(index);
        }
        syncingCursor_ = false;
    };
    connect(ui_.model, &table::DatasetModel::cursorRowChanged, this, syncGrid);
    // Column layouts are kept across resets of the model; the header's own sections are only
    // taken while they hold a layout that was applied.
    connect(ui_.model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        if (gridColumnsLive_ && ui_.model->columnCount() > 0)
            settings_.gridColumns = currentGridColumns(*ui_.dbg, *ui_.model, settings_.gridColumns);
    });
    connect(ui_.model, &QAbstractItemModel::modelReset, this, [this, syncGrid] {
        gridColumnsLive_ = ui_.model->columnCount() > 0;
        if (gridColumnsLive_)
            applyGridColumns(*ui_.dbg, *ui_.model, settings_.gridColumns);
        syncGrid(ui_.model->currentRow());
    });
    connect(ui_.dbg->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
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
    ui_.tbLib->setVisible(bars);
    ui_.tbBook->setVisible(bars);
    statusBar()->setVisible(menus_.action(QStringLiteral("mShowStatus"))->isChecked());
}

} // namespace folianto::app
