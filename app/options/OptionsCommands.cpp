#include "app/options/OptionsCommands.h"

#include "app/MenuSet.h"
#include "app/TFormCommon.h"
#include "app/options/OptionsPage.h"
#include "app/options/SearchPage.h"
#include "catalogue/Catalogue.h"
#include "util/Interaction.h"

#include <QAction>
#include <cmath>
#include <limits>
#include <map>

namespace folianto::app {

OptionsCommands::OptionsCommands(catalogue::Catalogue& catalogue, MenuSet& menus, OptionsCommandsHost& host,
                                 RemoveTraces removeTraces)
    : catalogue_(catalogue), menus_(menus), host_(host), removeTraces_(std::move(removeTraces))
{
}

void OptionsCommands::mConditionClick(int tag)
{
    // Each options page by the tag of the item that opens it.
    static const std::map<int, void (OptionsCommands::*)()> pages = {
        {1, &OptionsCommands::searchConditions},
    };
    util::runCommand([this] { catalogue_.finishPendingEdit(); });
    const auto page = pages.find(tag);
    if (page != pages.end())
        (this->*page->second)();
}

void OptionsCommands::searchConditions()
{
    settings::ProgramSettings& s = host_.settings();
    const auto out = runOptionsPage<SearchPage>(host_.dialogParent(), {s.substPath, s.subDirs, s.writeFound});
    if (!out)
        return;
    s.substPath = out->substPath;
    s.subDirs = out->subDirs;
    s.writeFound = out->writeFound;
}

void OptionsCommands::rememberBars()
{
    savedShowBar_ = menus_.action(QStringLiteral("mShowBar"))->isChecked();
    savedShowStatus_ = menus_.action(QStringLiteral("mShowStatus"))->isChecked();
}

void OptionsCommands::mCaseClick(QAction* item)
{
    const QString name = item->objectName();
    host_.applyBarChecks();
    rememberBars();
    if (name == QLatin1String("mCase"))
        catalogue_.setCaseSensitive(item->isChecked());
    else if (name == QLatin1String("mTestFile"))
        catalogue_.recomputeFileCheck();
    else if (name == QLatin1String("mProperties"))
        host_.showPropertiesPanel(item->isChecked());
}

void OptionsCommands::mXClick()
{
    if (const auto typed = TFormCommon::askPassword(host_.dialogParent(), archivePassword_))
        archivePassword_ = *typed;
}

QString OptionsCommands::haTimeoutCaption()
{
    return QStringLiteral("Максимальное время HA-распаковки в минутах");
}

QString OptionsCommands::haTimeoutPrompt()
{
    return QStringLiteral("Тайм-аут более 1 минуты:");
}

void OptionsCommands::mOutClick()
{
    qint32& timeout = host_.settings().haTimeout;
    const int minutes = int(std::lround(timeout / 60.0));
    const std::optional<QString> answer =
        util::interaction().inputText(haTimeoutCaption(), haTimeoutPrompt(), QString::number(minutes));
    if (!answer)
        return;
    bool number = false;
    const int typed = answer->trimmed().toInt(&number);
    const int value = number ? typed : minutes;
    // Minutes beyond what the seconds can hold are refused like any other bad value.
    if (value >= 1 && value <= std::numeric_limits<int>::max() / 60)
        timeout = value * 60;
}

void OptionsCommands::mRegistryClick()
{
    if (!removeTraces_)
        return;
    // Once the traces are gone the item stays disabled, which also stops saving the settings.
    if (removeTraces_([this] { host_.repaintWindow(); }))
        menus_.action(QStringLiteral("mRegistry"))->setEnabled(false);
}

} // namespace folianto::app
