#pragma once
// One cursor's view of the shared rows: those passing its filter, in the order of its active
// index (ties and the unsorted view in storage order).

#include "engines/table/RowStore.h"

#include <functional>
#include <vector>

namespace folianto::table {

struct SortKey {
    int field = 0;
    FieldType type = FieldType::String;
};

class CursorView {
public:
    using Accept = std::function<bool(const Row*)>;

    void setFormat(const RowFormat* format) { format_ = format; }
    void setOrder(std::vector<SortKey> keys, bool descending);
    void setAccept(Accept accept) { accept_ = std::move(accept); }
    bool accepts(const Row* row) const { return !accept_ || accept_(row); }

    void rebuild(const RowStore& store);
    void clear() { rows_.clear(); }

    int size() const { return rows_.size(); }
    Row* at(int i) const { return rows_.at(i); }
    const RowSequence& rows() const { return rows_; }
    // Positions are found by binary search in the view's order, in O(log n).
    int indexOf(const Row* row) const;
    // The position the row held before its values changed to what they are now.
    int indexBefore(const Row* row, const Row& before) const;
    int insertionPoint(const Row* row) const;  // where the row belongs (row not in the view)
    bool inPlace(int i) const;                 // the row at i still sits between its neighbours
    void insertAt(int i, Row* row) { rows_.insert(i, row); }
    void eraseAt(int i) { rows_.erase(i); }

    bool less(const Row* a, const Row* b) const;

    // Whether the active order's first key is this field.
    bool sortedFirstBy(int field) const { return !keys_.empty() && keys_.front().field == field; }
    // In a view sorted first by a text field: the positions [first, second) outside which no
    // row's text there begins, by letters alone, with prefix (see comparePrefixByLetters).
    std::pair<int, int> letterPrefixRun(int field, QStringView prefix) const;

private:
    int compareKey(const Row* a, const Row* b, const SortKey& k) const;
    int compareKeys(const Row* a, const Row* b, size_t from = 0) const; // descending applied
    void sortRows(const RowStore& store, std::vector<Row*>& rows) const;

    const RowFormat* format_ = nullptr;
    std::vector<SortKey> keys_;
    bool descending_ = false;
    Accept accept_;
    RowSequence rows_;
};

} // namespace folianto::table
