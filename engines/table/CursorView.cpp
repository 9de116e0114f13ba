#include "engines/table/CursorView.h"

#include "engines/table/Collation.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace folianto::table {

void CursorView::setOrder(std::vector<SortKey> keys, bool descending)
{
    keys_ = std::move(keys);
    descending_ = descending;
}

// Nulls first; texts in the catalogue's collation read in place; numbers and dates by value.
int CursorView::compareKey(const Row* a, const Row* b, const SortKey& k) const
{
    const bool an = format_->isNull(a, k.field), bn = format_->isNull(b, k.field);
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    if (isTextType(k.type))
        return compareText(format_->text(a, k.field), format_->text(b, k.field));
    const qint32 x = format_->scalar(a, k.field), y = format_->scalar(b, k.field);
    return x < y ? -1 : (x > y ? 1 : 0);
}

int CursorView::compareKeys(const Row* a, const Row* b, size_t from) const
{
    for (size_t i = from; i < keys_.size(); ++i) {
        const SortKey& k = keys_[i];
        const int c = compareKey(a, b, k);
        if (c != 0)
            return descending_ ? -c : c;
    }
    return 0;
}

bool CursorView::less(const Row* a, const Row* b) const
{
    const int c = keys_.empty() ? 0 : compareKeys(a, b);
    return c != 0 ? c < 0 : a->seq < b->seq;
}

namespace {

// Ranks of the distinct texts of one field in collation order (1 = first), one per row (0 for
// null): each distinct text gets its collation key once, and only those keys are sorted.
std::vector<quint32> textRanks(const std::vector<Row*>& rows, const RowFormat& format, int field, quint32& top)
{
    struct Hash {
        size_t operator()(std::u16string_view v) const { return qHash(QStringView(v.data(), qsizetype(v.size()))); }
    };
    std::unordered_map<std::u16string_view, quint32, Hash> ids;
    ids.reserve(rows.size());
    std::vector<std::u16string_view> distinct;
    std::vector<quint32> idOf(rows.size(), 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (format.isNull(rows[i], field))
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
    top = rank;
    for (quint32& id : idOf)
        id = rankOfId[id];
    return idOf;
}

} // namespace

// A full sort orders the rows by a number per row standing for the first key (a text's rank
// among the field's distinct texts, or the value itself), nulls first; rows alike in that are
// decided by the other fields and the storage order (rows arrive in storage order), as in
// less().
void CursorView::sortRows(std::vector<Row*>& rows) const
{
    struct Entry {
        quint64 rank;
        quint32 at; // position in storage order
    };
    const SortKey first = keys_.front();
    std::vector<Entry> entries(rows.size());
    if (isTextType(first.type)) {
        quint32 top = 0;
        const std::vector<quint32> ranks = textRanks(rows, *format_, first.field, top);
        for (size_t i = 0; i < rows.size(); ++i) {
            const quint32 r = ranks[i];
            entries[i] = {descending_ ? (r == 0 ? quint64(top) + 1 : quint64(top + 1 - r)) : r, quint32(i)};
        }
    } else {
        for (size_t i = 0; i < rows.size(); ++i) {
            quint64 r;
            if (format_->isNull(rows[i], first.field)) {
                r = descending_ ? (quint64(1) << 33) : 0;
            } else {
                const quint64 biased = quint32(format_->scalar(rows[i], first.field)) ^ 0x80000000u;
                r = 1 + (descending_ ? 0xFFFFFFFFu - biased : biased);
            }
            entries[i] = {r, quint32(i)};
        }
    }
    if (keys_.size() == 1) {
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.rank != b.rank ? a.rank < b.rank : a.at < b.at; });
    } else {
        std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
            if (a.rank != b.rank)
                return a.rank < b.rank;
            const int c = compareKeys(rows[a.at], rows[b.at], 1);
            return c != 0 ? c < 0 : a.at < b.at;
        });
    }
    std::vector<Row*> sorted(rows.size());
    for (size_t i = 0; i < entries.size(); ++i)
        sorted[i] = rows[entries[i].at];
    rows.swap(sorted);
}

void CursorView::rebuild(const RowStore& store)
{
    std::vector<Row*> rows;
    rows.reserve(size_t(store.size()));
    store.rows().forEach([&](Row* r) {
        if (accepts(r))
            rows.push_back(r);
    });
    if (!keys_.empty())
        sortRows(rows);
    rows_.assign(rows);
}

std::pair<int, int> CursorView::letterPrefixRun(int field, QStringView prefix) const
{
    // -1 before the run, 0 in it, 1 after; nulls come first (last when descending).
    auto side = [&](const Row* r) {
        const int c = format_->isNull(r, field) ? -1 : comparePrefixByLetters(format_->text(r, field), prefix);
        return descending_ ? -c : c;
    };
    const int first = rows_.lowerBound([&](const Row* r) { return side(r) < 0; });
    const int end = rows_.lowerBound([&](const Row* r) { return side(r) <= 0; });
    return {first, end};
}

int CursorView::indexOf(const Row* row) const
{
    const int p = insertionPoint(row);
    return p < size() && rows_.at(p) == row ? p : -1;
}

int CursorView::indexBefore(const Row* row, const Row& before) const
{
    // The row itself is compared as it was, so the search runs over the order it was placed in.
    const int p = rows_.lowerBound([&](const Row* r) { return less(r == row ? &before : r, &before); });
    return p < size() && rows_.at(p) == row ? p : -1;
}

int CursorView::insertionPoint(const Row* row) const
{
    return rows_.lowerBound([&](const Row* r) { return less(r, row); });
}

bool CursorView::inPlace(int i) const
{
    const Row* row = rows_.at(i);
    if (i > 0 && !less(rows_.at(i - 1), row))
        return false;
    if (i + 1 < size() && !less(row, rows_.at(i + 1)))
        return false;
    return true;
}

} // namespace folianto::table
