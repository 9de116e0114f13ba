// Program entry: the application, Qt's own Russian texts for the standard buttons, the main
// window's start-up sequence, and the event loop only when that sequence ran to its end.

#include "app/DemoCatalogue.h"
#include "app/TFormBook.h"
#include "app/settings/QtSettingsStore.h"
#include "app/settings/RemoveTraces.h"
#include "app/settings/XdgFileTypeRegistrar.h"
#include "util/QtInteraction.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

using namespace folianto;

namespace {

// `--make-demo DIR`: writes the demo catalogue and its sample books, prints the catalogue path.
int makeDemo(const QString& folder)
{
    const QString catalogue = app::makeDemoCatalogue(folder);
    QTextStream out(catalogue.isEmpty() ? stderr : stdout);
    if (catalogue.isEmpty()) {
        out << "folianto: cannot write the demo catalogue into " << folder << "\n";
        return 1;
    }
    out << catalogue << "\n";
    return 0;
}

settings::FileTypeInfo fileTypeInfo()
{
    settings::FileTypeInfo info;
    info.executable = QCoreApplication::applicationFilePath();
    return info;
}

app::ShellServices desktopServices(settings::QtSettingsStore& store)
{
    app::ShellServices services;
    services.registerFileType = [] { settings::XdgFileTypeRegistrar().registerType(fileTypeInfo()); };
    services.removeTraces = [&store](const std::function<void()>& repaint) {
        settings::XdgFileTypeRegistrar registrar;
        return settings::removeProgramTraces(registrar, store, fileTypeInfo(), repaint);
    };
    services.loadSettings = [&store](settings::SettingsHost& host) { return settings::LoadSettings(store, host); };
    services.saveSettings = [&store](const settings::SettingsHost& host) {
        settings::SaveSettings(store, host);
        store.sync();
    };
    return services;
}

} // namespace

int main(int argc, char** argv)
{
    const QString launchDirectory = QDir::currentPath();
    if (argc == 3 && QByteArray(argv[1]) == "--make-demo") {
        QCoreApplication tool(argc, argv); // no display needed
        return makeDemo(QCoreApplication::arguments().value(2));
    }
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tavimar"));
    QCoreApplication::setApplicationName(QStringLiteral("Folianto"));
    QGuiApplication::setApplicationDisplayName(app::TFormBook::applicationTitle());

    util::installQtRussianTranslation();

    const QStringList arguments = QCoreApplication::arguments().mid(1);

    settings::QtSettingsStore store;
    app::TFormBook form(desktopServices(store));
    const app::StartupArguments startup{arguments, launchDirectory, QCoreApplication::applicationDirPath()};
    if (!form.FormCreate(startup))
        return 1; // the window is never shown
    form.show();
    return QApplication::exec();
}
