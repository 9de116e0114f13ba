#include "engines/table/CursorView.h"

#include "engines/table/Collation.h"

#include <algorithm>

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

// A full sort first orders by a precomputed key of the first field, kept beside the row so
// most comparisons touch neither the row nor its text: nulls, then the first eight bytes of
// the collation key (or the number), then the whole key. Rows alike in all that are decided
// by the other fields and the storage order, as in less().
void CursorView::sortRows(std::vector<Row*>& rows) const
{
    struct Entry {
        quint64 prefix;
        quint32 key;  // index into keys, for texts
        bool hasValue;
        Row* row;
    };
    const SortKey first = keys_.front();
    const bool text = isTextType(first.type);
    std::vector<QByteArray> keys;
    std::vector<Entry> entries;
    entries.reserve(rows.size());
    if (text)
        keys.reserve(rows.size());
    for (Row* row : rows) {
        Entry e{0, 0, !format_->isNull(row, first.field), row};
        if (e.hasValue && text) {
            e.key = quint32(keys.size());
            keys.push_back(collationKey(format_->text(row, first.field)));
            const QByteArray& k = keys.back();
            for (int i = 0; i < 8; ++i)
                e.prefix = (e.prefix << 8) | (i < k.size() ? quint8(k[i]) : 0);
        } else if (e.hasValue) {
            e.prefix = quint64(qint64(format_->scalar(row, first.field))) ^ (quint64(1) << 63);
        }
        entries.push_back(e);
    }
    auto compareFirst = [&](const Entry& a, const Entry& b) {
        if (a.hasValue != b.hasValue)
            return a.hasValue ? 1 : -1;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        if (!a.hasValue || !text)
            return 0;
        const QByteArray& ka = keys[a.key];
        const QByteArray& kb = keys[b.key];
        if (ka.size() <= 8 && kb.size() <= 8 && ka.size() == kb.size())
            return 0;
        const int c = ka.compare(kb);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    };
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        int c = compareFirst(a, b);
        if (c == 0)
            c = compareKeys(a.row, b.row, 1);
        else if (descending_)
            c = -c;
        return c != 0 ? c < 0 : a.row->seq < b.row->seq;
    });
    for (size_t i = 0; i < entries.size(); ++i)
        rows[i] = entries[i].row;
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
