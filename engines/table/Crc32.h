#pragma once
#include <QByteArrayView>
#include <cstdint>

namespace folianto::table {

// CRC-32 (the polynomial of zip and PNG) of the bytes.
std::uint32_t crc32(QByteArrayView bytes);
// The CRC-32 of earlier bytes (crc) continued over these.
std::uint32_t crc32(QByteArrayView bytes, std::uint32_t crc);

} // namespace folianto::table
