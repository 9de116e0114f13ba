#pragma once
// A settings value that cannot be used as stored (wrong type, a block too long, a number out of
// range). Raised while the settings load; the start-up shows the message and stops.

#include <QString>
#include <stdexcept>

namespace folianto::settings {

class SettingsError : public std::runtime_error {
public:
    explicit SettingsError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace folianto::settings
