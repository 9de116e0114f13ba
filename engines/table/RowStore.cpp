#include "engines/table/RowStore.h"

#include <algorithm>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace folianto::table {

namespace {

constexpr qint64 kSeqGap = qint64(1) << 24;
constexpr size_t kChunkBytes = size_t(4) << 20;
constexpr size_t kHugePage = size_t(2) << 20;

size_t aligned(size_t n)
{
    return (n + 7) & ~size_t(7);
}

// A block for the pool, asked to be backed by huge pages where the system offers them: the
// rows of a large catalogue then fill memory with few page faults.
char* newChunk(size_t bytes)
{
    const size_t size = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, size);
    if (!p)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(p, size, MADV_HUGEPAGE);
#endif
    return static_cast<char*>(p);
}

} // namespace

void RowStore::FreeChunk::operator()(char* p) const
{
    std::free(p);
}

RowStore::RowStore(FieldDefs defs) : defs_(std::move(defs)), format_(defs_) {}

RowStore::~RowStore()
{
    deleteAll();
}

Row* RowStore::find(qint64 id) const
{
    if (id < firstId_ || id >= nextId_)
        return nullptr;
    return byId_[size_t(id - firstId_)];
}

void RowStore::release(Row* row)
{
    // The Row itself always lives in the pool; only data replaced by an update is its own.
    if (!row->pooledData)
        delete[] row->data;
}

void RowStore::deleteAll()
{
    changed();
    order_.forEach([this](Row* r) { release(r); });
    order_.clear();
    byId_.clear();
    firstId_ = nextId_;
    rowPool_.clear();
    dataChunks_.clear();
    dataNext_ = dataEnd_ = nullptr;
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

char* RowStore::newData(size_t bytes)
{
    return new char[std::max<size_t>(bytes, 1)];
}

Row* RowStore::add(const RowValuesVector& values, const Row* before)
{
    // Added rows are carved from the pool like loaded ones: a bulk import then costs no heap
    // allocation per row.
    Row* row = newPooledRow(format_.bytesFor(values));
    row->id = nextId_++;
    format_.pack(values, row->data);
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
    byId_.push_back(row);
    changed();
    for (RowObserver* o : observersNow())
        o->rowAdded(row);
    return row;
}

void RowStore::update(Row* row, const RowValuesVector& values)
{
    char* fresh = newData(format_.bytesFor(values));
    format_.pack(values, fresh);
    Row before = *row;
    row->data = fresh;
    row->pooledData = false;
    changed();
    for (RowObserver* o : observersNow())
        o->rowChanged(row, before);
    if (!before.pooledData)
        delete[] before.data;
}

void RowStore::remove(Row* row)
{
    const int at = storageIndex(row);
    if (at < 0)
        return;
    for (RowObserver* o : observersNow())
        o->rowRemoving(row);
    byId_[size_t(row->id - firstId_)] = nullptr;
    order_.erase(at);
    changed();
    release(row);
}

Row* RowStore::newPooledRow(size_t dataBytes)
{
    const size_t n = aligned(dataBytes);
    if (size_t(dataEnd_ - dataNext_) < n) {
        const size_t chunk = std::max(n, kChunkBytes);
        dataChunks_.emplace_back(newChunk(chunk));
        dataNext_ = dataChunks_.back().get();
        dataEnd_ = dataNext_ + chunk;
    }
    Row& row = rowPool_.emplace_back();
    row.data = dataNext_;
    row.pooledData = true;
    dataNext_ += n;
    return &row;
}

void RowStore::trimPooledData(Row* row, size_t usedBytes)
{
    char* end = row->data + aligned(usedBytes);
    if (end <= dataNext_ && end >= row->data)
        dataNext_ = end;
}

void RowStore::adoptAll(std::vector<Row*> rows)
{
    // Rows held before are released; the pool they may share with the new ones stays.
    order_.forEach([this](Row* r) { release(r); });
    order_.clear();
    byId_.clear();
    firstId_ = nextId_;
    byId_.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i]->id = nextId_++;
        rows[i]->seq = qint64(i) * kSeqGap;
        byId_.push_back(rows[i]);
    }
    order_.assign(rows);
    changed();
    for (RowObserver* o : observersNow())
        o->rowsReset();
}

void RowStore::replaceAll(const std::vector<RowValuesVector>& rows)
{
    deleteAll();
    std::vector<Row*> fresh;
    fresh.reserve(rows.size());
    for (const auto& values : rows) {
        Row* row = newPooledRow(format_.bytesFor(values));
        format_.pack(values, row->data);
        fresh.push_back(row);
    }
    adoptAll(std::move(fresh));
}

std::shared_ptr<const TextRanks> RowStore::textRanks(int field) const
{
    if (rankCache_.size() < size_t(format_.fieldCount()))
        rankCache_.resize(size_t(format_.fieldCount()));
    auto& cached = rankCache_[size_t(field)];
    if (!cached)
        cached = std::make_shared<const TextRanks>(rankTexts(byId_, firstId_, format_, field));
    return cached;
}

RowStore::Observers RowStore::observersNow() const
{
    return Observers(observers_.begin(), observers_.end());
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
