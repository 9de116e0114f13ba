// The main window's controls: menus, the catalogue and book panels with their toolbars, the
// grid, the properties panel, the status bar and the timers.

#include "app/ClickLabel.h"
#include "app/GridColumns.h"
#include "app/PropertiesPanel.h"
#include "app/TFormBook.h"
#include "catalogue/CatalogueRecord.h"
#include "engines/table/DatasetModel.h"
#include "reader/ReaderCommands.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace folianto::app {

namespace {

QToolBar* makeToolbar(QWidget* parent, const char* name)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

} // namespace

void TFormBook::buildMenus()
{
    menus_.build(*menuBar(), mainMenuEntries(), this);
    pm_ = new QMenu(this);
    pm_->setObjectName(QStringLiteral("Pm"));
    menus_.build(*pm_, gridPopupEntries(), this);
    pme_ = new QMenu(this);
    pme_->setObjectName(QStringLiteral("Pme"));
    menus_.build(*pme_, readingPopupEntries(), this);
    // `BookOpen` lives in this item's enabled state; no book is open at first.
    menus_.action(QStringLiteral("mCloseBook"))->setEnabled(false);
}

QAction* TFormBook::addToolButton(QToolBar* bar, const QString& name, const QString& hint, int icon, int tag)
{
    QAction* a = bar->addAction(style()->standardIcon(QStyle::StandardPixmap(icon)), hint);
    a->setObjectName(name);
    a->setToolTip(hint);
    a->setProperty("tag", tag);
    toolActions_.insert(name, a);
    return a;
}

void TFormBook::buildCatalogueView()
{
    panCatalog_ = new QWidget(panels_);
    panCatalog_->setObjectName(QStringLiteral("PanCatalog"));
    auto* layout = new QVBoxLayout(panCatalog_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildCatalogueToolbar(layout);
    buildGrid();
    layout->addWidget(dbg_, 1);
    panGrid_ = new PropertiesPanel(panCatalog_);
    panGrid_->setNavigatorDataset(&catalogue_->Ds());
    panGrid_->hide();
    layout->addWidget(panGrid_);
    panels_->addWidget(panCatalog_);
}

void TFormBook::buildCatalogueToolbar(QVBoxLayout* layout)
{
    tbLib_ = makeToolbar(panCatalog_, "TbLib");
    addToolButton(tbLib_, QStringLiteral("TlBtOpen"), QStringLiteral("Открыть книгу"), QStyle::SP_DialogOpenButton);
    addToolButton(tbLib_, QStringLiteral("TlBtNew"), QStringLiteral("Добавить книгу в список..."),
                  QStyle::SP_FileDialogNewFolder, 1);
    addToolButton(tbLib_, QStringLiteral("TlBtEdit"), QStringLiteral("Изменить свойства книги..."),
                  QStyle::SP_FileDialogDetailedView, 2);
    addToolButton(tbLib_, QStringLiteral("TlBtDel"), QStringLiteral("Удалить книгу из списка..."),
                  QStyle::SP_TrashIcon);

    labInfo_ = new ClickLabel(QStringLiteral("Откройте или создайте Bon-каталог"), tbLib_);
    labInfo_->setObjectName(QStringLiteral("LabInfo"));
    labInfo_->setAlignment(Qt::AlignCenter);
    labInfo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tbLib_->addWidget(labInfo_);

    cb_ = new QComboBox(tbLib_);
    cb_->setObjectName(QStringLiteral("Cb"));
    QAction* cbAction = tbLib_->addWidget(cb_);
    cbAction->setObjectName(QStringLiteral("CbAction"));
    cbAction->setVisible(false);
    toolActions_.insert(cbAction->objectName(), cbAction);

    addToolButton(tbLib_, QStringLiteral("TlBtExitLib"), QStringLiteral("Закрыть программу"),
                  QStyle::SP_DialogCloseButton);

    pb_ = new QProgressBar(tbLib_);
    pb_->setObjectName(QStringLiteral("Pb"));
    pb_->setRange(0, 100);
    pb_->setMaximumWidth(120);
    QAction* pbAction = tbLib_->addWidget(pb_);
    pbAction->setObjectName(QStringLiteral("PbAction"));
    pbAction->setVisible(false);
    toolActions_.insert(pbAction->objectName(), pbAction);
    layout->addWidget(tbLib_);
}

void TFormBook::buildGrid()
{
    dbg_ = new QTableView(panCatalog_);
    dbg_->setObjectName(QStringLiteral("DBG"));
    model_ = new table::DatasetModel(catalogue_->Ds(), dbg_);
    model_->setHeaderTitles(catalogue::catalogueColumnTitles());
    dbg_->setModel(model_);
    dbg_->setItemDelegate(new GridCellDelegate(dbg_));
    dbg_->setSelectionMode(QAbstractItemView::SingleSelection);
    dbg_->setSelectionBehavior(QAbstractItemView::SelectItems);
    dbg_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbg_->verticalHeader()->setDefaultSectionSize(dbg_->fontMetrics().height() + 6);
    dbg_->verticalHeader()->setVisible(false);
    dbg_->horizontalHeader()->setHighlightSections(false);
    dbg_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(dbg_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pm_->popup(dbg_->viewport()->mapToGlobal(at)); });
    // The popup's keys work while the grid has the focus.
    for (QAction* a : pm_->actions()) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        dbg_->addAction(a);
    }
    connectGridCursor();
}

