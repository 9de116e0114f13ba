#include "engines/table/Crc32.h"

#include <array>

namespace folianto::table {

namespace {

// Four tables, so the main loop consumes four bytes per step.
using Tables = std::array<std::array<std::uint32_t, 256>, 4>;

Tables makeTables()
{
    Tables t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (std::uint32_t i = 0; i < 256; ++i)
        for (int k = 1; k < 4; ++k)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}

} // namespace

std::uint32_t crc32(QByteArrayView bytes)
{
    static const Tables t = makeTables();
    std::uint32_t c = 0xFFFFFFFFu;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype n = bytes.size();
    while (n >= 4) {
        c ^= std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
        c = t[3][c & 0xFF] ^ t[2][(c >> 8) & 0xFF] ^ t[1][(c >> 16) & 0xFF] ^ t[0][c >> 24];
        p += 4;
        n -= 4;
    }
    while (n-- > 0)
        c = t[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

} // namespace folianto::table
