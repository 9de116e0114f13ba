#pragma once
// The dataset's private state, shared by the files that implement `Dataset`.

#include "engines/table/Dataset.h"

#include "engines/table/AtomicFile.h"
#include "engines/table/Collation.h"
#include "engines/table/CursorView.h"
#include "engines/table/Filter.h"
#include "engines/table/MappedFile.h"
#include "engines/table/RowStore.h"
#include "engines/table/TableData.h"
#include "engines/table/ValueConvert.h"

#include <QFileInfo>
#include <algorithm>

namespace folianto::table {

inline QString notActiveMessage()
{
    return QStringLiteral("Таблица не открыта");
}

struct Dataset::Impl : RowObserver {
    // What the filter predicate reads of a row; calculated fields are computed on demand.
    struct RowAdapter : RowValues {
        const Impl* d;
        const Row* row;
        RowAdapter(const Impl* d, const Row* row) : d(d), row(row) {}
        QVariant value(int field) const override
        {
            if (d->defs[field].calculated)
                return d->calcValuesFor(row)[size_t(field)];
            return d->store->format().value(row, field);
        }
        bool isNullInPlace(int field, bool& isNull) const override
        {
            if (d->defs[field].calculated)
                return false;
            isNull = d->store->format().isNull(row, field);
            return true;
        }
        bool textInPlace(int field, QStringView& text) const override
        {
            if (d->defs[field].calculated || !d->store->format().isText(field))
                return false;
            text = d->store->format().text(row, field);
            return true;
        }
        bool scalarInPlace(int field, qint64& v) const override
        {
            if (d->defs[field].calculated || d->store->format().isText(field))
                return false;
            v = d->store->format().scalar(row, field);
            return true;
        }
    };

    FieldDefs defs;
    std::shared_ptr<RowStore> store;
    bool active = false;
    QString fileName;
    DatasetState st = DatasetState::Inactive;

    CursorView view;
    Row* cur = nullptr;
    int pos = -1;
    bool eofFlag = true;
    bool bofFlag = true;

    RowValuesVector buf;          // the row being edited or inserted
    Row* editRow = nullptr;       // Edit: the stored row; null when it vanished meanwhile
    Row* insertBefore = nullptr;  // Insert: storage place (null = at the end)
    Row* beforeInsert = nullptr;  // Insert: the current row to return to on cancel

    RowValuesVector calc;               // calculated values of the current row
    RowValuesVector* calcTarget = nullptr; // where setCalcValue writes while calcFields runs
    const Row* readOverride = nullptr;  // the row value() reads while calculating for another row
    bool hasCalc = false;

    QString filterText;
    bool filterOn = false;
    bool caseInsensitive = false;
    std::shared_ptr<const CompiledFilter> filter;

    QList<IndexDef> indexes;
    QString indexName;

    int disabled = 0;
    bool resetPending = false;
    bool quiet = false;         // this cursor's own operation reports the move itself
    Events ev;
    std::vector<DatasetListener*> listeners;

    ~Impl() override { detachStore(); }

    // --- store ---------------------------------------------------------------------------
    void attachStore(std::shared_ptr<RowStore> s)
    {
        detachStore();
        store = std::move(s);
        store->attach(this);
        view.setFormat(&store->format());
        defs = store->defs();
        hasCalc = std::any_of(defs.begin(), defs.end(), [](const FieldDef& f) { return f.calculated; });
        calc.assign(size_t(defs.size()), QVariant());
    }
    void detachStore()
    {
        if (store)
            store->detach(this);
        store.reset();
    }

    void requireActive() const
    {
        if (!active)
            throw TableError(notActiveMessage());
    }
    void requireBrowse() const
    {
        requireActive();
        if (st != DatasetState::Browse)
            throw TableError(QStringLiteral("Запись редактируется"));
    }

    // --- listeners -----------------------------------------------------------------------
    template <typename F>
    void tell(F f)
    {
        if (disabled > 0) {
            resetPending = true;
            return;
        }
        // A listener may remove itself while it is told.
        for (DatasetListener* l : QVarLengthArray<DatasetListener*, 8>(listeners.begin(), listeners.end()))
            f(l);
    }
    void fire(const std::function<void()>& f)
    {
        if (f)
            f();
    }
    void fireDataChanged()
    {
        if (disabled == 0)
            fire(ev.dataChanged);
    }

