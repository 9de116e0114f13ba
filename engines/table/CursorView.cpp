#include "engines/table/CursorView.h"

#include "engines/table/Collation.h"

#include <algorithm>

namespace folianto::table {

namespace {

// Text keys skip the QVariant round trip: they are compared in place.
int compareKey(const QVariant& a, const QVariant& b, FieldType type)
{
    if (isTextType(type)) {
        const bool an = !a.isValid(), bn = !b.isValid();
        if (an || bn)
            return an == bn ? 0 : (an ? -1 : 1);
        return compareText(*static_cast<const QString*>(a.constData()),
                           *static_cast<const QString*>(b.constData()));
    }
    return compareValues(a, b, type);
}

} // namespace

void CursorView::setOrder(std::vector<SortKey> keys, bool descending)
{
    keys_ = std::move(keys);
    descending_ = descending;
}

int CursorView::compareKeys(const Row* a, const Row* b) const
{
    for (const SortKey& k : keys_) {
        const int c = compareKey(a->values[size_t(k.field)], b->values[size_t(k.field)], k.type);
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

void CursorView::rebuild(const RowStore& store)
{
    rows_.clear();
    rows_.reserve(store.rows().size());
    for (const auto& r : store.rows())
        if (accepts(r.get()))
            rows_.push_back(r.get());
    if (!keys_.empty())
        std::sort(rows_.begin(), rows_.end(), [this](const Row* a, const Row* b) { return less(a, b); });
}

int CursorView::indexOf(const Row* row) const
{
    auto it = std::find(rows_.begin(), rows_.end(), row);
    return it == rows_.end() ? -1 : int(it - rows_.begin());
}

int CursorView::insertionPoint(const Row* row) const
{
    auto it = std::lower_bound(rows_.begin(), rows_.end(), row,
                               [this](const Row* a, const Row* b) { return less(a, b); });
    return int(it - rows_.begin());
}

bool CursorView::inPlace(int i) const
{
    const Row* row = rows_[size_t(i)];
    if (i > 0 && !less(rows_[size_t(i - 1)], row))
        return false;
    if (i + 1 < size() && !less(row, rows_[size_t(i + 1)]))
        return false;
    return true;
}

} // namespace folianto::table
