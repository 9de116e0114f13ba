// The main window's controls: menus, the catalogue and book panels with their toolbars, the
// grid, the properties panel, the status bar and the timers.

#include "app/ClickLabel.h"
#include "app/GridColumns.h"
#include "app/PropertiesPanel.h"
#include "app/TFormBook.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/GridLook.h"
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
    ui_.pm = new QMenu(this);
    ui_.pm->setObjectName(QStringLiteral("Pm"));
    menus_.build(*ui_.pm, gridPopupEntries(), this);
    ui_.pme = new QMenu(this);
    ui_.pme->setObjectName(QStringLiteral("Pme"));
    menus_.build(*ui_.pme, readingPopupEntries(), this);
    // `BookOpen` lives in this item's enabled state; no book is open at first.
    menus_.action(QStringLiteral("mCloseBook"))->setEnabled(false);
}

QAction* TFormBook::addToolButton(QToolBar* bar, const QString& name, const QString& hint, int icon, int tag)
{
    QAction* a = bar->addAction(style()->standardIcon(QStyle::StandardPixmap(icon)), hint);
    a->setObjectName(name);
    a->setToolTip(hint);
    a->setProperty("tag", tag);
    ui_.toolActions.insert(name, a);
    return a;
}

void TFormBook::buildCatalogueView()
{
    ui_.panCatalog = new QWidget(ui_.panels);
    ui_.panCatalog->setObjectName(QStringLiteral("PanCatalog"));
    auto* layout = new QVBoxLayout(ui_.panCatalog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildCatalogueToolbar(layout);
    buildGrid();
    layout->addWidget(ui_.dbg, 1);
    ui_.panGrid = new PropertiesPanel(ui_.panCatalog);
    ui_.panGrid->hide();
    layout->addWidget(ui_.panGrid);
    ui_.panels->addWidget(ui_.panCatalog);
}

void TFormBook::buildCatalogueToolbar(QVBoxLayout* layout)
{
    ui_.tbLib = makeToolbar(ui_.panCatalog, "TbLib");
    addToolButton(ui_.tbLib, QStringLiteral("TlBtOpen"), QStringLiteral("Открыть книгу"), QStyle::SP_DialogOpenButton);
    addToolButton(ui_.tbLib, QStringLiteral("TlBtNew"), QStringLiteral("Добавить книгу в список..."),
                  QStyle::SP_FileDialogNewFolder, 1);
    addToolButton(ui_.tbLib, QStringLiteral("TlBtEdit"), QStringLiteral("Изменить свойства книги..."),
                  QStyle::SP_FileDialogDetailedView, 2);
    addToolButton(ui_.tbLib, QStringLiteral("TlBtDel"), QStringLiteral("Удалить книгу из списка..."),
                  QStyle::SP_TrashIcon);

    ui_.labInfo = new ClickLabel(QStringLiteral("Откройте или создайте Bon-каталог"), ui_.tbLib);
    ui_.labInfo->setObjectName(QStringLiteral("LabInfo"));
    ui_.labInfo->setAlignment(Qt::AlignCenter);
    ui_.labInfo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ui_.tbLib->addWidget(ui_.labInfo);

    ui_.cb = new QComboBox(ui_.tbLib);
    ui_.cb->setObjectName(QStringLiteral("Cb"));
    QAction* cbAction = ui_.tbLib->addWidget(ui_.cb);
    cbAction->setObjectName(QStringLiteral("CbAction"));
    cbAction->setVisible(false);
    ui_.toolActions.insert(cbAction->objectName(), cbAction);

    addToolButton(ui_.tbLib, QStringLiteral("TlBtExitLib"), QStringLiteral("Закрыть программу"),
                  QStyle::SP_DialogCloseButton);

    ui_.pb = new QProgressBar(ui_.tbLib);
    ui_.pb->setObjectName(QStringLiteral("Pb"));
    ui_.pb->setRange(0, 100);
    ui_.pb->setMaximumWidth(120);
    QAction* pbAction = ui_.tbLib->addWidget(ui_.pb);
    pbAction->setObjectName(QStringLiteral("PbAction"));
    pbAction->setVisible(false);
    ui_.toolActions.insert(pbAction->objectName(), pbAction);
    layout->addWidget(ui_.tbLib);
}

void TFormBook::buildGrid()
{
    ui_.dbg = new QTableView(ui_.panCatalog);
    ui_.dbg->setObjectName(QStringLiteral("DBG"));
    ui_.model = new table::DatasetModel(catalogue_->Ds(), ui_.dbg);
    ui_.model->setHeaderTitles(catalogue::catalogueColumnTitles());
    ui_.dbg->setModel(ui_.model);
    catalogue::installGridLook(*ui_.dbg, catalogue_->Ds(),
                               [this] { return menus_.action(QStringLiteral("mTestFile"))->isChecked(); });
    ui_.dbg->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.dbg->setSelectionBehavior(QAbstractItemView::SelectItems);
    ui_.dbg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui_.dbg->verticalHeader()->setDefaultSectionSize(ui_.dbg->fontMetrics().height() + 6);
    ui_.dbg->verticalHeader()->setVisible(false);
    ui_.dbg->horizontalHeader()->setHighlightSections(false);
    ui_.dbg->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_.dbg, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ui_.pm->popup(ui_.dbg->viewport()->mapToGlobal(at)); });
    // The popup's keys work while the grid has the focus.
    for (QAction* a : ui_.pm->actions()) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        ui_.dbg->addAction(a);
    }
    connectGridCursor();
}

