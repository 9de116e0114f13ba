// The reader on the main window: the reading views in the book panel, the page list, the
// open and close commands and the status panels of the open book.

#include "app/TFormBookReader.h"

#include "app/MenuSet.h"
#include "catalogue/CatalogueRecord.h"

#include <QComboBox>
#include <QLabel>
#include <QShortcut>
#include <QTableView>

namespace folianto::app {

reader::BookSessionSettings ReaderWindowHost::sessionSettings() const
{
    const settings::ProgramSettings& s = form_.settings();
    reader::BookSessionSettings out;
    // A long search below the substitution folder keeps the window painted. It repaints
    // rather than run the event loop, so that no command (nor the close) can start meanwhile.
    TFormBook* form = &form_;
    out.location = form_.locationSettings([form] { form->repaint(); });
    out.externalProgram = s.externalProgram;
    out.archivesToExternal = s.arc;
    out.archive = form_.archiveRequest();
    out.partSize = s.partSize;
    out.fastRead = form_.menus().action(QStringLiteral("mFastRead"))->isChecked();
    return out;
}

void ReaderWindowHost::showCatalogueView()
{
    form_.bringCatalogueToFront();
    form_.focusGrid();
}

TFormBook::Reader::Reader(TFormBook& form)
    : views(new reader::ReadingViews), host(form), session(form.catalogue(), *views, pages, host)
{
}

void TFormBook::connectReader()
{
    reader_ = std::make_shared<Reader>(*this);
    reader::ReadingViews* views = reader_->views;
    setReadingViews(views, {&views->fastView(), &views->richView()});
    setBookCloser([this](bool atEnd) { reader_->session.CloseBook(atEnd); });

    reader::BookTextLoader& loader = reader_->session.loader();
    connect(&loader, &reader::BookTextLoader::bookPanelRequested, this, [this] { showBookView(); });
    connect(&loader, &reader::BookTextLoader::viewStateChanged, this, [this] { UpdateViewState(); });
    // A part picked in `CbPage` runs as a command, so that a failure to store the position is
    // shown in the error box instead of leaving through the combo box's signal.
    disconnect(&reader_->pages, &reader::PageList::picked, &loader, nullptr);
    connect(&reader_->pages, &reader::PageList::picked, this, [this] {
        runCommand([this] { reader_->session.loader().CbPageClick(); });
        UpdateViewState();
    });
    reader::bindPageControls(reader_->pages, *cbPage_,
                             {menus_.action(QStringLiteral("mPage")), menus_.action(QStringLiteral("mpPage")),
                              toolActions_.value(QStringLiteral("CbPageAction"))});
    connect(views, &reader::ReadingViews::caretMoved, views, &reader::ReadingViews::showCaretPosition);
    connect(views, &reader::ReadingViews::caretPositionShown, this, [this](const QString& text) { sb_[4]->setText(text); });

    bindCommands({"TlBtOpen", "mOpenbook", "mpOpen", "mpExternal"}, [this](QAction* item) { mOpenbookClick(item); });
    bindCommands({"TlBtClose", "TlBtFin", "mCloseBook", "mFinishbook", "mpCloseBook", "mpFinishBook"},
         [this](QAction* item) { mCloseBookClick(item); });
    bindCommands({"mpGoToBook"}, [this](QAction*) { mpGoToBookClick(); });
    bindCommands({"mPage", "mpPage"}, [this](QAction*) {
        runCommand([this] { reader_->session.loader().mPageClick(); });
        UpdateViewState();
    });
    bindCommands({"mCondition"}, [this](QAction* item) { mConditionClick(item); });

    // The grid: Enter and a double click open the book, Ctrl+Enter with the external program.
    connect(dbg_, &QAbstractItemView::doubleClicked, this, [this] { mOpenbookClick(nullptr); });
    QAction* external = menus_.action(QStringLiteral("mpExternal"));
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto* open = new QShortcut(QKeySequence(key), dbg_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(open, &QShortcut::activated, this, [this] { mOpenbookClick(nullptr); });
        auto* outside = new QShortcut(QKeySequence(int(Qt::CTRL) | key), dbg_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(outside, &QShortcut::activated, this, [this, external] { mOpenbookClick(external); });
    }
    // Escape in either view closes the book where it is.
    for (QWidget* view : {static_cast<QWidget*>(&views->fastView()), static_cast<QWidget*>(&views->richView())}) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), view, nullptr, nullptr, Qt::WidgetShortcut);
        connect(escape, &QShortcut::activated, this, [this] { mCloseBookClick(nullptr); });
    }
}

void TFormBook::mOpenbookClick(const QAction* sender)
{
    runCommand([&] { reader_->session.mOpenbookClick(MenuSet::tag(sender) == 21); });
}

void TFormBook::mCloseBookClick(const QAction* sender)
{
    runCommand([&] { reader_->session.mCloseBookClick(MenuSet::tag(sender) == 2); });
}

void TFormBook::mpGoToBookClick()
{
    runCommand([this] { reader_->session.mpGoToBookClick(); });
    UpdateViewState();
}

} // namespace folianto::app
