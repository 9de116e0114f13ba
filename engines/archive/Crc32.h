#pragma once
// CRC-32 (polynomial 0xEDB88320, as zip, RAR and HA use it).

#include <QByteArrayView>
#include <cstdint>

namespace folianto::archive {

// Continues a running CRC: pass the previous result (0 to start).
std::uint32_t crc32(QByteArrayView bytes, std::uint32_t crc = 0);

} // namespace folianto::archive
