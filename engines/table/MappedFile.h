#pragma once
// A file read through a read-only memory map. Pages already read can be given back as the
// reader moves on, so reading a large file never holds all of it in the process at once.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>

namespace folianto::table {

class MappedFile {
public:
    // Throws TableError when the file cannot be opened or read.
    explicit MappedFile(const QString& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    QByteArrayView bytes() const { return bytes_; }
    // The whole pages before offset leave memory (they are read again if touched). An offset
    // below an earlier one starts a new pass from there.
    void releaseBefore(qsizetype offset);

private:
    QFile file_;
    uchar* map_ = nullptr;
    QByteArray copy_; // when the file cannot be mapped
    QByteArrayView bytes_;
    qsizetype released_ = 0;
};

} // namespace folianto::table
