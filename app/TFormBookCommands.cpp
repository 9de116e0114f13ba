// The main window's own commands and UpdateViewState, the routine every command ends with.

#include "app/ClickLabel.h"
#include "app/PropertiesPanel.h"
#include "app/TFormBook.h"
#include "util/Interaction.h"

#include <QMenuBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>

namespace folianto::app {

void TFormBook::bindCommands(std::initializer_list<const char*> names, const std::function<void(QAction*)>& handler)
{
    for (const char* name : names) {
        QAction* item = command(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, [item, handler] { handler(item); });
    }
}

void TFormBook::connectCommands()
{
    bindCommands({"mExit", "mpExit", "mbExit", "TlBtExitLib", "TlBtExitBook"}, [this](QAction*) { mExitClick(); });
    bindCommands({"mViewLibrary", "mpViewLibrary", "TlBtLib"}, [this](QAction*) { mViewLibraryClick(); });
    bindCommands({"mCatalog"}, [this](QAction*) { mCatalogClick(); });
    bindCommands({"mSave"}, [this](QAction*) { mSaveClick(); });
    bindCommands({"m1Closebook", "mp1CloseBook"}, [this](QAction*) { m1ClosebookClick(); });
    connectReader();
    bindCommands({"mShowBar", "mShowStatus", "mProperties", "mConFile", "mTestFile", "mCase", "mConfirm"},
                 [this](QAction* item) { mCaseClick(item); });
    connectSettingsCommands();
    connect(labInfo_, &ClickLabel::clicked, this, [this] { LabInfoClick(); });
    connectCardCommands();
    connect(panGrid_, &PropertiesPanel::navigationFailed, this,
            [](const QString& message) { util::interaction().showError(message); });
    // Escape in the grid asks the window to close, as "Вы&ход" does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), dbg_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, this, [this] { mExitClick(); });
}

ViewStateInput TFormBook::viewStateInput() const
{
    const auto& ds = catalogue_->Ds();
    ViewStateInput in;
    in.catalogueOpen = catalogue_->isOpen();
    in.rowCount = in.catalogueOpen ? ds.recordCount() : 0;
    in.hasCurrentRow = in.catalogueOpen && ds.hasCurrentRow();
    in.bookOpen = bookOpen();
    in.catalogueShown = catalogueShown_;
    in.filterChecked = menus_.action(QStringLiteral("mpFilter"))->isChecked();
    in.groupFilterChecked = menus_.action(QStringLiteral("mpFiltGroup"))->isChecked();
    in.filterListEntries = int(settings_.filterConditions.size());
    in.sortListEntries = int(settings_.sortFields.size());
    return in;
}

void TFormBook::UpdateViewState()
{
    if (!catalogue_->isOpen())
        setWindowTitle({});
    // Without an open book (or with it behind the catalogue) the catalogue view is in front.
    try {
        const bool reading = bookOpen() && !catalogueShown_;
        menus_.action(QStringLiteral("mBook"))->setEnabled(reading);
        if (!reading)
            bringCatalogueToFront();
    } catch (const std::exception&) {
    }
    const ViewStateInput in = viewStateInput();
    for (const ViewStateRule& rule : viewStateRules()) {
        const bool on = ruleHolds(rule.rule, in);
        for (const QString& name : rule.controls)
            command(name)->setEnabled(on);
    }
    panGrid_->setEnabled(propertiesPanelEnabled(in));
}

void TFormBook::mViewLibraryClick()
{
    bringCatalogueToFront();
    focusGrid();
    catalogueShown_ = true;
    menus_.action(QStringLiteral("mBook"))->setEnabled(false);
    menus_.action(QStringLiteral("mFile"))->setEnabled(true);
    UpdateViewState();
}

void TFormBook::mExitClick()
{
    close();
}

void TFormBook::mCatalogClick()
{
    runCommand([this] { catalogue_->mCatalogClick(); });
    UpdateViewState();
}

void TFormBook::mSaveClick()
{
    runCommand([this] { catalogue_->mSaveClick(); });
}

void TFormBook::m1ClosebookClick()
{
    runCommand([this] { closeOpenBook(); });
    UpdateViewState();
}

void TFormBook::LabInfoClick()
{
    if (!labInfo_->text().isEmpty())
        mCatalogClick();
}

void TFormBook::mCaseClick(QAction* item)
{
    // The item has already changed its check when it was triggered.
    const QString name = item->objectName();
    applyToolbarAndStatusChecks();
    savedShowBar_ = menus_.action(QStringLiteral("mShowBar"))->isChecked();
    savedShowStatus_ = menus_.action(QStringLiteral("mShowStatus"))->isChecked();
    if (name == QLatin1String("mCase")) {
        catalogue_->setCaseSensitive(item->isChecked());
    } else if (name == QLatin1String("mTestFile")) {
        catalogue_->recomputeFileCheck();
    } else if (name == QLatin1String("mProperties")) {
        panGrid_->setVisible(item->isChecked());
        update();
    }
}

} // namespace folianto::app