void TFormBook::buildBookView()
{
    panBook_ = new QWidget(panels_);
    panBook_->setObjectName(QStringLiteral("PanBook"));
    auto* layout = new QVBoxLayout(panBook_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tbBook_ = makeToolbar(panBook_, "TbBook");
    QAction* back = addToolButton(tbBook_, QStringLiteral("TlBtLib"), QStringLiteral("< -  Список книг"),
                                  QStyle::SP_ArrowBack);
    back->setText(QStringLiteral("< -  Список книг"));
    addToolButton(tbBook_, QStringLiteral("TlBtFont"), QStringLiteral("Шрифт..."), QStyle::SP_FileDialogContentsView);
    addToolButton(tbBook_, QStringLiteral("TlBtColor"), QStringLiteral("Цвет фона..."), QStyle::SP_DesktopIcon);
    addToolButton(tbBook_, QStringLiteral("TlBtFind"), QStringLiteral("Поиск..."), QStyle::SP_FileDialogInfoView);
    addToolButton(tbBook_, QStringLiteral("TlBtSetMark"), QStringLiteral("Поместить закладку"), QStyle::SP_DialogSaveButton);
    addToolButton(tbBook_, QStringLiteral("TlBtGotoMark"), QStringLiteral("Перейти к закладке"), QStyle::SP_ArrowForward);
    addToolButton(tbBook_, QStringLiteral("ButCopyClip"), QStringLiteral("Копировать в буфер"), QStyle::SP_FileIcon);
    cbPage_ = new QComboBox(tbBook_);
    cbPage_->setObjectName(QStringLiteral("CbPage"));
    QAction* pageAction = tbBook_->addWidget(cbPage_);
    pageAction->setObjectName(QStringLiteral("CbPageAction"));
    pageAction->setVisible(false);
    toolActions_.insert(pageAction->objectName(), pageAction);
    addToolButton(tbBook_, QStringLiteral("TlBtClose"), QStringLiteral("Закрыть книгу в данном месте"),
                  QStyle::SP_MediaPause, 1);
    addToolButton(tbBook_, QStringLiteral("TlBtFin"), QStringLiteral("Закрыть книгу в конце"),
                  QStyle::SP_MediaStop, 2);
    addToolButton(tbBook_, QStringLiteral("TlBtExitBook"), QStringLiteral("Закрыть программу"),
                  QStyle::SP_DialogCloseButton);
    layout->addWidget(tbBook_);

    auto* host = new QWidget(panBook_);
    host->setObjectName(QStringLiteral("BookViews"));
    bookViewsLayout_ = new QVBoxLayout(host);
    bookViewsLayout_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(host, 1);
    panels_->addWidget(panBook_);
}

void TFormBook::placeReadingViews()
{
    reader::ReadingViews& views = readerCommands_->views();
    bookViewsLayout_->addWidget(&views);
    for (QWidget* owner : {static_cast<QWidget*>(&views.fastView()), static_cast<QWidget*>(&views.richView())}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint& at) { pme_->popup(owner->mapToGlobal(at)); });
        for (QAction* a : pme_->actions()) {
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            owner->addAction(a);
        }
    }
}

void TFormBook::buildStatusBar()
{
    static const int widths[] = {85, 80, 120, 250, 100};
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("Sb"));
    sb->setSizeGripEnabled(true);
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(sb);
        panel->setObjectName(QStringLiteral("SbPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        sb->addWidget(panel);
        sb_.append(panel);
    }
    sb_[0]->setText(QStringLiteral("В каталоге:"));
    sb_[2]->setText(QStringLiteral("Открыта книга:"));
}

void TFormBook::buildTimers()
{
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, [this] {
        titleClickGuard_ = false;
        timer1_->stop();
    });
    timer1_->setSingleShot(true);
    tim_ = new QTimer(this);
    tim_->setObjectName(QStringLiteral("Tim"));
    tim_->setInterval(60 * 1000);
}

void TFormBook::armTitleClickGuard()
{
    titleClickGuard_ = true;
    timer1_->start();
}

} // namespace folianto::app
