// Fuzzes the HA directory reader with arbitrary archive bytes.

#include "engines/archive/HaDirectory.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QBuffer buffer;
    buffer.setData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    buffer.open(QIODevice::ReadOnly);
    const auto entries = folianto::archive::HaDirectory::read(buffer);
    if (!entries)
        return 0;
    const int declared = size >= 4 ? (data[2] | data[3] << 8) : 0;
    if (entries->size() > declared)
        std::abort();
    for (const auto& e : *entries) {
        if (e.packedSize == 0 || e.unpackedSize == 0 || e.dataOffset > qint64(size) + 256)
            std::abort();
        if (e.displayName.contains(u'/') || e.displayName.contains(u'\\') || e.displayName == u"..")
            std::abort();
    }
    return 0;
}
