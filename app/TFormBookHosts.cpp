#include "app/TFormBookHosts.h"

#include "app/ClickLabel.h"
#include "app/GridColumns.h"
#include "app/PropertiesPanel.h"
#include "app/options/OptionsCommands.h"
#include "catalogue/CatalogueCommands.h"
#include "reader/CardFileEntries.h"

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

void TFormBook::Hosts::setPositionText(const QString& text) { form_.sb_[1]->setText(text); }
void TFormBook::Hosts::setInfoText(const QString& text) { form_.labInfo_->setText(text); }

void TFormBook::Hosts::setProgressVisible(bool visible)
{
    form_.toolActions_.value(QStringLiteral("PbAction"))->setVisible(visible);
}

void TFormBook::Hosts::setProgress(int percent) { form_.pb_->setValue(percent); }

bool TFormBook::Hosts::propertiesPanelActive() const
{
    return !form_.panGrid_->isHidden() && form_.panGrid_->isEnabled();
}

catalogue::CardFileEntries TFormBook::Hosts::cardFileEntries(table::Dataset& row,
                                                              const std::function<void()>& whileSearching)
{
    return reader::LocateCardFile(row, locationSettings(whileSearching), archiveRequest());
}

// --- the reader ------------------------------------------------------------------------------

reader::ArchiveRequest TFormBook::Hosts::archiveRequest() const
{
    reader::ArchiveRequest request;
    request.workFolder = form_.workFolder_;
    request.password = form_.options_->archivePassword();
    request.haTimeoutSeconds = form_.settings_.haTimeout;
    request.haProgram = form_.services_.haProgram;
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

void TFormBook::Hosts::setOpenBookTitle(const QString& title) { form_.sb_[3]->setText(title); }
void TFormBook::Hosts::setCaretText(const QString& text) { form_.sb_[4]->setText(text); }
void TFormBook::Hosts::editBookCard() { form_.catalogueCommands_->ShowBookCard(false); }

// --- the options -----------------------------------------------------------------------------

void TFormBook::Hosts::showPropertiesPanel(bool shown)
{
    form_.panGrid_->setVisible(shown);
    form_.update();
}

// --- the settings kept between runs ------------------------------------------------------------

settings::ProgramSettings TFormBook::Hosts::designSettings() const
{
    settings::ProgramSettings design;
    design.recentDir = QDir::toNativeSeparators(form_.executableFolder_);
    design.gridColumns = defaultGridColumns(form_.dbg_->fontMetrics());
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
    form_.move(s.geometry.topLeft());
    form_.resize(s.geometry.size());
    form_.dbg_->setFont(s.gridFont.toQFont());
    form_.dbg_->horizontalHeader()->setFont(s.titleFont.toQFont());
    form_.statusBar()->setFont(s.titleFont.toQFont());
    form_.applyToolbarAndStatusChecks();
    if (form_.gridColumnsLive_)
        applyGridColumns(*form_.dbg_, *form_.model_, s.gridColumns);
}

settings::ProgramSettings TFormBook::Hosts::currentSettings() const
{
    settings::ProgramSettings s = form_.settings_;
    s.showBar = checked("mShowBar");
    s.showStatus = checked("mShowStatus");
    s.fastRead = checked("mFastRead");
    s.caseSensitive = checked("mCase");
    s.confirmClose = checked("mConfirm");
    s.warnSimilarLink = checked("mConFile");
    s.testFile = checked("mTestFile");
    s.fullScreen = checked("mbFullScreen");
    const QRect normal = form_.isVisible() ? form_.normalGeometry() : QRect(form_.pos(), form_.size());
    s.geometry = normal.isValid() ? normal : s.geometry;
    s.recentCatalog = form_.catalogue_->fileName();
    s.recentDir = QDir::toNativeSeparators(QDir::currentPath());
    if (form_.gridColumnsLive_)
        s.gridColumns = currentGridColumns(*form_.dbg_, *form_.model_);
    return s;
}

bool TFormBook::Hosts::savingEnabled() const
{
    return form_.menus_.action(QStringLiteral("mRegistry"))->isEnabled();
}

} // namespace folianto::app
