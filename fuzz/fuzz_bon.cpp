// Feeds arbitrary bytes to the catalogue file decoders (binary and XML). A file either fails
// with TableError or decodes into a table that both encoders write and read back the same.

#include "engines/table/TableData.h"
#include "engines/table/TableError.h"

#include <cstdint>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TableData table;
    try {
        table = decodeTable(bytes);
    } catch (const TableError&) {
        return 0;
    }
    try {
        if (!sameTable(table, decodeBon(encodeBon(table))) || !sameTable(table, decodeXml(encodeXml(table))))
            std::abort();
    } catch (const TableError&) {
        std::abort(); // what was read must write and read back
    }
    return 0;
}
