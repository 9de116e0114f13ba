#pragma once
// The main window `FormBook`: the program's only permanent window and its composition root.
// It builds the menus, toolbars, panels and status bar, owns the open catalogue and the
// window's state, runs the start-up and close sequences, and recomputes what is usable after
// every command (UpdateViewState).

#include "app/MenuSet.h"
#include "app/ViewState.h"
#include "app/settings/LoadSettings.h"
#include "app/settings/ProgramSettings.h"
#include "catalogue/Catalogue.h"
#include "reader/ArchiveExtract.h"
#include "reader/BookLocation.h"

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

namespace folianto::app {

class ClickLabel;
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

class TFormBook : public QMainWindow, public catalogue::CatalogueHost, public settings::SettingsHost {
    Q_OBJECT
public:
    explicit TFormBook(ShellServices services = {}, QWidget* parent = nullptr);
    ~TFormBook() override; // FormDestroy

    // --- life -------------------------------------------------------------------------------
    // The start-up sequence (FormCreate). True when it ran to its end (`StartupOk`); otherwise
    // the program ends without showing the window.
    bool FormCreate(const StartupArguments& args);
    bool startupOk() const { return startupOk_; }
    // The close request (FormCloseQuery): true when the window may close; by then the catalogue
    // is closed, the settings saved and the work folder cleared.
    bool FormCloseQuery();

    // --- state ------------------------------------------------------------------------------
    bool catalogueShown() const { return catalogueShown_; }
    bool bookOpen() const;                 // held in the enabled state of "П&рервать чтение"
    void setBookOpen(bool open);
    bool shuttingDown() const override { return shuttingDown_; }
    // The reader brings the book view to the front (and clears `CatalogueShown`).
    void showBookView();
    // Part of the reader's close: returns the open book's progress to its row. Until the reader
    // sets one, closing a book only clears `BookOpen`.
    void setBookCloser(std::function<void(bool atEnd)> closer) { bookCloser_ = std::move(closer); }

    QString workFolder() const { return workFolder_; }
    QString rarScratchFile() const { return rarScratchFile_; }
    QString haProgramFile() const { return haProgramFile_; }
    settings::ProgramSettings& settings() { return settings_; }
    const settings::ProgramSettings& settings() const { return settings_; }
    int haTimeout() const { return settings_.haTimeout; }
    // `ArchivePassword`: typed in "&X-Files...", held only in memory.
    QString archivePassword() const { return archivePassword_; }
    // What the archive extractors take from the window: work folder, password, HA time-out.
    reader::ArchiveRequest archiveRequest() const;
    // What the book file search takes from the settings; `whileSearching` keeps windows painted.
    reader::LocationSettings locationSettings(std::function<void()> whileSearching) const;

    // --- parts, for the subsystems and for tests ----------------------------------------------
    catalogue::Catalogue& catalogue() { return *catalogue_; }
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
    bool topicCacheStale() const { return topicCacheStale_; }
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
    // Places the reading views (`ReRich`, `ReFast`) in the book panel, with the reading popup.
    void setReadingViews(QWidget* views, const QList<QWidget*>& popupOwners);
    const QStringList& FStrExt() const { return settings_.extMask; }
    const QStringList& FStrSort() const { return settings_.sortFields; }
    const QStringList& FStrFilt() const { return settings_.filterConditions; }

    // --- commands ---------------------------------------------------------------------------
    void UpdateViewState() override;
    void mViewLibraryClick();
    void mExitClick();
    void mCatalogClick();
    void mSaveClick();
    void m1ClosebookClick();
    void LabInfoClick();
    // The check toggles that the catalogue's life reads.
    void mCaseClick(QAction* item);
    // The book card for a new row (newRow) or for editing the current one; true when a row
    // was posted.
    bool ShowBookCard(bool newRow);
    // "&X-Files...", "Время &HA-распаковки..." and "&Удалить следы Folianto-а в системном реестре...".
    void mXClick();
    void mOutClick();
    void mRegistryClick();
    static QString haTimeoutCaption();
    static QString haTimeoutPrompt();

    // --- the book card and its row commands (TFormBookCard*.cpp) ------------------------------
    // `givenFile`: a file to link without the file dialog (a dropped file).
    bool ShowBookCard(bool newRow, const QString& givenFile);
    void mNewClick(const QAction* item); // tag 1 adds, tag 2 edits
    void mDeleteClick();
    void mpCloneClick();
    void mpDefClick();
    void connectCardCommands(); // called by connectCommands

    // --- catalogue::CatalogueHost -------------------------------------------------------------
    void closeOpenBook() override;
    void resetFilterCommands() override;
    void clearTopicCache() override;
    void setCatalogueCaption(const QString& text) override;
    void setPositionText(const QString& text) override;
    void setInfoText(const QString& text) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int percent) override;
    bool propertiesPanelActive() const override;
    bool fileCheckOn() const override;
    QString defaultAuthor() const override { return settings_.defaultAuthor; }
    QString defaultTopic() const override { return settings_.defaultTopic; }
    QString rememberedSort() const override { return settings_.indexName; }

    // --- settings::SettingsHost ---------------------------------------------------------------
    settings::ProgramSettings designSettings() const override;
    void applySettings(const settings::ProgramSettings& s) override;
    settings::ProgramSettings currentSettings() const override;
    bool savingEnabled() const override;

    static QString extensionMessage(); // "Файл должен иметь расширение .bon !"
    static QString closeQuestion();    // "Закрыть программу?"
    static QString applicationTitle(); // "Folianto 3.03"
    static QString unsavedCloseQuestion(); // asked when the catalogue could not be written at close

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
    void connectCommands();
    // Connects each named menu item or tool button to `handler`, which gets the item (its tag).
    void bindCommands(std::initializer_list<const char*> names, const std::function<void(QAction*)>& handler);
    void connectSettingsCommands();
    void connectGridCursor();
    void applyToolbarAndStatusChecks();
    void ApplyFullScreen();
    void bringCatalogueToFront();
    void focusGrid();
    ViewStateInput viewStateInput() const;
    void runCommand(const std::function<void()>& command);
    QString chooseStartupCatalogue(const QString& argumentPath, const QString& recent,
                                   const QString& executableFolder) const;

    ShellServices services_;
    settings::ProgramSettings settings_;
    std::unique_ptr<catalogue::Catalogue> catalogue_;
    std::function<void(bool)> bookCloser_;

    bool startupOk_ = false;
    bool zipPacking_ = false;
    bool catalogueShown_ = false;
    bool shuttingDown_ = false;
    bool closeAllowed_ = false;
    bool savedShowBar_ = true;
    bool savedShowStatus_ = true;
    bool titleClickGuard_ = false;
    bool topicCacheStale_ = true;
    QString workFolder_, rarScratchFile_, haProgramFile_;
    QString executableFolder_;
    QString archivePassword_;

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
    bool syncingCursor_ = false;
    bool gridColumnsLive_ = false; // the header holds an applied column layout

    // --- the open book (TFormBookReader.*) and the file search options (TFormBookOptions.cpp) ---
public:
    struct Reader; // the reading views, the page list and the open book's session
    Reader& reader() { return *reader_; }
    void mOpenbookClick(const QAction* sender);  // tag 21: with the external program
    void mCloseBookClick(const QAction* sender); // tag 2: at the end
    void mpGoToBookClick();
    void mConditionClick(QAction* item);

private:
    friend class ReaderWindowHost;
    void connectReader(); // called by connectCommands
    std::shared_ptr<Reader> reader_;
};

} // namespace folianto::app
