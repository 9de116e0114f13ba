#include "engines/table/TextRanks.h"

#include "engines/table/Collation.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace folianto::table {

// Each distinct text gets its collation key once, and only those keys are sorted.
TextRanks rankTexts(const std::vector<Row*>& rows, qint64 firstId, const RowFormat& format, int field)
{
    struct Hash {
        size_t operator()(std::u16string_view v) const { return qHash(QStringView(v.data(), qsizetype(v.size()))); }
    };
    std::unordered_map<std::u16string_view, quint32, Hash> ids;
    ids.reserve(rows.size());
    std::vector<std::u16string_view> distinct;
    std::vector<quint32> idOf(rows.size(), 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i] || format.isNull(rows[i], field))
            continue;
        const QStringView t = format.text(rows[i], field);
        const std::u16string_view v(t.utf16(), size_t(t.size()));
        const auto [it, added] = ids.try_emplace(v, quint32(distinct.size() + 1));
        if (added)
            distinct.push_back(v);
        idOf[i] = it->second;
    }
    struct Key {
        quint64 prefix; // the first eight bytes, big-endian: most comparisons end here
        qsizetype at;
        qsizetype size;
        quint32 id;
    };
    std::vector<char> bytes;
    qsizetype total = 0;
    for (const auto& v : distinct)
        total += collationKeySize(qsizetype(v.size()));
    bytes.resize(size_t(total));
    std::vector<Key> keys;
    keys.reserve(distinct.size());
    char* out = bytes.data();
    for (size_t d = 0; d < distinct.size(); ++d) {
        char* end = writeCollationKey(QStringView(distinct[d].data(), qsizetype(distinct[d].size())), out);
        Key k{0, out - bytes.data(), end - out, quint32(d + 1)};
        for (int b = 0; b < 8; ++b)
            k.prefix = (k.prefix << 8) | (b < k.size ? quint8(out[b]) : 0);
        keys.push_back(k);
        out = end;
    }
    auto compare = [&](const Key& a, const Key& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        const int c = std::memcmp(bytes.data() + a.at, bytes.data() + b.at, size_t(std::min(a.size, b.size)));
        return c != 0 ? c : (a.size < b.size ? -1 : (a.size > b.size ? 1 : 0));
    };
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) { return compare(a, b) < 0; });
    std::vector<quint32> rankOfId(distinct.size() + 1, 0);
    quint32 rank = 0;
    for (size_t k = 0; k < keys.size(); ++k) {
        if (k == 0 || compare(keys[k - 1], keys[k]) != 0)
            ++rank;
        rankOfId[keys[k].id] = rank;
    }
    for (quint32& id : idOf)
        id = rankOfId[id];
    return {std::move(idOf), firstId, rank};
}

} // namespace folianto::table
