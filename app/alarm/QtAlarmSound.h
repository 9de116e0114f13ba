#pragma once
// The alarm's sounds on the desktop: QApplication's beep and Qt Multimedia's QSoundEffect for
// WAV files, played on the default output device.

#include "app/alarm/AlarmSound.h"

#include <memory>

class QSoundEffect;

namespace folianto::app {

class QtAlarmSound final : public AlarmSound {
public:
    QtAlarmSound();
    ~QtAlarmSound() override;
    void beep() override;
    void pause(int milliseconds) override;
    bool play(const QString& path, std::function<void()> failedLater) override;

    // True when the file begins like a WAV file ("RIFF", size, "WAVE").
    static bool looksLikeWav(const QString& path);

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace folianto::app
