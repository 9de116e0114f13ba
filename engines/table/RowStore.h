#pragma once
// The rows of one open table, shared by its main cursor and its clones. Rows live at stable
// addresses; every cursor watching the store hears of each added, changed or removed row.

#include "engines/table/FieldDef.h"
#include "engines/table/RowSequence.h"

#include <QHash>
#include <QVariant>
#include <memory>
#include <vector>

namespace folianto::table {

using RowValuesVector = std::vector<QVariant>;

struct Row {
    qint64 id = 0;   // identity for bookmarks; never reused within a store
    qint64 seq = 0;  // storage order: increasing, with gaps so an insertion rarely renumbers
    RowValuesVector values; // one slot per field (calculated slots stay null)
};

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

    const FieldDefs& defs() const { return defs_; }
    const RowSequence& rows() const { return order_; } // storage order
    int size() const { return order_.size(); }
    Row* find(qint64 id) const { return byId_.value(id, nullptr); }

    // Adds a row before `before` in storage order (at the end when null).
    Row* add(RowValuesVector values, const Row* before = nullptr);
    void update(Row* row, RowValuesVector values);
    void remove(Row* row);
    void replaceAll(std::vector<RowValuesVector> rows);
    void clear() { replaceAll({}); }

    void attach(RowObserver* o);
    void detach(RowObserver* o);

private:
    int storageIndex(const Row* row) const; // -1 when not stored
    void renumber();
    void deleteAll();

    FieldDefs defs_;
    RowSequence order_;
    QHash<qint64, Row*> byId_;
    qint64 nextId_ = 1;
    std::vector<RowObserver*> observers_;
};

} // namespace folianto::table
