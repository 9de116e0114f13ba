// Feeds arbitrary bytes to the catalogue file decoders (binary and XML). A file either fails
// with TableError or decodes into a table that both encoders write and read back the same.
// A binary input is tried again with its header's length and checksum set right.

#include "engines/table/Crc32.h"
#include "engines/table/TableData.h"
#include "engines/table/TableError.h"

#include <QtEndian>
#include <cstdint>
#include <cstring>
#include <cstdlib>

using namespace folianto::table;

namespace {

bool sameTable(const TableData& a, const TableData& b)
{
    if (a.defs.size() != b.defs.size() || a.rows.size() != b.rows.size())
        return false;
    for (int i = 0; i < a.defs.size(); ++i)
        if (a.defs[i].name != b.defs[i].name || a.defs[i].type != b.defs[i].type || a.defs[i].size != b.defs[i].size
            || a.defs[i].calculated != b.defs[i].calculated)
            return false;
    for (size_t r = 0; r < a.rows.size(); ++r)
        for (size_t f = 0; f < a.rows[r].size(); ++f) {
            const QVariant& x = a.rows[r][f];
            const QVariant& y = b.rows[r][f];
            if (x.isValid() != y.isValid() || (x.isValid() && x != y))
                return false;
        }
    return true;
}

// A .bon input with its length and checksum made right, so mutations reach the rows.
QByteArray withSoundHeader(QByteArray bytes)
{
    constexpr qsizetype kHeader = 24;
    if (!looksLikeBon(bytes) || bytes.size() < kHeader)
        return {};
    const QByteArrayView payload = QByteArrayView(bytes).sliced(kHeader);
    const quint32 crc = qToLittleEndian(crc32(payload));
    const quint64 length = qToLittleEndian(quint64(payload.size()));
    std::memcpy(bytes.data() + 12, &crc, 4);
    std::memcpy(bytes.data() + 16, &length, 8);
    return bytes;
}

void check(const QByteArray& bytes)
{
    TableData table;
    try {
        table = decodeTable(bytes);
    } catch (const TableError&) {
        return;
    }
    try {
        if (!sameTable(table, decodeBon(encodeBon(table))) || !sameTable(table, decodeXml(encodeXml(table))))
            std::abort();
    } catch (const TableError&) {
        std::abort(); // what was read must write and read back
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(bytes);
    const QByteArray sound = withSoundHeader(bytes);
    if (!sound.isEmpty())
        check(sound);
    return 0;
}
