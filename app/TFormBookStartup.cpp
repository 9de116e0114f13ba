// The start-up sequence, the close request and the first display of the main window.

#include "app/TFormBook.h"
#include "app/FullScreen.h"
#include "app/TFormBookHosts.h"
#include "app/options/OptionsCommands.h"
#include "catalogue/Catalogue.h"
#include "util/FileSystem.h"
#include "util/Interaction.h"
#include "util/Paths.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTableView>

namespace folianto::app {

bool TFormBook::FormCreate(const StartupArguments& args)
{
    startupOk_ = false;
    zipPacking_ = false;
    try {
        bringCatalogueToFront();
        executableFolder_ = args.executableFolder;

        // Paths of the work folder and its tool files; nothing is created here.
        const QString temp = util::TempPath();
        workFolder_ = temp.isEmpty() ? QString() : util::joinPath(temp, QStringLiteral("BOOKDATA"));
        rarScratchFile_ = workFolder_.isEmpty() ? QString() : util::joinPath(workFolder_, QStringLiteral("~ur.tmp"));
        haProgramFile_ = workFolder_.isEmpty() ? QString() : util::joinPath(workFolder_, QStringLiteral("~hhh.exe"));

        QString argumentPath = args.arguments.value(0);
        if (!argumentPath.isEmpty()) {
            if (util::extensionOfPath(argumentPath).toLower() != QLatin1String(".bon")) {
                util::interaction().message(extensionMessage(), util::MessageKind::Warning);
                return false;
            }
            argumentPath = QDir::cleanPath(QDir(args.launchDirectory).absoluteFilePath(argumentPath));
        }

        settings_.extMask.clear();
        settings_.sortFields.clear();
        settings_.filterConditions.clear();
        if (services_.registerFileType)
            services_.registerFileType();
        QString recent = settings_.recentCatalog;
        if (services_.loadSettings)
            recent = services_.loadSettings(*hosts_);
        else
            hosts_->applySettings(settings_);

        if (settings_.haTimeout < 1)
            settings_.haTimeout = 300;
        catalogue_->setCaseSensitive(menus_.action(QStringLiteral("mCase"))->isChecked());

        const QString chosen = chooseStartupCatalogue(argumentPath, recent, args.executableFolder);
        if (!chosen.isEmpty())
            catalogue_->OpenCatalogue(chosen);
        UpdateViewState();
        startupOk_ = true;

        ui_.cbPage->setCurrentIndex(ui_.cbPage->count() > 0 ? 0 : -1);
        catalogue_->setRowEventsOn(true);
        catalogue_->ShowRowPosition();
        setAcceptDrops(true);
        options_->startFullScreen();
    } catch (const table::TableError& e) {
        util::interaction().showError(e.message());
        startupOk_ = false;
    } catch (const std::exception& e) {
        util::interaction().showError(QString::fromUtf8(e.what()));
        startupOk_ = false;
    }
    return startupOk_;
}

QString TFormBook::chooseStartupCatalogue(const QString& argumentPath, const QString& recent,
                                          const QString& executableFolder) const
{
    const QString chosen = argumentPath.isEmpty() ? recent : argumentPath;
    if (!chosen.isEmpty() && QFileInfo(chosen).isFile())
        return chosen;
    if (executableFolder.isEmpty())
        return {};
    const QDir folder(executableFolder);
    const QStringList found = folder.entryList({QStringLiteral("*.bon")},
                                               QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    return found.isEmpty() ? QString() : QDir::cleanPath(folder.absoluteFilePath(found.first()));
}

void TFormBook::ApplyFullScreen()
{
    applyFullScreen(*this, options_->fullScreen());
}

bool TFormBook::FormCloseQuery()
{
    if (menus_.action(QStringLiteral("mConfirm"))->isChecked()
        && util::interaction().ask(closeQuestion(), util::Question::OkCancel) != util::Answer::Ok)
        return false;
    shuttingDown_ = true;
    catalogue_->finishPendingEdit();
    if (!catalogue_->SwitchCatalogue({})) {
        // The catalogue could not be written: say so, and let the user keep the program (and
        // the changes) rather than lose them without a word.
        util::interaction().showError(catalogue_->lastCloseError());
        if (util::interaction().ask(unsavedCloseQuestion(), util::Question::YesNo) != util::Answer::Yes) {
            shuttingDown_ = false;
            UpdateViewState();
            return false;
        }
    }
    if (services_.saveSettings) {
        try {
            services_.saveSettings(*hosts_);
        } catch (const std::exception& e) {
            util::interaction().showError(QString::fromUtf8(e.what()));
        }
    }
    util::ClearFolder(workFolder_); // an empty or missing work folder is left alone
    return true;
}

void TFormBook::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        focusGrid();
}

void TFormBook::closeEvent(QCloseEvent* event)
{
    if (closeAllowed_ || FormCloseQuery()) {
        closeAllowed_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace folianto::app
