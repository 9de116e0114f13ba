#pragma once
// The file headers of a RAR 4 archive, walked block by block for what libarchive does not
// tell: how each name is stored (DOS code page, UTF-8, or Unicode-encoded) and the CRC of the
// unpacked data, which libarchive does not check for stored entries.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace folianto::archive {

struct Rar4FileHeader {
    QByteArray rawName;     // the name field as stored
    bool unicodeFlag = false;
    std::uint8_t hostOs = 0; // 0 MS-DOS, 1 OS/2, 2 Windows, 3 Unix, 4 Mac OS, 5 BeOS
    std::uint32_t crc = 0;  // CRC-32 of the unpacked data
    bool split = false;     // continued from or into another volume

    // The name as the archiver meant it. Without the Unicode flag, names made on DOS, OS/2 and
    // Windows are in the DOS code page (CP866); names made elsewhere are in the system's own
    // charset, taken as UTF-8 when they are valid UTF-8. With the flag and no second part the
    // name is UTF-8.
    // nullopt for names in RAR's own Unicode encoding, which libarchive decodes.
    std::optional<QString> decodedName() const;
};

// The file headers in archive order; nullopt when the file is not a RAR 4 archive whose headers
// can be read (RAR 5, encrypted headers, no signature at the start). Damage ends the list.
std::optional<QList<Rar4FileHeader>> readRar4FileHeaders(const QString& path);

} // namespace folianto::archive
