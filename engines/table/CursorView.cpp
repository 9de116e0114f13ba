#include "engines/table/CursorView.h"

#include "engines/table/Collation.h"

#include <algorithm>
#include <cstring>

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

// A full sort orders the rows by a number per row standing for the first key (a text's rank
// among the field's distinct texts, or the value itself), nulls first; rows alike in that are
// decided by the other fields and the storage order (rows arrive in storage order), as in
// less().
void CursorView::sortRows(const RowStore& store, std::vector<Row*>& rows) const
{
    struct Entry {
        quint64 rank;
        quint32 at; // position in storage order
    };
    const SortKey first = keys_.front();
    std::vector<Entry> entries(rows.size());
    if (isTextType(first.type)) {
        const std::shared_ptr<const TextRanks> ranks = store.textRanks(first.field);
        const quint32 top = ranks->top;
        for (size_t i = 0; i < rows.size(); ++i) {
            const quint32 r = ranks->of(rows[i]);
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
        sortRows(store, rows);
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
