#pragma once
// The encoding of a book's text: the `_Oem` code that detection stores, the recoding of the
// loaded bytes into Windows-1251 that the single-byte codes ask for, and the decoding of
// Unicode books ("U").

#include "engines/codepage/Unicode.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace folianto::reader {

// "N" for an RTF file (never detected); otherwise "U" for UTF-8 text or a file with a UTF-8
// or UTF-16 byte-order mark, "Y" when the bytes look like DOS text, "K" when they look like
// KOI-8 text, "N" for everything else.
QString detectOemCode(const QByteArray& bytes, bool rtf);

// The bytes in Windows-1251: "Y" recodes from CP866, "K" from KOI8-R, anything else leaves
// them as they are. Recoding stops at the first zero byte; that byte and the rest are kept.
QByteArray recodeToWindows(const QByteArray& bytes, const QString& oem);

bool isUnicodeCode(const QString& oem);

// The text of a book saved to a file keeps the book's kind of encoding: UTF-8 for a Unicode
// book, Windows-1251 (characters it lacks become '?') for the others.
QByteArray encodeBookText(const QString& text, const QString& oem);

// The shown text of a plain book, or of its part, and the way back from a character of it to a
// byte offset in the file: one byte per character for the single-byte codes, the decoded
// sequences' lengths for Unicode.
struct ShownPart {
    qint64 start = 0; // byte offset in the file of the first shown character
    std::optional<codepage::UnicodeText> unicode;

    qint64 bookPositionOf(qint64 index) const;
    qint64 indexOfBookPosition(qint64 position) const;
};

// Decodes the part of a Unicode book that starts at `offset` in the file and is `partLength`
// bytes long; `head` is the file's first bytes (its byte-order mark says UTF-8 or UTF-16).
// The part is moved to whole characters: a character cut at its start belongs to the part
// before, one cut at its end is finished from the up to 4 bytes `bytes` hold past the part.
struct UnicodePart {
    ShownPart shown;
    QString text;
};
UnicodePart decodeUnicodePart(const QByteArray& bytes, qint64 offset, qint64 partLength, const QByteArray& head);

} // namespace folianto::reader
