#pragma once
// Unicode book text: UTF-8, or UTF-16 with its byte-order mark. Recognising it, decoding it
// without loss, and mapping between characters of the decoded text and byte offsets in the
// file, so that reading positions stay byte offsets whatever the encoding.

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace folianto::codepage {

enum class UnicodeForm { Utf8, Utf16LE, Utf16BE };

// The form a file's byte-order mark names (UTF-8 when there is none) and the mark's length.
struct ByteOrderMark {
    UnicodeForm form = UnicodeForm::Utf8;
    int length = 0; // 0 without a mark
};
ByteOrderMark byteOrderMarkOf(QByteArrayView head);

// The length of the valid UTF-8 sequence at the start of `bytes`: 1 to 4; 0 when the first
// byte cannot start one or a later byte breaks it (overlong forms, surrogates and values past
// U+10FFFF are invalid); -1 when the bytes end inside a sequence that is valid so far.
int utf8SequenceLength(QByteArrayView bytes);

// True for a sample of UTF-8 text: it begins with a UTF-8 or UTF-16 byte-order mark, or it is
// valid UTF-8 (a sequence cut at the sample's end counts as valid) holding at least one
// multibyte sequence. Plain ASCII is not taken for UTF-8: it reads the same in every code page.
bool looksLikeUnicodeText(QByteArrayView sample);

// How many bytes to move forward from `offset` (a byte offset in the file) to reach the start
// of a character: 0 to 3 continuation bytes of UTF-8; for UTF-16 an odd offset and the second
// half of a surrogate pair. `bytesAtOffset` are the file's bytes from `offset` on (4 are enough).
int bytesToCharacterStart(QByteArrayView bytesAtOffset, qint64 offset, UnicodeForm form);

// Decoded text with what it takes to map its characters back to byte offsets.
class UnicodeText {
public:
    const QString& text() const { return text_; }
    UnicodeForm form() const { return form_; }

    // Byte offset, within the decoded bytes, of the character at `index` (clamped into
    // 0 .. text length; the length maps to the end of the bytes).
    qint64 byteOffsetOf(qsizetype index) const;
    // Index of the character whose bytes hold `offset` (clamped as above).
    qsizetype indexOfByteOffset(qint64 offset) const;

private:
    friend UnicodeText decodeUnicode(QByteArrayView bytes, UnicodeForm form, bool atFileStart);
    qint64 unitBytes(qsizetype i) const;

    QString text_;
    UnicodeForm form_ = UnicodeForm::Utf8;
    int skipped_ = 0;               // the byte-order mark, not shown
    QList<qsizetype> singleBytes_;  // indexes of U+FFFD standing for one invalid byte, ascending
};

// Decodes the bytes in the given form. Each invalid byte becomes U+FFFD; a byte-order mark at
// the start is dropped when the bytes begin the file.
UnicodeText decodeUnicode(QByteArrayView bytes, UnicodeForm form, bool atFileStart);

} // namespace folianto::codepage
