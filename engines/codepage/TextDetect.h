#pragma once
// Detectors of the encoding of a plain text: Unicode (UTF-8, or UTF-16 with its mark), DOS
// (CP866), KOI8-R or Windows-1251.
// Each reads a short sample from the start of the stream and puts the stream's position back.

#include <QString>

class QIODevice;

namespace folianto::codepage {

// True when the sample looks like CP866 text: more CP866 letters than Windows-1251 letters,
// or a text made mostly of one box-drawing character. Sample: the first 3000 bytes, or all
// but the last byte of a shorter stream.
bool LooksLikeDosText(QIODevice& sample);

// True when the sample, read as Windows-1251, shows letter sequences that Russian text in
// Windows-1251 does not have but KOI8-R text read that way does. Sample: offsets 0 to 3000
// inclusive, or the whole of a shorter stream.
bool LooksLikeKoiText(QIODevice& sample);

// True when the first 4096 bytes are UTF-8 text or begin with a UTF-8 or UTF-16 byte-order
// mark (see looksLikeUnicodeText).
bool LooksLikeUnicodeText(QIODevice& sample);

// The encoding code stored for a plain (non-RTF) book: "U" for Unicode, else "Y" for DOS,
// else "K" for KOI-8, else "N" for Windows.
QString plainTextEncodingCode(QIODevice& sample);

} // namespace folianto::codepage
