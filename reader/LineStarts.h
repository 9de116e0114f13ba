#pragma once
// Where each line of a loaded text begins in the bytes it was read from. The reading views
// split a plain text into lines at CR LF, LF alone and CR alone; a line here is exactly one
// of those, so a position stored as a byte offset lands on the same line in either view and
// whatever the line ends are.

#include <QByteArray>
#include <QString>
#include <vector>

namespace folianto::reader {

class LineStarts {
public:
    LineStarts() = default;
    // Offsets counted in bytes of the file.
    static LineStarts ofBytes(const QByteArray& bytes);
    // Offsets counted in characters: the same as bytes for a single-byte code page.
    static LineStarts ofText(const QString& text);

    int lineCount() const { return int(starts_.size()); }
    qint64 size() const { return size_; }
    // The offset where a line begins; a line beyond the last gives size().
    qint64 lineStart(int line) const;
    // The length of a line without its line break.
    qint64 lineLength(int line) const;
    // The line holding an offset (a line break belongs to the line it ends); -1 beyond the text.
    int lineAt(qint64 offset) const;

private:
    std::vector<qint64> starts_{0};
    std::vector<qint64> ends_{0}; // where each line's break begins
    qint64 size_ = 0;
};

} // namespace folianto::reader
