#include "engines/table/RowStore.h"

#include <algorithm>

namespace folianto::table {

RowStore::RowStore(FieldDefs defs) : defs_(std::move(defs)) {}

int RowStore::storageIndex(const Row* row) const
{
    auto it = std::lower_bound(rows_.begin(), rows_.end(), row->seq,
                               [](const std::unique_ptr<Row>& r, qint64 seq) { return r->seq < seq; });
    return (it != rows_.end() && it->get() == row) ? int(it - rows_.begin()) : -1;
}

Row* RowStore::add(RowValuesVector values, const Row* before)
{
    auto row = std::make_unique<Row>();
    row->id = nextId_++;
    row->values = std::move(values);
    row->values.resize(defs_.size());
    Row* raw = row.get();
    const int at = before ? storageIndex(before) : -1;
    if (at < 0) {
        row->seq = rows_.empty() ? 0 : rows_.back()->seq + 1;
        rows_.push_back(std::move(row));
    } else {
        rows_.insert(rows_.begin() + at, std::move(row));
        for (size_t i = 0; i < rows_.size(); ++i)
            rows_[i]->seq = qint64(i);
    }
    byId_.insert(raw->id, raw);
    for (RowObserver* o : std::vector<RowObserver*>(observers_))
        o->rowAdded(raw);
    return raw;
}

void RowStore::update(Row* row, RowValuesVector values)
{
    row->values = std::move(values);
    row->values.resize(defs_.size());
    for (RowObserver* o : std::vector<RowObserver*>(observers_))
        o->rowChanged(row);
}

void RowStore::remove(Row* row)
{
    const int at = storageIndex(row);
    if (at < 0)
        return;
    for (RowObserver* o : std::vector<RowObserver*>(observers_))
        o->rowRemoving(row);
    byId_.remove(row->id);
    rows_.erase(rows_.begin() + at);
}

void RowStore::replaceAll(std::vector<RowValuesVector> rows)
{
    rows_.clear();
    byId_.clear();
    rows_.reserve(rows.size());
    byId_.reserve(qsizetype(rows.size()));
    for (auto& values : rows) {
        auto row = std::make_unique<Row>();
        row->id = nextId_++;
        row->seq = qint64(rows_.size());
        row->values = std::move(values);
        row->values.resize(defs_.size());
        byId_.insert(row->id, row.get());
        rows_.push_back(std::move(row));
    }
    for (RowObserver* o : std::vector<RowObserver*>(observers_))
        o->rowsReset();
}

void RowStore::attach(RowObserver* o)
{
    observers_.push_back(o);
}

void RowStore::detach(RowObserver* o)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

} // namespace folianto::table
