#include "app/alarm/AlarmClock.h"

#include "app/alarm/QtAlarmSound.h"
#include "util/PageDialog.h"
#include "util/Clock.h"
#include "util/Interaction.h"
#include "util/Shell.h"

#include <QFileInfo>
#include <QTimer>

namespace folianto::app {

QString AlarmClock::message() { return QStringLiteral("Время вышло !"); }

AlarmClock::AlarmClock(QTimer& tim, AlarmHost& host, std::unique_ptr<AlarmSound> sound)
    : tim_(tim), host_(host), sound_(sound ? std::move(sound) : std::make_unique<QtAlarmSound>())
{
    tim_.setInterval(60 * 1000);
    tim_.stop();
    tick_ = QObject::connect(&tim_, &QTimer::timeout, &tim_, [this] { TimTimer(); });
}

AlarmClock::~AlarmClock()
{
    QObject::disconnect(tick_);
}

bool AlarmClock::runPage(QWidget* parent, settings::ProgramSettings& settings)
{
    const auto values = util::runPageDialog<AlarmPage>(parent, {hour_, minute_, settings.alarmFile});
    if (!values)
        return false;
    settings.alarmFile = values->file;
    arm(values->hour, values->minute);
    return true;
}

void AlarmClock::arm(int hour, int minute)
{
    tim_.stop();
    hour_ = hour;
    minute_ = minute;
    if (util::clock().timeOfDay() < alarmTime())
        tim_.start();
}

bool AlarmClock::armed() const
{
    return tim_.isActive();
}

void AlarmClock::TimTimer()
{
    if (util::clock().timeOfDay() < alarmTime())
        return;
    tim_.stop();
    fire();
}

void AlarmClock::fire()
{
    for (int i = 0; i < kBeeps; ++i) {
        if (i > 0)
            sound_->pause(kBeepPauseMs);
        sound_->beep();
    }
    const QString file = host_.alarmFile();
    const QFileInfo info(file);
    if (!file.isEmpty() && info.isFile() && info.size() > 0) {
        auto openInstead = [file] { util::shell().open(file); }; // a failure is not reported
        if (!sound_->play(file, openInstead))
            openInstead();
    }
    host_.bringToFront();
    util::interaction().message(message());
}

} // namespace folianto::app