    // --- calculated fields ---------------------------------------------------------------
    RowValuesVector calcValuesFor(const Row* row) const
    {
        auto* self = const_cast<Impl*>(this);
        RowValuesVector values(size_t(defs.size()));
        if (!hasCalc || !ev.calcFields)
            return values;
        const Row* savedOverride = self->readOverride;
        RowValuesVector* savedTarget = self->calcTarget;
        self->readOverride = row;
        self->calcTarget = &values;
        try {
            ev.calcFields();
        } catch (...) {
            self->readOverride = savedOverride;
            self->calcTarget = savedTarget;
            throw;
        }
        self->readOverride = savedOverride;
        self->calcTarget = savedTarget;
        return values;
    }
    void refreshCalc()
    {
        if (!hasCalc)
            return;
        calc.assign(size_t(defs.size()), QVariant());
        if (!ev.calcFields || (!cur && st == DatasetState::Browse))
            return;
        calcTarget = &calc;
        readOverride = nullptr;
        try {
            ev.calcFields();
        } catch (...) {
            calcTarget = nullptr;
            throw;
        }
        calcTarget = nullptr;
    }

    // A blank filter text passes every row.
    std::shared_ptr<const CompiledFilter> compileFilter(const QString& text) const
    {
        if (text.trimmed().isEmpty())
            return nullptr;
        return CompiledFilter::compile(text, defs, caseInsensitive);
    }

    // --- view ----------------------------------------------------------------------------
    void applyFilterPredicate()
    {
        if (filterOn && filter) {
            view.setAccept([this](const Row* r) { return filter->matches(RowAdapter(this, r)); });
        } else {
            view.setAccept({});
        }
    }
    void applyOrder()
    {
        std::vector<SortKey> keys;
        bool descending = false;
        if (!indexName.isEmpty()) {
            const IndexDef& def = *findIndex(indexName);
            descending = def.descending;
            for (const QString& f : def.fields) {
                const int n = fieldNumber(f);
                keys.push_back({n, defs[n].type});
            }
        }
        view.setOrder(std::move(keys), descending);
    }
    const IndexDef* findIndex(const QString& name) const
    {
        for (const IndexDef& d : indexes)
            if (d.name == name)
                return &d;
        return nullptr;
    }
    int fieldNumber(const QString& name) const
    {
        for (int i = 0; i < defs.size(); ++i)
            if (defs[i].name == name)
                return i;
        return -1;
    }

    // Rebuilds the view; the cursor stays on its row when that row is still in view.
    void rebuildView(bool keepRow)
    {
        tell([](DatasetListener* l) { l->viewAboutToBeReset(); });
        Row* keep = keepRow ? cur : nullptr;
        view.rebuild(*store);
        pos = keep ? view.indexOf(keep) : -1;
        if (pos < 0)
            pos = view.size() > 0 ? 0 : -1;
        cur = pos >= 0 ? view.at(pos) : nullptr;
        eofFlag = bofFlag = (cur == nullptr);
        tell([](DatasetListener* l) { l->viewReset(); });
    }
    // After the filter or the order changed: the view rebuilt around the current row, and
    // everyone told.
    void reshowView()
    {
        rebuildView(true);
        moved();
        fireDataChanged();
    }

    void moved(bool scrollEvent = true)
    {
        refreshCalc();
        tell([](DatasetListener* l) { l->currentRowChanged(); });
        if (scrollEvent)
            fire(ev.afterScroll);
    }
    void moveTo(int p)
    {
        if (view.size() == 0) {
            pos = -1;
            cur = nullptr;
            eofFlag = bofFlag = true;
        } else {
            pos = std::clamp(p, 0, view.size() - 1);
            cur = view.at(pos);
        }
    }

