#pragma once
// What the options commands need of the window: the settings they change, the toolbars,
// status bar and properties panel that follow their check items, and the window itself for
// the full-screen switch.

#include "app/settings/ProgramSettings.h"
#include "catalogue/TablePage.h"
#include "util/CommandHost.h"

namespace folianto::app {

class OptionsCommandsHost : public util::CommandHost {
public:
    virtual settings::ProgramSettings& settings() = 0;
    // The toolbars and the status bar follow "mShowBar" and "mShowStatus".
    virtual void applyBarChecks() = 0;
    virtual void showPropertiesPanel(bool shown) = 0; // `PanGrid`
    // The window's frame, menu and state follow the check of "Весь &экран...".
    virtual void ApplyFullScreen() = 0;
    // Hides the window, or shows it and brings the program to the front.
    virtual void setWindowShown(bool shown) = 0;
    // The focus to the grid when the catalogue is in front, otherwise to the reading view in
    // use (each only when it can take it).
    virtual void focusFrontView() = 0;
    // What the page `ShTab` changes at once: the grid's columns and fonts.
    virtual catalogue::TablePageServices tablePageServices() = 0;
};

} // namespace folianto::app
