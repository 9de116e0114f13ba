// The window's command objects and the binding of every menu item, tool button and shortcut
// to one method of one of them. A new command is one line here: its items, its object, its
// method.

#include "app/ClickLabel.h"
#include "app/CommandBinding.h"
#include "app/PropertiesPanel.h"
#include "app/TFormBook.h"
#include "app/TFormBookHosts.h"
#include "app/options/OptionsCommands.h"
#include "catalogue/CatalogueCommands.h"
#include "exchange/ExchangeCommands.h"
#include "fileops/FileCommands.h"
#include "reader/ReaderCommands.h"
#include "util/Interaction.h"

#include <QComboBox>
#include <QMenu>
#include <QShortcut>
#include <QTableView>

namespace folianto::app {

void TFormBook::createCommands()
{
    Hosts& host = *hosts_;
    catalogueCommands_ = std::make_unique<catalogue::CatalogueCommands>(*catalogue_, catalogue::CatalogueControls{*dbg_, *cb_}, host);
    options_ = std::make_unique<OptionsCommands>(*catalogue_, menus_, host, services_.removeTraces);
    exchange_ = std::make_unique<exchange::ExchangeCommands>(*catalogue_, host);
    files_ = std::make_unique<fileops::FileCommands>(*catalogue_, host);
    readerCommands_ = std::make_unique<reader::ReaderCommands>(*catalogue_, host);
    placeReadingViews();
    setBookCloser([this](bool atEnd) { readerCommands_->session().CloseBook(atEnd); });
}

void TFormBook::bindCommands()
{
    const CommandBinder bind(*this, [this](const QString& name) { return command(name); });
    using catalogue::CatalogueCommands;
    using reader::ReaderCommands;

    // the window
    bind({"mExit", "mpExit", "mbExit", "TlBtExitLib", "TlBtExitBook"}, *this, &TFormBook::mExitClick);
    bind({"mViewLibrary", "mpViewLibrary", "TlBtLib"}, *this, &TFormBook::mViewLibraryClick);

    // the catalogue
    CatalogueCommands& cat = *catalogueCommands_;
    bind({"mCatalog"}, cat, &CatalogueCommands::mCatalogClick);
    bind({"mSave"}, cat, &CatalogueCommands::mSaveClick);
    bind({"mNew", "mpNew", "TlBtNew", "mEdit", "mpEdit", "mpEditBook", "TlBtEdit"}, cat, &CatalogueCommands::mNewClick);
    bind({"mDelete", "mpDelete", "TlBtDel"}, cat, &CatalogueCommands::mDeleteClick);
    bind({"mpClone"}, cat, &CatalogueCommands::mpCloneClick);
    bind({"mpDef"}, cat, &CatalogueCommands::mpDefClick);
    connect(labInfo_, &ClickLabel::clicked, this, [&cat] { cat.LabInfoClick(); });
    connect(pm_, &QMenu::aboutToShow, this, [this, &cat] { command(QStringLiteral("mpDef"))->setVisible(cat.mpDefOffered()); });

    // the reader
    ReaderCommands& book = *readerCommands_;
    bind({"TlBtOpen", "mOpenbook", "mpOpen", "mpExternal"}, book, &ReaderCommands::mOpenbookClick);
    bind({"TlBtClose", "TlBtFin", "mCloseBook", "mFinishbook", "mpCloseBook", "mpFinishBook"}, book,
         &ReaderCommands::mCloseBookClick);
    bind({"m1Closebook", "mp1CloseBook"}, book, &ReaderCommands::m1ClosebookClick);
    bind({"mpGoToBook"}, book, &ReaderCommands::mpGoToBookClick);
    bind({"mPage", "mpPage"}, book, &ReaderCommands::mPageClick);
    reader::bindPageControls(book.pages(), *cbPage_,
                             {command(QStringLiteral("mPage")), command(QStringLiteral("mpPage")),
                              command(QStringLiteral("CbPageAction"))});

    // the options
    OptionsCommands& options = *options_;
    bind({"mCondition"}, options, &OptionsCommands::mConditionClick);
    bind({"mShowBar", "mShowStatus", "mProperties", "mConFile", "mTestFile", "mCase", "mConfirm"}, options,
         &OptionsCommands::mCaseClick);
    bind({"mX"}, options, &OptionsCommands::mXClick);
    bind({"mOut"}, options, &OptionsCommands::mOutClick);
    bind({"mRegistry"}, options, &OptionsCommands::mRegistryClick);

    // the imports and exports (exchange_) and the file operations (files_) bind here the same way.

    bindShortcuts();
    connect(panGrid_, &PropertiesPanel::navigationFailed, this,
            [](const QString& message) { util::interaction().showError(message); });
}

void TFormBook::bindShortcuts()
{
    auto shortcut = [this](QWidget* on, QKeyCombination keys, const std::function<void()>& command) {
        auto* s = new QShortcut(QKeySequence(keys), on, nullptr, nullptr, Qt::WidgetShortcut);
        connect(s, &QShortcut::activated, this, command);
    };
    reader::ReaderCommands& book = *readerCommands_;
    const int external = MenuSet::tag(command(QStringLiteral("mpExternal")));
    // Escape in the grid asks the window to close, as "Вы&ход" does.
    shortcut(dbg_, QKeyCombination(Qt::Key_Escape), [this] { mExitClick(); });
    // The grid: Enter and a double click open the book, Ctrl+Enter with the external program.
    connect(dbg_, &QAbstractItemView::doubleClicked, this, [&book] { book.mOpenbookClick(0); });
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        shortcut(dbg_, QKeyCombination(key), [&book] { book.mOpenbookClick(0); });
        shortcut(dbg_, QKeyCombination(Qt::CTRL, key), [&book, external] { book.mOpenbookClick(external); });
    }
    // Escape in either view closes the book where it is.
    reader::ReadingViews& views = book.views();
    for (QWidget* view : {static_cast<QWidget*>(&views.fastView()), static_cast<QWidget*>(&views.richView())})
        shortcut(view, QKeyCombination(Qt::Key_Escape), [&book] { book.mCloseBookClick(0); });
}

} // namespace folianto::app
