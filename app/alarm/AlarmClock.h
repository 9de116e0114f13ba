#pragma once
// The alarm clock: a one-shot alarm for later today, watched by the window's timer `Tim`
// (60 s, running only while armed). When it fires it beeps four times, plays its file if that
// is a sound or else opens it, brings the program to the front and says "Время вышло !".

#include "app/alarm/AlarmPage.h"
#include "app/alarm/AlarmSound.h"
#include "app/settings/ProgramSettings.h"

#include <QMetaObject>
#include <QTime>
#include <memory>

class QTimer;
class QWidget;

namespace folianto::app {

// What the alarm needs of the window.
class AlarmHost {
public:
    virtual ~AlarmHost() = default;
    virtual QString alarmFile() const = 0; // `FAlarm`
    // Raises the window when it is shown; a window hidden in the tray stays hidden.
    virtual void bringToFront() = 0;
};

class AlarmClock {
public:
    // `tim` is the window's timer; the clock sets its period and handles its ticks.
    AlarmClock(QTimer& tim, AlarmHost& host, std::unique_ptr<AlarmSound> sound = {});
    ~AlarmClock();

    // The page `ShAlarm` over `parent`: OK arms the alarm with its values and sets `FAlarm`.
    bool runPage(QWidget* parent, settings::ProgramSettings& settings);
    // Stops the timer, takes the time, and starts the timer when that time lies later today.
    void arm(int hour, int minute);
    bool armed() const;
    int hour() const { return hour_; }
    int minute() const { return minute_; }

    void TimTimer(); // a tick: fires once the time has come
    void fire();     // the beeps, the file, the message
    void setSound(std::unique_ptr<AlarmSound> sound) { sound_ = std::move(sound); }

    static QString message(); // "Время вышло !"
    static constexpr int kBeeps = 4;
    static constexpr int kBeepPauseMs = 300;

private:
    QTime alarmTime() const { return QTime(hour_, minute_, 0); }

    QTimer& tim_;
    AlarmHost& host_;
    std::unique_ptr<AlarmSound> sound_;
    int hour_ = 0;
    int minute_ = 0;
    QMetaObject::Connection tick_;
};

} // namespace folianto::app
