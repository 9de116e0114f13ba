#pragma once
// Reading a book file, or one part of it, into memory.

#include "reader/BookParts.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace folianto::reader {

// A book file that exists but cannot be read; the text is for the error box.
class BookReadError : public std::runtime_error {
public:
    explicit BookReadError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// The size of the file in bytes; 0 when it is missing or not a regular file.
qint64 bookFileSize(const QString& path);

// Only the bytes of the range: the file is positioned at its start, nothing before is read.
// A file that became shorter gives the bytes that are left. Throws BookReadError.
QByteArray readBookBytes(const QString& path, ByteRange range);

} // namespace folianto::reader
