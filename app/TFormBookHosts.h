#pragma once
// The window's side of its command objects and of the settings: one adapter that answers
// each subsystem's host interface from the window's controls and state.

#include "app/TFormBook.h"
#include "app/alarm/AlarmClock.h"
#include "app/options/OptionsCommandsHost.h"
#include "catalogue/CatalogueCommandsHost.h"
#include "catalogue/CatalogueHost.h"
#include "catalogue/CatalogueViewHost.h"
#include "exchange/ExchangeCommandsHost.h"
#include "exchange/ImportCommandsHost.h"
#include "fileops/FileCommandsHost.h"
#include "reader/ArchiveExtract.h"
#include "reader/BookLocation.h"
#include "reader/ReaderCommandsHost.h"

namespace folianto::app {

class TFormBook::Hosts final : public catalogue::CatalogueHost,
                               public catalogue::CatalogueCommandsHost,
                               public catalogue::CatalogueViewHost,
                               public reader::ReaderCommandsHost,
                               public OptionsCommandsHost,
                               public exchange::ExchangeCommandsHost,
                               public exchange::ImportCommandsHost,
                               public fileops::FileCommandsHost,
                               public AlarmHost,
                               public settings::SettingsHost {
public:
    explicit Hosts(TFormBook& form) : form_(form) {}

    // every command
    void UpdateViewState() override { form_.UpdateViewState(); }
    void repaintWindow() override { form_.repaint(); }
    QWidget* dialogParent() override { return &form_; }

    // the catalogue
    void closeOpenBook() override { form_.closeOpenBook(); }
    void resetFilterCommands() override;
    void clearTopicCache() override;
    void setCatalogueCaption(const QString& text) override { form_.setWindowTitle(text); }
    void setPositionText(const QString& text) override;
    void setInfoText(const QString& text) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int percent) override;
    bool shuttingDown() const override { return form_.shuttingDown(); }
    bool propertiesPanelActive() const override;
    bool fileCheckOn() const override { return checked("mTestFile"); }
    QString defaultAuthor() const override { return form_.settings_.defaultAuthor; }
    QString defaultTopic() const override { return form_.settings_.defaultTopic; }
    QString rememberedSort() const override { return form_.settings_.indexName; }
    bool bookOpen() const override { return form_.bookOpen(); }
    bool warnSimilarLink() const override { return checked("mConFile"); }
    void setDefaultAuthor(const QString& author) override { form_.settings_.defaultAuthor = author; }
    void setDefaultTopic(const QString& topic) override { form_.settings_.defaultTopic = topic; }
    QString infoText() const override { return form_.infoText(); }
    catalogue::CardFileEntries cardFileEntries(table::Dataset& row, const std::function<void()>& whileSearching) override;
    std::optional<fb2::Fb2Description> bookDescription(const QString& file) override;

    // the catalogue view
    void setRememberedSort(const QString& indName) override { form_.settings_.indexName = indName; }
    QStringList sortFields() const override { return form_.settings_.sortFields; }
    QStringList filterConditions() const override { return form_.settings_.filterConditions; }
    bool titleClickGuard() const override { return form_.titleClickGuard(); }
    void armTitleClickGuard() override { form_.armTitleClickGuard(); }

    // the reader
    reader::BookSessionSettings sessionSettings() const override;
    void setBookOpen(bool open) override { form_.setBookOpen(open); }
    bool catalogueShown() const override { return form_.catalogueShown(); }
    void showBookView() override { form_.showBookView(); }
    void showCatalogueView() override;
    void focusGrid() override { form_.focusGrid(); }
    void setOpenBookTitle(const QString& title) override;
    void setCaretText(const QString& text) override;
    void editBookCard() override;
    void readingLookChanged(const reader::ReadingLook& look) override;

    // the imports and exports
    catalogue::Catalogue& catalogue() override { return form_.catalogue(); }
    QChar exportDelimiter() const override;
    void setExportDelimiter(QChar delimiter) override;
    int runImportDbfPage(exchange::ImportDbfPage& page) override;
    reader::LocationSettings locationSettings() override { return locationSettings([this] { repaintWindow(); }); }
    bool zipFile(const QString& file, const QString& archive, QProgressBar* bar) override;
    exchange::FileDefaults fileDefaults() const override;
    bool pageDialogOpen() const override;
    void addBookForFile(const QString& path) override;
    bool runPage(const exchange::PageRun& run) override;

    // the options
    settings::ProgramSettings& settings() override { return form_.settings_; }
    void applyBarChecks() override { form_.applyToolbarAndStatusChecks(); }
    void showPropertiesPanel(bool shown) override;
    void ApplyFullScreen() override { form_.ApplyFullScreen(); }
    void setWindowShown(bool shown) override;
    void focusFrontView() override { form_.focusFrontView(); }

    // the alarm
    QString alarmFile() const override { return form_.settings_.alarmFile; }
    void bringToFront() override;
    catalogue::TablePageServices tablePageServices() override;

    // the settings kept between runs
    settings::ProgramSettings designSettings() const override;
    void applySettings(const settings::ProgramSettings& s) override;
    settings::ProgramSettings currentSettings() const override;
    bool savingEnabled() const override;

    // What the archive extractors and the book file search take from the window.
    reader::ArchiveRequest archiveRequest() const;
    reader::LocationSettings locationSettings(std::function<void()> whileSearching) const;
    // The reading views' look that the settings hold.
    static reader::ReadingLook readingLook(const settings::ProgramSettings& s);

private:
    bool checked(const char* item) const;

    TFormBook& form_;
};

} // namespace folianto::app
