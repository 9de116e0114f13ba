#include "app/TFormBookHosts.h"

#include "app/ClickLabel.h"
#include "app/GridColumns.h"
#include "app/PropertiesPanel.h"
#include "app/options/OptionsCommands.h"
#include "catalogue/CatalogueCommands.h"
#include "engines/codepage/CodePages.h"
#include "exchange/BookDescription.h"
#include "exchange/ImportDbfPage.h"
#include "reader/ReaderCommands.h"
#include "reader/CardFileEntries.h"
#include "app/options/WorkOptions.h"
#include "fileops/ZipFile.h"
#include "util/Interaction.h"
#include "util/TFormTopic.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>

namespace folianto::app {

bool TFormBook::Hosts::checked(const char* item) const
{
    return form_.menus_.action(QString::fromLatin1(item))->isChecked();
}

// --- the catalogue ---------------------------------------------------------------------------

void TFormBook::Hosts::resetFilterCommands()
{
    for (const char* name : {"mFilter", "mpFilter", "mpFiltGroup"}) {
        QAction* a = form_.menus_.action(QString::fromLatin1(name));
        a->setChecked(false);
        if (a != form_.menus_.action(QStringLiteral("mpFiltGroup")))
            a->setText(QStringLiteral("&Фильтр"));
    }
}

void TFormBook::Hosts::clearTopicCache()
{
    if (form_.catalogueCommands_)
        form_.catalogueCommands_->clearTopicCache();
}

void TFormBook::Hosts::setPositionText(const QString& text) { form_.ui_.sb[1]->setText(text); }
void TFormBook::Hosts::setInfoText(const QString& text) { form_.ui_.labInfo->setText(text); }

void TFormBook::Hosts::setProgressVisible(bool visible)
{
    form_.ui_.toolActions.value(QStringLiteral("PbAction"))->setVisible(visible);
}

void TFormBook::Hosts::setProgress(int percent) { form_.ui_.pb->setValue(percent); }

// --- the imports and exports ----------------------------------------------------------------

// The settings keep the delimiter as one Windows-1251 byte.
QChar TFormBook::Hosts::exportDelimiter() const
{
    const char byte = char(form_.settings_.exportDelimiter);
    return codepage::fromCp1251(QByteArrayView(&byte, 1)).at(0);
}

void TFormBook::Hosts::setExportDelimiter(QChar delimiter)
{
    const QByteArray bytes = codepage::toCp1251(QStringView(&delimiter, 1));
    form_.settings_.exportDelimiter = quint8(bytes.at(0));
}

bool TFormBook::Hosts::zipFile(const QString& file, const QString& archive, QProgressBar* bar)
{
    return fileops::ZipFile(file, archive, bar);
}

exchange::FileDefaults TFormBook::Hosts::fileDefaults() const
{
    return fileWorkIn(form_.settings_);
}

bool TFormBook::Hosts::pageDialogOpen() const
{
    return util::TFormTopic::current() != nullptr;
}

void TFormBook::Hosts::addBookForFile(const QString& path)
{
    form_.catalogueCommands_->ShowBookCard(true, path);
}

bool TFormBook::Hosts::runPage(const exchange::PageRun& run)
{
    util::TFormTopic dialog(&form_);
    QWidget* sheet = dialog.addPage(run.page);
    dialog.selectPage(run.page);
    dialog.setWindowTitle(run.caption);
    if (run.resizable) {
        dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        dialog.setSizeGripEnabled(true);
    }
    if (run.build)
        run.build(sheet);
    if (util::interaction().runDialog(dialog) != QDialog::Accepted)
        return false;
    if (run.collect)
        run.collect();
    return true;
}

int TFormBook::Hosts::runImportDbfPage(exchange::ImportDbfPage& page)
{
    util::TFormTopic dialog(&form_);
    QWidget* sheet = dialog.addPage(QStringLiteral("ShImportDbf"));
    dialog.selectPage(QStringLiteral("ShImportDbf"));
    return page.runIn(dialog, *sheet);
}

bool TFormBook::Hosts::propertiesPanelActive() const
{
    return !form_.ui_.panGrid->isHidden() && form_.ui_.panGrid->isEnabled();
}

catalogue::CardFileEntries TFormBook::Hosts::cardFileEntries(table::Dataset& row,
                                                              const std::function<void()>& whileSearching)
{
    return reader::LocateCardFile(row, locationSettings(whileSearching), archiveRequest());
}

std::optional<fb2::Fb2Description> TFormBook::Hosts::bookDescription(const QString& file)
{
    return exchange::readBookDescription(file);
}

// --- the reader ------------------------------------------------------------------------------

reader::ArchiveRequest TFormBook::Hosts::archiveRequest() const
{
    reader::ArchiveRequest request;
    request.workFolder = form_.workFolder_;
    request.password = form_.options_->archivePassword();
    request.haTimeoutSeconds = form_.settings_.haTimeout;
    request.haProgram = form_.services_.haProgram;
    request.mainWindow = form_.window();
    return request;
}

reader::LocationSettings TFormBook::Hosts::locationSettings(std::function<void()> whileSearching) const
{
    const settings::ProgramSettings& s = form_.settings_;
    return {s.substPath, s.subDirs, s.writeFound, std::move(whileSearching)};
}

reader::BookSessionSettings TFormBook::Hosts::sessionSettings() const
{
    const settings::ProgramSettings& s = form_.settings_;
    reader::BookSessionSettings out;
    // A long search below the substitution folder keeps the window painted. It repaints
    // rather than run the event loop, so that no command (nor the close) can start meanwhile.
    TFormBook* form = &form_;
    out.location = locationSettings([form] { form->repaint(); });
    out.externalProgram = s.externalProgram;
    out.archivesToExternal = s.arc;
    out.archive = archiveRequest();
    out.partSize = s.partSize;
    out.fastRead = checked("mFastRead");
    return out;
}

void TFormBook::Hosts::showCatalogueView()
{
    form_.bringCatalogueToFront();
    form_.focusGrid();
}

void TFormBook::Hosts::setOpenBookTitle(const QString& title) { form_.ui_.sb[3]->setText(title); }
void TFormBook::Hosts::setCaretText(const QString& text) { form_.ui_.sb[4]->setText(text); }
void TFormBook::Hosts::editBookCard() { form_.catalogueCommands_->ShowBookCard(false); }

void TFormBook::Hosts::readingLookChanged(const reader::ReadingLook& look)
{
    settings::ProgramSettings& s = form_.settings_;
    s.fastFont.takeFont(look.fastFont);
    s.richFont.takeFont(look.richFont);
    s.background = settings::WinColor::fromQColor(look.background, s.background);
}

reader::ReadingLook TFormBook::Hosts::readingLook(const settings::ProgramSettings& s)
{
    return {s.fastFont.toQFont(), s.richFont.toQFont(), s.background.toQColor(), s.fastFont.color.toQColor(),
            s.richFont.color.toQColor()};
}

// --- the options -----------------------------------------------------------------------------

void TFormBook::Hosts::showPropertiesPanel(bool shown)
{
    form_.ui_.panGrid->bind(shown ? form_.catalogue_.get() : nullptr);
    form_.ui_.panGrid->setVisible(shown);
    form_.update();
}

void TFormBook::Hosts::setWindowShown(bool shown)
{
    if (!shown) {
        form_.hide();
        return;
    }
    form_.show();
    bringToFront();
}

void TFormBook::Hosts::bringToFront()
{
    if (!form_.isVisible())
        return;
    form_.raise();
    form_.activateWindow();
}

catalogue::TablePageServices TFormBook::Hosts::tablePageServices()
{
    TFormBook& form = form_;
    catalogue::TablePageServices services;
    services.catalogue = &form.catalogue_->Ds();
    services.grid = form.ui_.dbg;
    services.setGridFont = [&form](const QFont& font) {
        form.ui_.dbg->setFont(font);
        form.settings_.gridFont.takeFont(font);
    };
    services.setTitleFont = [&form](const QFont& font) {
        form.ui_.dbg->horizontalHeader()->setFont(font);
        form.statusBar()->setFont(font);
        form.settings_.titleFont.takeFont(font);
    };
    return services;
}

// --- the settings kept between runs ------------------------------------------------------------

settings::ProgramSettings TFormBook::Hosts::designSettings() const
{
    settings::ProgramSettings design;
    design.recentDir = QDir::toNativeSeparators(form_.executableFolder_);
    design.gridColumns = defaultGridColumns(form_.ui_.dbg->fontMetrics());
    return design;
}

void TFormBook::Hosts::applySettings(const settings::ProgramSettings& s)
{
    form_.settings_ = s;
    auto check = [this](const char* name, bool on) { form_.menus_.action(QString::fromLatin1(name))->setChecked(on); };
    check("mShowBar", s.showBar);
    check("mShowStatus", s.showStatus);
    check("mFastRead", s.fastRead);
    check("mCase", s.caseSensitive);
    check("mConfirm", s.confirmClose);
    check("mConFile", s.warnSimilarLink);
    check("mTestFile", s.testFile);
    check("mbFullScreen", s.fullScreen);
    check("mcFullScreen", s.fullScreen);
    form_.menus_.action(QStringLiteral("mProperties"))->setVisible(s.propertiesOffered);
    // The same rectangle that currentSettings takes back: without the frame, in the normal state.
    form_.setGeometry(s.geometry);
    form_.ui_.dbg->setFont(s.gridFont.toQFont());
    form_.ui_.dbg->horizontalHeader()->setFont(s.titleFont.toQFont());
    form_.statusBar()->setFont(s.titleFont.toQFont());
    if (form_.readerCommands_)
        form_.readerCommands_->views().applyLook(readingLook(s));
    form_.applyToolbarAndStatusChecks();
    if (form_.gridColumnsLive_)
        applyGridColumns(*form_.ui_.dbg, *form_.ui_.model, s.gridColumns);
}

settings::ProgramSettings TFormBook::Hosts::currentSettings() const
{
    settings::ProgramSettings s = form_.settings_;
    // In full screen the bars are kept as they were before it, to come back when it is left.
    const bool full = checked("mbFullScreen");
    s.showBar = full ? form_.options_->savedShowBar() : checked("mShowBar");
    s.showStatus = full ? form_.options_->savedShowStatus() : checked("mShowStatus");
    s.fastRead = checked("mFastRead");
    s.caseSensitive = checked("mCase");
    s.confirmClose = checked("mConfirm");
    s.warnSimilarLink = checked("mConFile");
    s.testFile = checked("mTestFile");
    s.fullScreen = full;
    const QRect normal = form_.isVisible() ? form_.normalGeometry() : form_.geometry();
    s.geometry = normal.isValid() ? normal : s.geometry;
    s.recentCatalog = form_.catalogue_->fileName();
    s.recentDir = QDir::toNativeSeparators(QDir::currentPath());
    if (form_.gridColumnsLive_)
        s.gridColumns = currentGridColumns(*form_.ui_.dbg, *form_.ui_.model, form_.settings_.gridColumns);
    return s;
}

bool TFormBook::Hosts::savingEnabled() const
{
    return form_.menus_.action(QStringLiteral("mRegistry"))->isEnabled();
}

} // namespace folianto::app
