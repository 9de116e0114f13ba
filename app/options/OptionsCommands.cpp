#include "app/options/OptionsCommands.h"

#include "app/MenuSet.h"
#include "app/TFormCommon.h"
#include "app/alarm/AlarmClock.h"
#include "app/options/PartPage.h"
#include "app/options/SearchPage.h"
#include "app/options/WorkOptions.h"
#include "catalogue/TablePage.h"
#include "exchange/FileDefaultsPage.h"
#include "catalogue/Catalogue.h"
#include "engines/table/Dataset.h"
#include "util/Interaction.h"

#include <QAction>
#include <cmath>
#include <limits>

namespace folianto::app {

OptionsCommands::OptionsCommands(catalogue::Catalogue& catalogue, MenuSet& menus, OptionsCommandsHost& host,
                                 AlarmClock& alarm, RemoveTraces removeTraces)
    : catalogue_(catalogue), menus_(menus), host_(host), removeTraces_(std::move(removeTraces))
{
    pages_.add(1, pageRunner<SearchPage>(
                      [](const settings::ProgramSettings& s) { return SearchConditions{s.substPath, s.subDirs, s.writeFound}; },
                      [](const SearchConditions& v, settings::ProgramSettings& s) {
                          s.substPath = v.substPath;
                          s.subDirs = v.subDirs;
                          s.writeFound = v.writeFound;
                      }));
    pages_.add(2, pageRunner<PartPage>([](const settings::ProgramSettings& s) { return s.partSize; },
                                       [](qint32 size, settings::ProgramSettings& s) { s.partSize = size; }));
    pages_.add(3, [&alarm](QWidget* parent, settings::ProgramSettings& s) { return alarm.runPage(parent, s); });
    pages_.add(4, pageRunner<exchange::FileDefaultsPage>(fileWorkIn, fileWorkOut));
    // The table page changes the grid's columns and fonts at once, through the window's services.
    pages_.add(5, [this](QWidget* parent, settings::ProgramSettings& s) {
        const auto out = util::runPageDialog<catalogue::TablePage>(parent, tableWorkIn(s),
                                                              host_.tablePageServices());
        if (out)
            tableWorkOut(*out, s);
        return out.has_value();
    });
}

void OptionsCommands::mConditionClick(int tag)
{
    util::runCommand([this, tag] {
        catalogue_.finishPendingEdit();
        if (pages_.run(tag, host_.dialogParent(), host_.settings()))
            host_.UpdateViewState();
    });
}

bool OptionsCommands::checked(const char* name) const
{
    return menus_.action(QString::fromLatin1(name))->isChecked();
}

bool OptionsCommands::fullScreen() const
{
    return checked("mbFullScreen");
}

void OptionsCommands::rememberBars()
{
    savedShowBar_ = checked("mShowBar");
    savedShowStatus_ = checked("mShowStatus");
}

void OptionsCommands::setBarChecks(bool bar, bool status)
{
    menus_.action(QStringLiteral("mShowBar"))->setChecked(bar);
    menus_.action(QStringLiteral("mShowStatus"))->setChecked(status);
    host_.applyBarChecks();
}

void OptionsCommands::mCaseClick(QAction* item)
{
    const QString name = item->objectName();
    host_.applyBarChecks();
    if (MenuSet::tag(item) == kFullScreenTag)
        switchFullScreen(item);
    else
        rememberBars();
    if (name == QLatin1String("mCase"))
        catalogue_.setCaseSensitive(item->isChecked());
    else if (name == QLatin1String("mTestFile"))
        catalogue_.recomputeFileCheck();
    else if (name == QLatin1String("mProperties"))
        host_.showPropertiesPanel(item->isChecked());
}

void OptionsCommands::switchFullScreen(QAction* item)
{
    const bool full = item->isChecked();
    table::Dataset& ds = catalogue_.Ds();
    const int row = ds.isActive() ? ds.recNo() : 0;
    host_.setWindowShown(false);
    for (const char* other : {"mcFullScreen", "mbFullScreen"})
        menus_.action(QString::fromLatin1(other))->setChecked(full);
    if (full)
        setBarChecks(false, false);
    else
        setBarChecks(savedShowBar_, savedShowStatus_);
    host_.ApplyFullScreen();
    host_.setWindowShown(true);
    host_.focusFrontView();
    if (row > 0) {
        try {
            ds.setRecNo(row);
        } catch (const std::exception&) {
        }
    }
}

void OptionsCommands::startFullScreen()
{
    rememberBars();
    if (fullScreen()) {
        menus_.action(QStringLiteral("mcFullScreen"))->setChecked(true);
        setBarChecks(false, false);
    }
    host_.ApplyFullScreen();
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
