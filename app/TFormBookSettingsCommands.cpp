// Setting commands of "Ус&тановки и команды" (the password for encrypted archives, the time the
// HA extractor may take, the removal of the program's traces), and the settings as the book
// file search and the archive extractors take them.

#include "app/TFormBook.h"
#include "app/TFormCommon.h"
#include "util/Interaction.h"

#include <QLineEdit>
#include <cmath>
#include <limits>

namespace folianto::app {

void TFormBook::connectSettingsCommands()
{
    bindCommands({"mX"}, [this](QAction*) { mXClick(); });
    bindCommands({"mOut"}, [this](QAction*) { mOutClick(); });
    bindCommands({"mRegistry"}, [this](QAction*) { mRegistryClick(); });
}

void TFormBook::mRegistryClick()
{
    if (!services_.removeTraces)
        return;
    // Once the traces are gone the item stays disabled, which also stops saving the settings.
    if (services_.removeTraces([this] { repaint(); }))
        menus_.action(QStringLiteral("mRegistry"))->setEnabled(false);
}

reader::ArchiveRequest TFormBook::archiveRequest() const
{
    reader::ArchiveRequest request;
    request.workFolder = workFolder_;
    request.password = archivePassword_;
    request.haTimeoutSeconds = settings_.haTimeout;
    request.haProgram = services_.haProgram;
    request.mainWindow = window();
    return request;
}

reader::LocationSettings TFormBook::locationSettings(std::function<void()> whileSearching) const
{
    return {settings_.substPath, settings_.subDirs, settings_.writeFound, std::move(whileSearching)};
}

void TFormBook::mXClick()
{
    TFormCommon form(this);
    form.showPasswordMode(archivePassword_);
    if (util::interaction().runDialog(form) == QDialog::Accepted)
        archivePassword_ = form.EdPas()->text();
}

QString TFormBook::haTimeoutCaption()
{
    return QStringLiteral("Максимальное время HA-распаковки в минутах");
}

QString TFormBook::haTimeoutPrompt()
{
    return QStringLiteral("Тайм-аут более 1 минуты:");
}

void TFormBook::mOutClick()
{
    const int minutes = int(std::lround(settings_.haTimeout / 60.0));
    const std::optional<QString> answer =
        util::interaction().inputText(haTimeoutCaption(), haTimeoutPrompt(), QString::number(minutes));
    if (!answer)
        return;
    bool number = false;
    const int typed = answer->trimmed().toInt(&number);
    const int value = number ? typed : minutes;
    // Minutes beyond what the seconds can hold are refused like any other bad value.
    if (value >= 1 && value <= std::numeric_limits<int>::max() / 60)
        settings_.haTimeout = value * 60;
}

} // namespace folianto::app
