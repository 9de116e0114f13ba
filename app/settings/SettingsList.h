#pragma once
// A list of strings as the settings store it: its entries in order, each followed by CR LF, in
// Windows-1251. On reading, CR, LF or CR LF end an entry; a last entry without one still counts.

#include <QByteArray>
#include <QStringList>

namespace folianto::settings {

QByteArray encodeList(const QStringList& entries);
QStringList decodeList(const QByteArray& bytes);

} // namespace folianto::settings
