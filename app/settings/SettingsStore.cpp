#include "app/settings/SettingsStore.h"

namespace folianto::settings {

QString missingValueMessage(const QString& name)
{
    return QStringLiteral("В настройках нет значения «%1».").arg(name);
}

QString wrongKindMessage(const QString& name)
{
    return QStringLiteral("Значение «%1» в настройках имеет недопустимый тип.").arg(name);
}

} // namespace folianto::settings