void TFormBook::buildBookView()
{
    ui_.panBook = new QWidget(ui_.panels);
    ui_.panBook->setObjectName(QStringLiteral("PanBook"));
    auto* layout = new QVBoxLayout(ui_.panBook);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ui_.tbBook = makeToolbar(ui_.panBook, "TbBook");
    QAction* back = addToolButton(ui_.tbBook, QStringLiteral("TlBtLib"), QStringLiteral("< -  Список книг"),
                                  QStyle::SP_ArrowBack);
    back->setText(QStringLiteral("< -  Список книг"));
    addToolButton(ui_.tbBook, QStringLiteral("TlBtFont"), QStringLiteral("Шрифт..."), QStyle::SP_FileDialogContentsView);
    addToolButton(ui_.tbBook, QStringLiteral("TlBtColor"), QStringLiteral("Цвет фона..."), QStyle::SP_DesktopIcon);
    addToolButton(ui_.tbBook, QStringLiteral("TlBtFind"), QStringLiteral("Поиск..."), QStyle::SP_FileDialogInfoView);
    addToolButton(ui_.tbBook, QStringLiteral("TlBtSetMark"), QStringLiteral("Поместить закладку"), QStyle::SP_DialogSaveButton);
    addToolButton(ui_.tbBook, QStringLiteral("TlBtGotoMark"), QStringLiteral("Перейти к закладке"), QStyle::SP_ArrowForward);
    addToolButton(ui_.tbBook, QStringLiteral("ButCopyClip"), QStringLiteral("Копировать в буфер"), QStyle::SP_FileIcon);
    ui_.cbPage = new QComboBox(ui_.tbBook);
    ui_.cbPage->setObjectName(QStringLiteral("CbPage"));
    QAction* pageAction = ui_.tbBook->addWidget(ui_.cbPage);
    pageAction->setObjectName(QStringLiteral("CbPageAction"));
    pageAction->setVisible(false);
    ui_.toolActions.insert(pageAction->objectName(), pageAction);
    addToolButton(ui_.tbBook, QStringLiteral("TlBtClose"), QStringLiteral("Закрыть книгу в данном месте"),
                  QStyle::SP_MediaPause, 1);
    addToolButton(ui_.tbBook, QStringLiteral("TlBtFin"), QStringLiteral("Закрыть книгу в конце"),
                  QStyle::SP_MediaStop, 2);
    addToolButton(ui_.tbBook, QStringLiteral("TlBtExitBook"), QStringLiteral("Закрыть программу"),
                  QStyle::SP_DialogCloseButton);
    layout->addWidget(ui_.tbBook);

    auto* host = new QWidget(ui_.panBook);
    host->setObjectName(QStringLiteral("BookViews"));
    ui_.bookViewsLayout = new QVBoxLayout(host);
    ui_.bookViewsLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(host, 1);
    ui_.panels->addWidget(ui_.panBook);
}

void TFormBook::placeReadingViews()
{
    reader::ReadingViews& views = readerCommands_->views();
    ui_.bookViewsLayout->addWidget(&views);
    for (QWidget* owner : {static_cast<QWidget*>(&views.fastView()), static_cast<QWidget*>(&views.richView())}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint& at) { ui_.pme->popup(owner->mapToGlobal(at)); });
        for (QAction* a : ui_.pme->actions()) {
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
        ui_.sb.append(panel);
    }
    ui_.sb[0]->setText(QStringLiteral("В каталоге:"));
    ui_.sb[2]->setText(QStringLiteral("Открыта книга:"));
}

void TFormBook::buildTimers()
{
    ui_.timer1 = new QTimer(this);
    ui_.timer1->setObjectName(QStringLiteral("Timer1"));
    ui_.timer1->setInterval(500);
    connect(ui_.timer1, &QTimer::timeout, this, [this] {
        titleClickGuard_ = false;
        ui_.timer1->stop();
    });
    ui_.timer1->setSingleShot(true);
    ui_.tim = new QTimer(this);
    ui_.tim->setObjectName(QStringLiteral("Tim")); // the alarm clock sets its period
}

void TFormBook::armTitleClickGuard()
{
    titleClickGuard_ = true;
    ui_.timer1->start();
}

} // namespace folianto::app
