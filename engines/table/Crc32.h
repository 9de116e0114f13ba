#pragma once
#include <QByteArrayView>
#include <cstdint>

namespace folianto::table {

// CRC-32 (the polynomial of zip and PNG) of the bytes.
std::uint32_t crc32(QByteArrayView bytes);

} // namespace folianto::table
