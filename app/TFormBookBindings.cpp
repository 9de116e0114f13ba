// The window's command objects and the binding of every menu item, tool button and shortcut
// to one method of one of them. A new command is one line here: its items, its object, its
// method.

#include "app/ClickLabel.h"
#include "app/CommandBinding.h"
#include "app/PropertiesPanel.h"
#include "app/TFormBook.h"
#include "app/TFormBookHosts.h"
#include "app/alarm/AlarmClock.h"
#include "app/help/HelpCommands.h"
#include "app/options/OptionsCommands.h"
#include "app/tray/TrayMode.h"
#include "catalogue/CatalogueCommands.h"
#include "catalogue/CatalogueViewCommands.h"
#include "catalogue/GroupCommands.h"
#include "catalogue/ReadingDateCommands.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/FileDropTarget.h"
#include "exchange/ImportCommands.h"
#include "fileops/FileCommands.h"
#include "reader/LibreOfficeConverter.h"
#include "reader/ReaderCommands.h"
#include "util/Interaction.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QShortcut>
#include <QTableView>

namespace folianto::app {

void TFormBook::createCommands()
{
    Hosts& host = *hosts_;
    catalogueCommands_ = std::make_unique<catalogue::CatalogueCommands>(*catalogue_, catalogue::CatalogueControls{*ui_.dbg, *ui_.cb}, host);
    const catalogue::FilterItems filterItems{*command(QStringLiteral("mpFilter")), *command(QStringLiteral("mpFiltGroup")),
                                             *command(QStringLiteral("mFilter"))};
    viewCommands_ = std::make_unique<catalogue::CatalogueViewCommands>(
        *catalogue_, catalogue::CatalogueViewControls{*ui_.dbg, filterItems, catalogueCommands_->topicCache()}, host);
    groupCommands_ = std::make_unique<catalogue::GroupCommands>(*catalogue_, *ui_.dbg, host);
    readingDates_ = std::make_unique<catalogue::ReadingDateCommands>(*catalogue_);
    alarm_ = std::make_unique<AlarmClock>(*ui_.tim, host);
    options_ = std::make_unique<OptionsCommands>(*catalogue_, menus_, host, *alarm_, services_.removeTraces);
    exchange_ = std::make_unique<exchange::ExchangeCommands>(host);
    imports_ = std::make_unique<exchange::ImportCommands>(host);
    files_ = std::make_unique<fileops::FileCommands>(host);
    readerCommands_ = std::make_unique<reader::ReaderCommands>(*catalogue_, host);
    tray_ = std::make_unique<TrayMode>(*this, [this] { focusFrontView(); });
    help_ = std::make_unique<HelpCommands>(static_cast<OptionsCommandsHost&>(host));
    // Word and HTML books through LibreOffice; the window is repainted while it works.
    reader::LibreOfficeSettings office;
    office.whileWaiting = [this] { repaint(); };
    readerCommands_->session().setConverter(std::make_unique<reader::LibreOfficeConverter>(office));
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
    connect(ui_.labInfo, &ClickLabel::clicked, this, [&cat] { cat.LabInfoClick(); });
    connect(ui_.pm, &QMenu::aboutToShow, this, [this, &cat] { // PmPopup
        command(QStringLiteral("mpDef"))->setVisible(cat.mpDefOffered());
        command(QStringLiteral("mpReplace"))->setEnabled(cat.mpReplaceOffered());
    });

    // the catalogue view: sort, find, filter, topics
    catalogue::SortCommands& sort = viewCommands_->sort();
    catalogue::FilterCommands& filter = viewCommands_->filter();
    connect(ui_.dbg->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [&sort](int column) { sort.DBGTitleClick(column); });
    bind({"mpSortGroup"}, sort, &catalogue::SortCommands::mpSortGroupClick);
    bind({"mFind", "mpFind"}, filter, &catalogue::FilterCommands::mpFindClick);
    bind({"mFilter", "mpFilter", "mpFiltGroup"}, filter, &catalogue::FilterCommands::mpFilterClick);
    bind({"mpTopic"}, viewCommands_->topics(), &catalogue::TopicCommands::mpTopicClick);

    // the group operations over the rows of the view
    using catalogue::GroupCommands;
    bind({"mpGroupDelete", "mpGroupUnread", "mpSetOem", "mpSetAlter", "mpReplacePaths"}, *groupCommands_,
         &GroupCommands::mpGroupDeleteClick);
    bind({"mpReplace"}, *groupCommands_, &GroupCommands::mpReplaceClick);
    bind({"mpUnread"}, *groupCommands_, &GroupCommands::mpUnreadClick);

    // the reader
    ReaderCommands& book = *readerCommands_;
    bind({"TlBtOpen", "mOpenbook", "mpOpen", "mpExternal"}, book, &ReaderCommands::mOpenbookClick);
    bind({"TlBtClose", "TlBtFin", "mCloseBook", "mFinishbook", "mpCloseBook", "mpFinishBook"}, book,
         &ReaderCommands::mCloseBookClick);
    bind({"m1Closebook", "mp1CloseBook"}, book, &ReaderCommands::m1ClosebookClick);
    bind({"mpGoToBook"}, book, &ReaderCommands::mpGoToBookClick);
    bind({"mPage", "mpPage"}, book, &ReaderCommands::mPageClick);
    reader::ReadingCommands& reading = book.reading();
    using reader::ReadingCommands;
    bind({"TlBtFind", "mSearch", "mpSearch"}, reading, &ReadingCommands::mSearchClick);
    bind({"TlBtSetMark", "mSetbookmark", "pmSetMark"}, reading, &ReadingCommands::mSetbookmarkClick);
    bind({"TlBtGotoMark", "mGotobookmark", "mpGoToMark"}, reading, &ReadingCommands::mGotobookmarkClick);
    bind({"TlBtFont", "mFont", "mpFont"}, reading, &ReadingCommands::mFontClick);
    bind({"TlBtColor", "mColor", "mpColor"}, reading, &ReadingCommands::mColorClick);
    bind({"mSaveas", "mpSaveAs"}, reading, &ReadingCommands::mSaveasClick);
    bind({"ButCopyClip"}, reading, &ReadingCommands::ButCopyClipClick);
    bind({"mpCopyToName", "mpCopyToAuthor", "mpCopyToComment"}, reading, &ReadingCommands::mpCopyToNameClick);
    connect(ui_.pme, &QMenu::aboutToShow, this,
            [this, &reading] { command(QStringLiteral("mpCopyToBook"))->setEnabled(reading.hasSelection()); });
    reader::bindPageControls(book.pages(), *ui_.cbPage,
                             {command(QStringLiteral("mPage")), command(QStringLiteral("mpPage")),
                              command(QStringLiteral("CbPageAction"))});

    // the options
    OptionsCommands& options = *options_;
    bind({"mCondition", "mPart", "mAlarm", "mDefFiles", "mDefTable"}, options, &OptionsCommands::mConditionClick);
    bind({"mShowBar", "mShowStatus", "mProperties", "mConFile", "mTestFile", "mCase", "mConfirm", "mcFullScreen",
          "mbFullScreen"},
         options, &OptionsCommands::mCaseClick);
    bind({"mX"}, options, &OptionsCommands::mXClick);
    bind({"mOut"}, options, &OptionsCommands::mOutClick);
    bind({"mRegistry"}, options, &OptionsCommands::mRegistryClick);
    bind({"mTray"}, *tray_, &TrayMode::mTrayClick);
    bind({"mDescription"}, *help_, &HelpCommands::mDescriptionClick);
    bind({"mAbout"}, *help_, &HelpCommands::mAboutClick);

    // the imports and exports
    exchange::ExchangeCommands& exchange = *exchange_;
    bind({"mSaveCatAs"}, exchange, &exchange::ExchangeCommands::mSaveCatAsClick);
    bind({"mImport"}, exchange, &exchange::ExchangeCommands::mImportClick);
    exchange::ImportCommands& imports = *imports_;
    bind({"mImportFolders"}, imports, &exchange::ImportCommands::mImportFoldersClick);
    bind({"mImportBon"}, imports, &exchange::ImportCommands::mImportBonClick);
    bind({"mImportBBS"}, imports, &exchange::ImportCommands::mImportBBSClick);
    new exchange::FileDropTarget(ui_.dbg->viewport(), [&imports](const QStringList& paths) { imports.WMDropFiles(paths); });

    // the book files
    fileops::FileCommands& files = *files_;
    bind({"mpOpenFolder"}, files, &fileops::FileCommands::mpOpenFolderClick);
    bind({"mpCopyFile", "mpRenameFile", "mpDeleteFile"}, files, &fileops::FileCommands::mpCopyFileClick);
    bind({"mpCopyFileGroup"}, files, &fileops::FileCommands::mpCopyFileGroupClick);

    // F11 reaches full screen from anywhere in the view in front, so that it can always be left.
    ui_.panCatalog->addAction(command(QStringLiteral("mcFullScreen")));
    ui_.panBook->addAction(command(QStringLiteral("mbFullScreen")));

    bindShortcuts();
    // The reading dates of the properties panel through the date picker.
    connect(ui_.panGrid, &PropertiesPanel::readingDateRequested, this, [this](int tag) {
        readingDates_->ButFirstClick(tag);
        ui_.panGrid->refresh();
    });
    connect(ui_.panGrid, &PropertiesPanel::navigationFailed, this,
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
    shortcut(ui_.dbg, QKeyCombination(Qt::Key_Escape), [this] { mExitClick(); });
    // The grid: Enter and a double click open the book, Ctrl+Enter with the external program. A
    // double click that follows a title click opens nothing.
    connect(ui_.dbg, &QAbstractItemView::doubleClicked, this, [this, &book] {
        if (!titleClickGuard_)
            book.mOpenbookClick(0);
    });
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        shortcut(ui_.dbg, QKeyCombination(key), [&book] { book.mOpenbookClick(0); });
        shortcut(ui_.dbg, QKeyCombination(Qt::CTRL, key), [&book, external] { book.mOpenbookClick(external); });
    }
    // Escape in either view closes the book where it is.
    reader::ReadingViews& views = book.views();
    for (QWidget* view : {static_cast<QWidget*>(&views.fastView()), static_cast<QWidget*>(&views.richView())})
        shortcut(view, QKeyCombination(Qt::Key_Escape), [&book] { book.mCloseBookClick(0); });
}

} // namespace folianto::app
