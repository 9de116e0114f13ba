#pragma once
// The rows of one open table, shared by its main cursor and its clones. Rows live at stable
// addresses; every cursor watching the store hears of each added, changed or removed row.
// Rows are carved out of large pooled blocks; the values of an updated row get a block of
// their own.

#include "engines/table/FieldDef.h"
#include "engines/table/RowData.h"
#include "engines/table/RowSequence.h"
#include "engines/table/TextRanks.h"

#include <QVarLengthArray>
#include <deque>
#include <memory>
#include <vector>

namespace folianto::table {

class RowObserver {
public:
    virtual ~RowObserver() = default;
    virtual void rowAdded(Row* row) = 0;
    // Values already replaced; `before` holds the row as it was (same id and seq).
    virtual void rowChanged(Row* row, const Row& before) = 0;
    virtual void rowRemoving(Row* row) = 0;  // still in the store
    virtual void rowsReset() = 0;            // all rows replaced
};

class RowStore {
public:
    explicit RowStore(FieldDefs defs);
    ~RowStore();
    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    const FieldDefs& defs() const { return defs_; }
    const RowFormat& format() const { return format_; }
    const RowSequence& rows() const { return order_; } // storage order
    int size() const { return order_.size(); }
    Row* find(qint64 id) const;

    // Adds a row before `before` in storage order (at the end when null).
    Row* add(const RowValuesVector& values, const Row* before = nullptr);
    void update(Row* row, const RowValuesVector& values);
    void remove(Row* row);
    void replaceAll(const std::vector<RowValuesVector>& rows);
    void clear() { replaceAll({}); }

    // Bulk loading: rows made in the pool (their blocks written by the caller, the unused end
    // of the last block given back), then taken as the store's whole content.
    Row* newPooledRow(size_t dataBytes);
    void trimPooledData(Row* row, size_t usedBytes);
    void adoptAll(std::vector<Row*> rows);

    // Where each row's text of a text field stands in the collation order; made on first
    // need and kept until the rows change.
    std::shared_ptr<const TextRanks> textRanks(int field) const;

    void attach(RowObserver* o);
    void detach(RowObserver* o);

private:
    // The observers as they are when a change begins (one may detach while it is told).
    using Observers = QVarLengthArray<RowObserver*, 8>;
    Observers observersNow() const;
    void changed() { rankCache_.clear(); } // whenever the rows change: what was derived from them goes
    int storageIndex(const Row* row) const; // -1 when not stored
    void renumber();
    void deleteAll();
    void release(Row* row);
    char* newData(size_t bytes);

    FieldDefs defs_;
    RowFormat format_;
    RowSequence order_;
    std::vector<Row*> byId_; // indexed by id - firstId_
    qint64 firstId_ = 1;
    qint64 nextId_ = 1;
    std::vector<RowObserver*> observers_;
    mutable std::vector<std::shared_ptr<const TextRanks>> rankCache_; // by field

    std::deque<Row> rowPool_;
    struct FreeChunk {
        void operator()(char* p) const;
    };
    std::vector<std::unique_ptr<char, FreeChunk>> dataChunks_;
    char* dataNext_ = nullptr;
    char* dataEnd_ = nullptr;
};

} // namespace folianto::table
