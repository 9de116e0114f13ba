#include "engines/table/RowStore.h"

#include <algorithm>

namespace folianto::table {

namespace {

constexpr qint64 kSeqGap = qint64(1) << 24;

} // namespace

RowStore::RowStore(FieldDefs defs) : defs_(std::move(defs)) {}

RowStore::~RowStore()
{
    deleteAll();
}

void RowStore::deleteAll()
{
    order_.forEach([](Row* r) { delete r; });
    order_.clear();
    byId_.clear();
}

int RowStore::storageIndex(const Row* row) const
{
    const qint64 seq = row->seq;
    const int at = order_.lowerBound([seq](const Row* r) { return r->seq < seq; });
    return (at < order_.size() && order_.at(at) == row) ? at : -1;
}

void RowStore::renumber()
{
    qint64 seq = 0;
    order_.forEach([&seq](Row* r) {
        r->seq = seq;
        seq += kSeqGap;
    });
}

Row* RowStore::add(RowValuesVector values, const Row* before)
{
    auto* row = new Row;
    row->id = nextId_++;
    row->values = std::move(values);
    row->values.resize(size_t(defs_.size()));
    const int at = before ? storageIndex(before) : -1;
    if (at < 0) {
        row->seq = order_.empty() ? 0 : order_.back()->seq + kSeqGap;
        order_.push_back(row);
    } else {
        const qint64 next = order_.at(at)->seq;
        qint64 prev = at > 0 ? order_.at(at - 1)->seq : next - 2 * kSeqGap;
        if (next - prev < 2) {
            renumber();
            prev = at > 0 ? order_.at(at - 1)->seq : order_.at(at)->seq - 2 * kSeqGap;
        }
        row->seq = prev + (order_.at(at)->seq - prev) / 2;
        order_.insert(at, row);
    }
    byId_.insert(row->id, row);
    for (RowObserver* o : std::vector<RowObserver*>(observers_))
        o->rowAdded(row);
    return row;
}

void RowStore::update(Row* row, RowValuesVector values)
{
    values.resize(size_t(defs_.size()));
    Row before{row->id, row->seq, std::move(row->values)};
    row->values = std::move(values);
    for (RowObserver* o : std::vector<RowObserver*>(observers_))
        o->rowChanged(row, before);
}

void RowStore::remove(Row* row)
{
    const int at = storageIndex(row);
    if (at < 0)
        return;
    for (RowObserver* o : std::vector<RowObserver*>(observers_))
        o->rowRemoving(row);
    byId_.remove(row->id);
    order_.erase(at);
    delete row;
}

void RowStore::replaceAll(std::vector<RowValuesVector> rows)
{
    deleteAll();
    std::vector<Row*> fresh;
    fresh.reserve(rows.size());
    byId_.reserve(qsizetype(rows.size()));
    for (auto& values : rows) {
        auto* row = new Row;
        row->id = nextId_++;
        row->seq = qint64(fresh.size()) * kSeqGap;
        row->values = std::move(values);
        row->values.resize(size_t(defs_.size()));
        byId_.insert(row->id, row);
        fresh.push_back(row);
    }
    order_.assign(fresh);
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
