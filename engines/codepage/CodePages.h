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
QByteArray dosToWin(QByteArrayView bytes);
QByteArray koiToWin(QByteArrayView bytes);

} // namespace folianto::codepage
