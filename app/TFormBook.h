#pragma once
// The main window `FormBook`: the program's only permanent window and its composition root.
// It builds the menus, toolbars, panels and status bar, creates each subsystem's command
// object and binds every menu item and tool button to one of its methods
// (TFormBookBindings.cpp), runs the start-up and close sequences, and recomputes what is
// usable after every command (UpdateViewState). What the command objects need of the window
// reaches them through TFormBook::Hosts (TFormBookHosts.h).

#include "app/FormBookControls.h"
#include "app/MenuSet.h"
#include "app/ShellServices.h"
#include "app/ViewState.h"
#include "app/settings/ProgramSettings.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace folianto::catalogue {
class Catalogue;
class CatalogueCommands;
class CatalogueViewCommands;
class GroupCommands;
class ReadingDateCommands;
}
namespace folianto::reader {
class ReaderCommands;
}
namespace folianto::exchange {
class ExchangeCommands;
class ImportCommands;
} // namespace folianto::exchange
namespace folianto::fileops {
class FileCommands;
}

namespace folianto::app {

class AlarmClock;
class HelpCommands;
class OptionsCommands;
class TrayMode;

class TFormBook : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormBook(ShellServices services = {}, QWidget* parent = nullptr);
    ~TFormBook() override; // FormDestroy

    // The start-up sequence (FormCreate). True when it ran to its end (`StartupOk`); otherwise
    // the program ends without showing the window.
    bool FormCreate(const StartupArguments& args);
    bool startupOk() const { return startupOk_; }
    // The close request (FormCloseQuery): true when the window may close; by then the catalogue
    // is closed, the settings saved and the work folder cleared.
    bool FormCloseQuery();
    void UpdateViewState();

    // --- state ------------------------------------------------------------------------------
    bool catalogueShown() const { return catalogueShown_; }
    bool bookOpen() const; // held in the enabled state of "П&рервать чтение"
    void setBookOpen(bool open);
    bool shuttingDown() const { return shuttingDown_; }
    void showBookView(); // the book panel in front (and `CatalogueShown` cleared)
    // How an open book is closed in place before another command; the reader's close unless a
    // test puts another.
    void setBookCloser(std::function<void(bool atEnd)> closer) { bookCloser_ = std::move(closer); }
    QString workFolder() const { return workFolder_; }
    settings::ProgramSettings& settings() { return settings_; }

    // --- the window's own commands ------------------------------------------------------------
    void mViewLibraryClick();
    void mExitClick();

    // --- the command objects, each bound to its items -----------------------------------------
    catalogue::Catalogue& catalogue() { return *catalogue_; }
    catalogue::CatalogueCommands& catalogueCommands() { return *catalogueCommands_; }
    catalogue::CatalogueViewCommands& viewCommands() { return *viewCommands_; }
    catalogue::GroupCommands& groupCommands() { return *groupCommands_; }
    catalogue::ReadingDateCommands& readingDates() { return *readingDates_; }
    reader::ReaderCommands& readerCommands() { return *readerCommands_; }
    OptionsCommands& options() { return *options_; }
    exchange::ExchangeCommands& exchange() { return *exchange_; }
    exchange::ImportCommands& imports() { return *imports_; }
    fileops::FileCommands& files() { return *files_; }
    AlarmClock& alarm() { return *alarm_; }
    TrayMode& tray() { return *tray_; }

    // --- controls, for tests -------------------------------------------------------------------
    const MenuSet& menus() const { return menus_; }
    // A menu item, submenu or toolbar button by object name; throws std::out_of_range.
    QAction* command(const QString& name) const;
    QMenu* gridPopup() const { return ui_.pm; }
    QMenu* readingPopup() const { return ui_.pme; }
    QTableView* grid() const { return ui_.dbg; }
    QWidget* catalogueView() const { return ui_.panCatalog; }
    QWidget* bookView() const { return ui_.panBook; }
    QWidget* frontView() const;
    PropertiesPanel* propertiesPanel() const { return ui_.panGrid; }
    QComboBox* topicCache() const { return ui_.cb; }
    QComboBox* pageSelector() const { return ui_.cbPage; }
    QProgressBar* progressBar() const { return ui_.pb; }
    bool progressBarShown() const;
    QString infoText() const;
    QString statusPanelText(int panel) const;
    QTimer* titleClickTimer() const { return ui_.timer1; }
    // The grid's title-click guard: set and `Timer1` started by a title click; the timer
    // clears it after 500 ms.
    void armTitleClickGuard();
    bool titleClickGuard() const { return titleClickGuard_; }
    QTimer* alarmTimer() const { return ui_.tim; }

    static QString extensionMessage(); // "Файл должен иметь расширение .bon !"
    static QString closeQuestion();    // "Закрыть программу?"
    static QString applicationTitle(); // "Folianto 3.03"
    static QString unsavedCloseQuestion(); // asked when the catalogue could not be written at close

    class Hosts; // what the command objects and the settings need of the window

protected:
    void showEvent(QShowEvent* event) override;   // FormShow
    void closeEvent(QCloseEvent* event) override; // asks FormCloseQuery

private:
    // layout
    void buildMenus();
    void buildCatalogueView();
    void buildCatalogueToolbar(QVBoxLayout* layout);
    void buildGrid();
    void buildBookView();
    void buildStatusBar();
    void buildTimers();
    QAction* addToolButton(QToolBar* bar, const QString& name, const QString& hint, int icon, int tag = 0);
    void placeReadingViews();
    void connectGridCursor();
    void applyToolbarAndStatusChecks();
    void ApplyFullScreen();
    void bringCatalogueToFront();
    void focusGrid();
    void focusFrontView();
    void closeOpenBook();
    ViewStateInput viewStateInput() const;
    QString chooseStartupCatalogue(const QString& argumentPath, const QString& recent,
                                   const QString& executableFolder) const;
    // binding (TFormBookBindings.cpp)
    void createCommands();
    void bindCommands();
    void bindShortcuts();

    ShellServices services_;
    settings::ProgramSettings settings_;
    std::unique_ptr<Hosts> hosts_;
    std::unique_ptr<catalogue::Catalogue> catalogue_;
    std::unique_ptr<catalogue::CatalogueCommands> catalogueCommands_;
    std::unique_ptr<catalogue::CatalogueViewCommands> viewCommands_;
    std::unique_ptr<catalogue::GroupCommands> groupCommands_;
    std::unique_ptr<catalogue::ReadingDateCommands> readingDates_;
    std::unique_ptr<OptionsCommands> options_;
    std::unique_ptr<exchange::ExchangeCommands> exchange_;
    std::unique_ptr<exchange::ImportCommands> imports_;
    std::unique_ptr<fileops::FileCommands> files_;
    std::unique_ptr<reader::ReaderCommands> readerCommands_;
    std::unique_ptr<AlarmClock> alarm_;
    std::unique_ptr<TrayMode> tray_;
    std::unique_ptr<HelpCommands> help_;
    std::function<void(bool)> bookCloser_;

    bool startupOk_ = false;
    bool zipPacking_ = false;
    bool catalogueShown_ = false;
    bool shuttingDown_ = false;
    bool closeAllowed_ = false;
    bool titleClickGuard_ = false;
    bool syncingCursor_ = false;
    bool gridColumnsLive_ = false; // the header holds an applied column layout
    QString workFolder_, rarScratchFile_, haProgramFile_;
    QString executableFolder_;

    MenuSet menus_;
    FormBookControls ui_;
};

} // namespace folianto::app
