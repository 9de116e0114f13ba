#pragma once
// Loading the settings at start-up and saving them at exit.
//
// The main window implements SettingsHost: it gives its design state (fonts, geometry, checks,
// the default grid columns, the executable's folder as `recentDir`), applies a loaded
// ProgramSettings to its controls (toolbars and status bar following their checks, the grid
// popup's full-screen check like the reading popup's, the status bar in the grid's title font,
// "Показать с&войства" shown only when propertiesOffered) and collects the current state at exit.
//
//   start-up:  QString recent = LoadSettings(store, window);   // SettingsError: show, fail
//   close:     SaveSettings(store, window);

#include "app/settings/ProgramSettings.h"
#include "app/settings/SettingsStore.h"

namespace folianto::settings {

class SettingsHost {
public:
    virtual ~SettingsHost() = default;
    // The controls' state as designed, before any setting was applied.
    virtual ProgramSettings designSettings() const = 0;
    virtual void applySettings(const ProgramSettings& settings) = 0;
    // The state to keep, taken from the controls and the window's state.
    virtual ProgramSettings currentSettings() const = 0;
    // False once "&Удалить следы Folianto-а в системном реестре..." has removed the entries in
    // this run (the menu item is then disabled): nothing is saved any more.
    virtual bool savingEnabled() const = 0;
};

// The load steps over a store, starting from `design`. Writes the string defaults that are
// missing, applies and deletes the legacy values, deletes `Config` once read or superseded, and
// makes `Recent_Dir` the current directory (a failure there is ignored). Throws SettingsError.
ProgramSettings loadSettings(SettingsStore& store, const ProgramSettings& design);
// Writes every stored setting in its order; a list with no entries deletes its value.
void saveSettings(SettingsStore& store, const ProgramSettings& settings);

// The window's calls: load, apply, and return `Recent_Catalog`; collect and save (the current
// directory as `Recent_Dir`), unless saving was disabled.
QString LoadSettings(SettingsStore& store, SettingsHost& host);
void SaveSettings(SettingsStore& store, const SettingsHost& host);

} // namespace folianto::settings
