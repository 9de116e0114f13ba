#pragma once
// The encoding of a book's text: the `_Oem` code that detection stores, and the recoding of
// the loaded bytes into Windows-1251 that the code asks for.

#include <QByteArray>
#include <QString>

namespace folianto::reader {

// "N" for an RTF file (never detected); otherwise "Y" when the bytes look like DOS text,
// "K" when they look like KOI-8 text, "N" for everything else.
QString detectOemCode(const QByteArray& bytes, bool rtf);

// The bytes in Windows-1251: "Y" recodes from CP866, "K" from KOI8-R, anything else leaves
// them as they are. Recoding stops at the first zero byte; that byte and the rest are kept.
QByteArray recodeToWindows(const QByteArray& bytes, const QString& oem);

} // namespace folianto::reader
