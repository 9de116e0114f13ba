#pragma once
#include <QString>
#include <stdexcept>

namespace folianto::dbf {

// A table that cannot be opened, a value that cannot be read or written, a bad field list.
class DbfError : public std::runtime_error {
public:
    explicit DbfError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace folianto::dbf