    void insertIntoView(Row* row)
    {
        if (!view.accepts(row))
            return;
        const int p = view.insertionPoint(row);
        tell([p](DatasetListener* l) { l->rowAboutToBeInserted(p); });
        view.insertAt(p, row);
        if (pos >= p)
            ++pos;
        tell([p](DatasetListener* l) { l->rowInserted(p); });
    }
    // Returns true when the current row left the view.
    bool eraseFromView(int p)
    {
        tell([p](DatasetListener* l) { l->rowAboutToBeRemoved(p); });
        view.eraseAt(p);
        bool currentGone = false;
        if (pos > p)
            --pos;
        else if (pos == p) {
            currentGone = true;
            moveTo(p);
        }
        tell([p](DatasetListener* l) { l->rowRemoved(p); });
        return currentGone;
    }

    // --- RowObserver ---------------------------------------------------------------------
    void rowAdded(Row* row) override
    {
        const bool wasEmpty = cur == nullptr;
        insertIntoView(row);
        if (wasEmpty && view.size() > 0 && st == DatasetState::Browse && !quiet) {
            moveTo(0);
            eofFlag = bofFlag = false;
            moved();
        }
        fireDataChanged();
    }
    void rowChanged(Row* row, const Row& before) override
    {
        const int p = view.indexBefore(row, before);
        const bool keep = view.accepts(row);
        if (p >= 0 && keep && view.inPlace(p)) {
            tell([p](DatasetListener* l) { l->rowChanged(p); });
            if (row == cur && st == DatasetState::Browse)
                refreshCalc();
        } else {
            bool currentGone = false;
            if (p >= 0)
                currentGone = eraseFromView(p);
            if (currentGone && keep) {
                // The current row only moves: follow it.
                insertIntoView(row);
                moveTo(view.indexOf(row));
                currentGone = false;
            } else {
                insertIntoView(row);
            }
            if (currentGone || row == cur)
                moved(currentGone);
        }
        fireDataChanged();
    }
    void rowRemoving(Row* row) override
    {
        if (row == editRow)
            editRow = nullptr;
        if (row == insertBefore)
            insertBefore = nullptr;
        if (row == beforeInsert)
            beforeInsert = nullptr;
        if (readOverride == row)
            readOverride = nullptr;
        const int p = view.indexOf(row);
        if (p >= 0 && eraseFromView(p) && !quiet)
            moved(st == DatasetState::Browse);
        fireDataChanged();
    }
    void rowsReset() override
    {
        editRow = insertBefore = beforeInsert = nullptr;
        if (st != DatasetState::Browse && st != DatasetState::Inactive)
            st = DatasetState::Browse;
        rebuildView(false);
        if (!quiet)
            moved();
        fireDataChanged();
    }

    // --- values --------------------------------------------------------------------------
    QVariant storedValue(int field) const
    {
        if (readOverride)
            return store->format().value(readOverride, field);
        if (st == DatasetState::Edit || st == DatasetState::Insert)
            return buf[size_t(field)];
        return cur ? store->format().value(cur, field) : QVariant();
    }
    // Throws unless the field can be set now: a calculated one only while calcFields runs.
    void requireWritable(int field) const
    {
        const FieldDef& def = defs[field];
        if (def.calculated) {
            if (!calcTarget)
                throw TableError(QStringLiteral("Поле %1 вычисляемое").arg(def.name));
        } else if (st != DatasetState::Edit && st != DatasetState::Insert) {
            throw TableError(QStringLiteral("Запись не редактируется"));
        }
    }
    // Stores a converted value into the row being edited, or the calculated value being set.
    void putValue(int field, QVariant stored)
    {
        const FieldDef& def = defs[field];
        if (def.calculated) {
            (*calcTarget)[size_t(field)] = std::move(stored);
            return;
        }
        // Rows keep a date as a 32-bit day number: beyond a few million years it cannot be held.
        if (def.type == FieldType::Date && stored.isValid()) {
            const qint64 day = stored.toDate().toJulianDay();
            if (day != qint64(qint32(day)))
                throw TableError(QStringLiteral("Дата вне допустимого диапазона: %1").arg(valueText(stored)));
        }
        buf[size_t(field)] = std::move(stored);
    }
    QVariant read(int field) const
    {
        if (field < 0 || field >= defs.size())
            throw TableError(QStringLiteral("Нет поля с номером %1").arg(field));
        if (!active)
            return {};
        if (defs[field].calculated)
            return calcTarget ? (*calcTarget)[size_t(field)] : calc[size_t(field)];
        return storedValue(field);
    }
};

} // namespace folianto::table
