#pragma once
// The single-byte Cyrillic code pages the program meets in book files, tables and settings:
// DOS (CP866), KOI8-R and Windows-1251, with our own 256-entry tables.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace folianto::codepage {

QString fromCp1251(QByteArrayView bytes);
QByteArray toCp1251(QStringView text);  // characters outside the code page become '?'
QString fromCp866(QByteArrayView bytes);
QByteArray toCp866(QStringView text);   // characters outside the code page become '?'
QString fromKoi8r(QByteArrayView bytes);

// Byte-to-byte recodings into Windows-1251, as the reader uses them. Both stop at the first
// zero byte: the result holds only the bytes before it.
// CP866 frames and rules come out as ASCII line art (- = | +), shades and blocks as '#'.
QByteArray dosToWin(QByteArrayView bytes);
QByteArray koiToWin(QByteArrayView bytes);

// The same recodings done in place on a buffer: the bytes before the first zero byte are
// recoded, the zero and everything after it stay as they are. Returns how many bytes were
// recoded.
qsizetype dosToWinInPlace(QByteArray& buffer);
qsizetype koiToWinInPlace(QByteArray& buffer);

} // namespace folianto::codepage
