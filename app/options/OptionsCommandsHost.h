#pragma once
// What the options commands need of the window: the settings they change, and the toolbars,
// status bar and properties panel that follow their check items.

#include "app/settings/ProgramSettings.h"
#include "util/CommandHost.h"

namespace folianto::app {

class OptionsCommandsHost : public util::CommandHost {
public:
    virtual settings::ProgramSettings& settings() = 0;
    // The toolbars and the status bar follow "mShowBar" and "mShowStatus".
    virtual void applyBarChecks() = 0;
    virtual void showPropertiesPanel(bool shown) = 0; // `PanGrid`
};

} // namespace folianto::app
