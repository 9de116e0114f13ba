#pragma once
// How a book file is divided into parts of `PartSize` bytes (one byte is one character in
// every code page the reader handles).

#include <QString>
#include <QtGlobal>

namespace folianto::reader {

struct BookDivision {
    bool divided = false;
    int partCount = 1; // N; 1 for a book read whole

    // The part shown for a reading position: the part holding it, or the last part for a
    // position at or past the end of the book.
    int partForPosition(qint64 position, int partSize) const;
};

// Divided when 0 < partSize < fileSize and the file is not RTF (the lower-cased suffix is
// not "rtf"): N = fileSize div partSize, plus one for a remainder.
BookDivision divideBook(qint64 fileSize, int partSize, const QString& suffix);

// The byte range of part `index`: from index × partSize, partSize bytes long or up to the end.
struct ByteRange {
    qint64 offset = 0;
    qint64 length = 0;
};
ByteRange partRange(int index, int partSize, qint64 fileSize);

bool isRtfSuffix(const QString& suffix);

} // namespace folianto::reader
