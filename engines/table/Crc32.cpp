#include "engines/table/Crc32.h"

#include <algorithm>
#include <zlib.h>

namespace folianto::table {

std::uint32_t crc32(QByteArrayView bytes)
{
    return crc32(bytes, std::uint32_t(::crc32(0L, Z_NULL, 0)));
}

std::uint32_t crc32(QByteArrayView bytes, std::uint32_t start)
{
    uLong crc = start;
    const auto* p = reinterpret_cast<const Bytef*>(bytes.data());
    // zlib takes lengths as uInt: feed large buffers in slices.
    for (qsizetype left = bytes.size(); left > 0;) {
        const uInt n = uInt(std::min<qsizetype>(left, 1 << 30));
        crc = ::crc32(crc, p, n);
        p += n;
        left -= n;
    }
    return std::uint32_t(crc);
}

} // namespace folianto::table
