#pragma once
// What the main window takes from the process and from the desktop at start-up and close.

#include "app/settings/LoadSettings.h"

#include <QStringList>
#include <functional>

namespace folianto::app {

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

} // namespace folianto::app
