#pragma once
// The binary blocks of fonts, colours, geometry, checks and numbers: `Conf` (116 bytes, written
// and read) and the older `Config` (104 bytes, read only). Little-endian; integers are 32-bit
// signed. Reserved bytes are written as zeros and never read.
//
// A block shorter than its size is taken as far as it goes: a field lies wholly within the bytes
// present or keeps the value it had. A longer block is refused with SettingsError.

#include "app/settings/ProgramSettings.h"

#include <QByteArray>
#include <QList>

namespace folianto::settings {

inline constexpr int ConfSize = 116;
inline constexpr int ConfigSize = 104;
inline constexpr int ConfigColumnWidths = 9;

QByteArray encodeConf(const ProgramSettings& s);
// Overlays the fields of `block` onto `s`. `name` names the value in an error message.
void decodeConf(const QByteArray& block, ProgramSettings& s, const QString& name = QStringLiteral("Conf"));

// The fields of `Config` that are not column widths go straight into `s`; the nine column widths
// (those present) are returned for the caller to apply when no `Grid` exists.
QList<qint32> decodeConfig(const QByteArray& block, ProgramSettings& s,
                           const QString& name = QStringLiteral("Config"));

} // namespace folianto::settings
