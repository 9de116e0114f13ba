#pragma once
#include <QString>
#include <stdexcept>

namespace folianto::table {

// Every failure of the engine: a bad file, a bad filter text, a write that failed, an
// operation in the wrong state. The message is meant for the user's error box.
class TableError : public std::runtime_error {
public:
    explicit TableError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace folianto::table
