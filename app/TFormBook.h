#pragma once
// The main window `FormBook`: the program's only permanent window and its composition root.
// It builds the menus, toolbars, panels and status bar, creates each subsystem's command
// object and binds every menu item and tool button to one of its methods
// (TFormBookBindings.cpp), runs the start-up and close sequences, and recomputes what is
// usable after every command (UpdateViewState). What the command objects need of the window
// reaches them through TFormBook::Hosts (TFormBookHosts.h).

#include "app/MenuSet.h"
#include "app/ViewState.h"
#include "app/settings/LoadSettings.h"
#include "app/settings/ProgramSettings.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QStackedWidget;
class QTableView;
class QTimer;
class QToolBar;
class QVBoxLayout;

namespace folianto::table {
class DatasetModel;
}
namespace folianto::catalogue {
class Catalogue;
class CatalogueCommands;
}
namespace folianto::reader {
class ReaderCommands;
}
namespace folianto::exchange {
class ExchangeCommands;
}
namespace folianto::fileops {
class FileCommands;
}

namespace folianto::app {

class ClickLabel;
class OptionsCommands;
class PropertiesPanel;

// What the start-up sequence reads of the process.
struct StartupArguments {
    QStringList arguments;    // command-line arguments, without the program name
    QString launchDirectory;  // the current directory at launch
    QString executableFolder; // the folder of the program's executable
};

// The services the window calls at start-up and close. Unset ones are skipped: the window then
// starts from its design settings and keeps nothing.
struct ShellServices {
    std::function<void()> registerFileType;
    std::function<QString(settings::SettingsHost&)> loadSettings; // returns `Recent_Catalog`
    std::function<void(const settings::SettingsHost&)> saveSettings;
    // Asks, then removes the file type and the settings key (calling repaint first); true
    // when they were removed.
    std::function<bool(const std::function<void()>& repaint)> removeTraces;
    // The HA extractor program; empty: folianto-ha beside the running executable.
    QString haProgram;
};

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
    reader::ReaderCommands& readerCommands() { return *readerCommands_; }
    OptionsCommands& options() { return *options_; }
    exchange::ExchangeCommands& exchange() { return *exchange_; }
    fileops::FileCommands& files() { return *files_; }

    // --- controls, for tests -------------------------------------------------------------------
    const MenuSet& menus() const { return menus_; }
    // A menu item, submenu or toolbar button by object name; throws std::out_of_range.
    QAction* command(const QString& name) const;
    QMenu* gridPopup() const { return pm_; }
    QMenu* readingPopup() const { return pme_; }
    QTableView* grid() const { return dbg_; }
    QWidget* catalogueView() const { return panCatalog_; }
    QWidget* bookView() const { return panBook_; }
    QWidget* frontView() const;
    PropertiesPanel* propertiesPanel() const { return panGrid_; }
    QComboBox* topicCache() const { return cb_; }
    QComboBox* pageSelector() const { return cbPage_; }
    QProgressBar* progressBar() const { return pb_; }
    bool progressBarShown() const;
    QString infoText() const;
    QString statusPanelText(int panel) const;
    QTimer* titleClickTimer() const { return timer1_; }
    // The grid's title-click guard: set and `Timer1` started by a title click; the timer
    // clears it after 500 ms.
    void armTitleClickGuard();
    bool titleClickGuard() const { return titleClickGuard_; }
    QTimer* alarmTimer() const { return tim_; }

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
    std::unique_ptr<OptionsCommands> options_;
    std::unique_ptr<exchange::ExchangeCommands> exchange_;
    std::unique_ptr<fileops::FileCommands> files_;
    std::unique_ptr<reader::ReaderCommands> readerCommands_;
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
    QHash<QString, QAction*> toolActions_;
    QMenu* pm_ = nullptr;
    QMenu* pme_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QWidget* panCatalog_ = nullptr;
    QWidget* panBook_ = nullptr;
    QVBoxLayout* bookViewsLayout_ = nullptr;
    QToolBar* tbLib_ = nullptr;
    QToolBar* tbBook_ = nullptr;
    ClickLabel* labInfo_ = nullptr;
    QComboBox* cb_ = nullptr;
    QProgressBar* pb_ = nullptr;
    QComboBox* cbPage_ = nullptr;
    QTableView* dbg_ = nullptr;
    table::DatasetModel* model_ = nullptr;
    PropertiesPanel* panGrid_ = nullptr;
    QList<QLabel*> sb_;
    QTimer* timer1_ = nullptr;
    QTimer* tim_ = nullptr;
};

} // namespace folianto::app
