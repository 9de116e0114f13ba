#pragma once
// The command "&Удалить следы Folianto-а в системном реестре..." (`mRegistryClick`) and the
// registration of the file type made at every start.

#include "app/settings/FileTypeRegistrar.h"
#include "app/settings/SettingsStore.h"

#include <functional>

namespace folianto::settings {

// Register (R true) or remove the file type; removal also deletes the settings key.
bool RegisterFileType(FileTypeRegistrar& registrar, SettingsStore& store, const FileTypeInfo& info,
                      bool registerType);

// Asks "Удалить Folianto-записи в регистре?"; on Yes calls `repaint`, removes the file type and
// the settings key, and returns true: the window then disables the menu item, which stops
// SaveSettings for the rest of the run. On No nothing changes and the result is false.
bool removeProgramTraces(FileTypeRegistrar& registrar, SettingsStore& store,
                         const FileTypeInfo& info, const std::function<void()>& repaint = {});

} // namespace folianto::settings
