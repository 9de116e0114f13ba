#include "engines/archive/Crc32.h"

#include <QtGlobal>
#include <limits>
#include <zlib.h>

namespace folianto::archive {

std::uint32_t crc32(QByteArrayView bytes, std::uint32_t crc)
{
    // The pieces given here are read buffers, far below zlib's uInt lengths.
    Q_ASSERT(bytes.size() <= qsizetype(std::numeric_limits<uInt>::max()));
    return std::uint32_t(::crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
}

} // namespace folianto::archive
