#include "app/settings/RemoveTraces.h"

#include "util/Interaction.h"

namespace folianto::settings {

bool RegisterFileType(FileTypeRegistrar& registrar, SettingsStore& store, const FileTypeInfo& info,
                      bool registerType)
{
    if (registerType)
        return registrar.registerType(info);
    const bool removed = registrar.removeType(info);
    if (store.keyExists())
        store.deleteKey();
    return removed;
}

bool removeProgramTraces(FileTypeRegistrar& registrar, SettingsStore& store,
                         const FileTypeInfo& info, const std::function<void()>& repaint)
{
    if (!util::interaction().confirm(QStringLiteral("Удалить Folianto-записи в регистре?")))
        return false;
    if (repaint)
        repaint();
    RegisterFileType(registrar, store, info, false);
    return true;
}

} // namespace folianto::settings
