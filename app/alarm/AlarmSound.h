#pragma once
// What the alarm sounds with: the system beep, the pause between beeps, and a sound file
// played without waiting. QtAlarmSound is the desktop one; tests record the calls.

#include <QString>
#include <functional>

namespace folianto::app {

class AlarmSound {
public:
    virtual ~AlarmSound() = default;
    virtual void beep() = 0;
    virtual void pause(int milliseconds) = 0; // a blocking wait
    // Starts playing the file and returns at once; false when it cannot be played at all (no
    // sound device, not a sound file). `failedLater` runs when playing fails after the start.
    virtual bool play(const QString& path, std::function<void()> failedLater) = 0;
};

} // namespace folianto::app
