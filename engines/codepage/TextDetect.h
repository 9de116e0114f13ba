#pragma once
// Detectors of the Cyrillic encoding of a plain text: DOS (CP866), KOI8-R or Windows-1251.
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

// The encoding code stored for a plain (non-RTF) book: "Y" for DOS, else "K" for KOI-8,
// else "N" for Windows.
QString plainTextEncodingCode(QIODevice& sample);

} // namespace folianto::codepage
