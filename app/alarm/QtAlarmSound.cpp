#include "app/alarm/QtAlarmSound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace folianto::app {

QtAlarmSound::QtAlarmSound() = default;
QtAlarmSound::~QtAlarmSound() = default;

void QtAlarmSound::beep() { QApplication::beep(); }

void QtAlarmSound::pause(int milliseconds) { QThread::msleep(ulong(milliseconds)); }

bool QtAlarmSound::looksLikeWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

bool QtAlarmSound::play(const QString& path, std::function<void()> failedLater)
{
    if (QMediaDevices::audioOutputs().isEmpty() || !looksLikeWav(path))
        return false;
    effect_ = std::make_unique<QSoundEffect>();
    QSoundEffect* effect = effect_.get();
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, failedLater = std::move(failedLater)] {
        if (effect->status() == QSoundEffect::Error && failedLater)
            failedLater();
    });
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
    return true;
}

} // namespace folianto::app
