#pragma once
// The directory of an HA archive, read header by header from the file itself.
//
// Layout: "HA", a 16-bit entry count, then per entry a 17-byte header (type, packed size,
// unpacked size, CRC, time; little-endian), the stored path and the stored name (each ended by
// a zero byte; 0xFF separates folders), the length of the machine-specific information and
// that information, then the packed data. Reading stops at the first entry with a zero size
// (folders) and after an entry not made under DOS, whose header layout we do not know, so that
// packed data is never taken for the next header.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

class QIODevice;

namespace folianto::archive {

struct HaEntry {
    std::uint8_t type = 0;          // high nibble: format version, low nibble: method
    std::uint32_t packedSize = 0;
    std::uint32_t unpackedSize = 0;
    std::uint32_t crc = 0;
    std::uint32_t time = 0;         // seconds since 1970
    QByteArray rawPath;             // stored path and name joined, folders separated by '\'
    QString path;                   // the same converted from CP866
    QString displayName;            // bare file name of `path`
    qint64 dataOffset = 0;          // where the packed data starts in the file
    bool madeUnderDos = false;

    int method() const { return type & 0x0F; }
    bool stored() const { return method() == 0; }
};

class HaDirectory {
public:
    static constexpr int kMaxNameBytes = 1024;  // a longer path or name is taken as damage

    // Reads the directory from a random-access device; nullopt when it lacks the "HA" signature.
    // A damaged or truncated directory yields the entries read before the damage.
    static std::optional<QList<HaEntry>> read(QIODevice& device);
    static std::optional<QList<HaEntry>> readFile(const QString& path);
};

} // namespace folianto::archive
