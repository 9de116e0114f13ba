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

namespace {

QString notActiveMessage()
{
    return QStringLiteral("Таблица не открыта");
}

} // namespace

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
        for (DatasetListener* l : std::vector<DatasetListener*>(listeners))
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

// ---------------------------------------------------------------------------------------

Dataset::Dataset() : d(std::make_unique<Impl>()) {}
Dataset::~Dataset() = default;

void Dataset::setFieldDefs(const FieldDefs& defs)
{
    if (d->active)
        throw TableError(QStringLiteral("Нельзя менять поля открытой таблицы"));
    checkFieldDefs(defs);
    d->defs = defs;
}

const FieldDefs& Dataset::fieldDefs() const { return d->defs; }
int Dataset::fieldCount() const { return int(d->defs.size()); }
int Dataset::findField(const QString& name) const { return d->fieldNumber(name); }

int Dataset::fieldIndex(const QString& name) const
{
    const int n = d->fieldNumber(name);
    if (n < 0)
        throw TableError(QStringLiteral("Нет поля %1").arg(name));
    return n;
}

const FieldDef& Dataset::fieldDef(int field) const
{
    if (field < 0 || field >= d->defs.size())
        throw TableError(QStringLiteral("Нет поля с номером %1").arg(field));
    return d->defs[field];
}

void Dataset::createEmpty()
{
    if (d->active)
        close();
    if (d->defs.isEmpty())
        throw TableError(QStringLiteral("Не заданы поля таблицы"));
    d->attachStore(std::make_shared<RowStore>(d->defs));
    d->active = true;
    d->st = DatasetState::Browse;
    d->applyOrder();
    d->applyFilterPredicate();
    d->rebuildView(false);
    d->fireDataChanged();
    d->fire(d->ev.afterOpen);
    d->moved();
}

void Dataset::setFileName(const QString& path) { d->fileName = path; }
QString Dataset::fileName() const { return d->fileName; }

void Dataset::open()
{
    if (d->active)
        return;
    if (d->fileName.isEmpty())
        throw TableError(QStringLiteral("Не задано имя файла таблицы"));
    // Calculated fields are the program's, not the file's: those defined here are kept.
    std::shared_ptr<RowStore> store;
    {
        MappedFile file(d->fileName);
        store = loadTable(file.bytes(), d->defs, [&file](qsizetype at) { file.releaseBefore(at); });
    }
    d->defs = store->defs();
    // Indexes over fields the file does not have cannot stay.
    QList<IndexDef> kept;
    for (const IndexDef& idx : d->indexes)
        if (std::all_of(idx.fields.begin(), idx.fields.end(), [&](const QString& f) { return d->fieldNumber(f) >= 0; }))
            kept.append(idx);
    d->indexes = kept;
    if (!d->findIndex(d->indexName))
        d->indexName.clear();
    d->attachStore(store);
    d->active = true;
    d->st = DatasetState::Browse;
    d->applyOrder();
    d->filter.reset();
    if (d->filterOn) {
        try {
            d->filter = d->compileFilter(d->filterText);
        } catch (const TableError&) {
            d->filterOn = false;
        }
    }
    d->applyFilterPredicate();
    d->rebuildView(false);
    d->fireDataChanged();
    d->fire(d->ev.afterOpen);
    d->moved();
}

void Dataset::close()
{
    if (!d->active)
        return;
    if (d->st != DatasetState::Browse)
        cancel();
    if (!d->fileName.isEmpty())
        saveToFile(d->fileName);
    d->tell([](DatasetListener* l) { l->viewAboutToBeReset(); });
    d->detachStore();
    d->view.clear();
    d->cur = nullptr;
    d->pos = -1;
    d->eofFlag = d->bofFlag = true;
    d->active = false;
    d->st = DatasetState::Inactive;
    d->calc.assign(size_t(d->defs.size()), QVariant());
    d->tell([](DatasetListener* l) { l->viewReset(); });
    d->fire(d->ev.afterClose);
    d->fireDataChanged();
}

void Dataset::saveToFile(const QString& path) const
{
    d->requireActive();
    const bool xml = QFileInfo(path).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0;
    writeFileAtomically(path, xml ? encodeXml(tableData(*d->store)) : encodeBon(*d->store));
}

void Dataset::emptyTable()
{
    d->requireActive();
    if (d->st != DatasetState::Browse)
        cancel();
    d->store->clear();
}

bool Dataset::isActive() const { return d->active; }
DatasetState Dataset::state() const { return d->st; }

// --- navigation ---------------------------------------------------------------------------

void Dataset::first()
{
    d->requireBrowse();
    d->moveTo(0);
    d->bofFlag = d->eofFlag = d->cur == nullptr;
    d->moved();
}

void Dataset::last()
{
    d->requireBrowse();
    d->moveTo(d->view.size() - 1);
    d->bofFlag = d->eofFlag = d->cur == nullptr;
    d->moved();
}

void Dataset::next()
{
    d->requireBrowse();
    if (d->pos + 1 < d->view.size()) {
        d->moveTo(d->pos + 1);
        d->bofFlag = d->eofFlag = false;
        d->moved();
    } else {
        d->eofFlag = true;
    }
}

void Dataset::prior()
{
    d->requireBrowse();
    if (d->pos > 0) {
        d->moveTo(d->pos - 1);
        d->bofFlag = d->eofFlag = false;
        d->moved();
    } else {
        d->bofFlag = true;
    }
}

bool Dataset::eof() const { return !d->active || d->eofFlag || d->view.size() == 0; }
bool Dataset::bof() const { return !d->active || d->bofFlag || d->view.size() == 0; }
int Dataset::recordCount() const { return d->active ? d->view.size() : 0; }
int Dataset::recNo() const { return d->active && d->cur ? d->pos + 1 : 0; }

void Dataset::setRecNo(int n)
{
    d->requireBrowse();
    if (d->view.size() == 0)
        return;
    d->moveTo(n - 1);
    d->bofFlag = d->eofFlag = false;
    d->moved();
}

bool Dataset::hasCurrentRow() const { return d->active && d->cur != nullptr; }

// --- editing ------------------------------------------------------------------------------

void Dataset::append()
{
    d->requireActive();
    if (d->st != DatasetState::Browse)
        post();
    d->buf.assign(size_t(d->defs.size()), QVariant());
    d->insertBefore = nullptr;
    d->beforeInsert = d->cur;
    d->st = DatasetState::Insert;
    d->refreshCalc();
    d->fire(d->ev.newRecord);
}

void Dataset::insert()
{
    d->requireActive();
    if (d->st != DatasetState::Browse)
        post();
    d->buf.assign(size_t(d->defs.size()), QVariant());
    d->insertBefore = d->cur;
    d->beforeInsert = d->cur;
    d->st = DatasetState::Insert;
    d->refreshCalc();
    d->fire(d->ev.newRecord);
}

void Dataset::edit()
{
    d->requireActive();
    if (d->st != DatasetState::Browse)
        return;
    if (!d->cur)
        throw TableError(QStringLiteral("Нет текущей записи"));
    d->buf = d->store->format().values(d->cur);
    d->editRow = d->cur;
    d->st = DatasetState::Edit;
}

void Dataset::post()
{
    d->requireActive();
    if (d->st == DatasetState::Browse)
        return;
    if (d->st == DatasetState::Edit) {
        if (!d->editRow)
            throw TableError(QStringLiteral("Запись удалена другим курсором"));
        Row* row = d->editRow;
        d->st = DatasetState::Browse;
        d->editRow = nullptr;
        d->store->update(row, d->buf);
    } else {
        const Row* before = d->insertBefore;
        d->st = DatasetState::Browse;
        d->insertBefore = d->beforeInsert = nullptr;
        d->quiet = true;
        Row* row = d->store->add(d->buf, before);
        d->quiet = false;
        const int p = d->view.indexOf(row);
        if (p >= 0) {
            d->moveTo(p);
            d->bofFlag = d->eofFlag = false;
        }
    }
    d->buf.clear();
    d->refreshCalc();
    d->tell([](DatasetListener* l) { l->currentRowChanged(); });
    d->fire(d->ev.afterPost);
}

void Dataset::cancel()
{
    if (!d->active || d->st == DatasetState::Browse)
        return;
    const bool wasInsert = d->st == DatasetState::Insert;
    d->st = DatasetState::Browse;
    d->buf.clear();
    d->editRow = d->insertBefore = nullptr;
    if (wasInsert && d->beforeInsert) {
        const int p = d->view.indexOf(d->beforeInsert);
        if (p >= 0)
            d->moveTo(p);
    }
    d->beforeInsert = nullptr;
    d->moved(false);
}

void Dataset::remove()
{
    d->requireActive();
    if (d->st == DatasetState::Insert) {
        cancel();
        return;
    }
    if (d->st == DatasetState::Edit)
        cancel();
    if (!d->cur)
        throw TableError(QStringLiteral("Нет текущей записи"));
    d->quiet = true;
    d->store->remove(d->cur);
    d->quiet = false;
    d->fire(d->ev.afterDelete);
    d->moved();
}

// --- fields -------------------------------------------------------------------------------

QVariant Dataset::value(int field) const { return d->read(field); }
QVariant Dataset::value(const QString& field) const { return d->read(fieldIndex(field)); }
bool Dataset::isNull(const QString& field) const { return !value(field).isValid(); }
QString Dataset::asString(const QString& field) const { return valueText(value(field)); }

int Dataset::asInt(const QString& field) const
{
    const QVariant v = value(field);
    if (!v.isValid())
        return 0;
    bool ok = false;
    const int n = v.typeId() == QMetaType::QString ? v.toString().trimmed().toInt(&ok) : v.toInt(&ok);
    if (!ok)
        throw TableError(QStringLiteral("Значение поля %1 не является числом").arg(field));
    return n;
}

QDate Dataset::asDate(const QString& field) const
{
    const QVariant v = value(field);
    if (!v.isValid())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    return parseDate(v.toString().trimmed());
}

bool Dataset::asBool(const QString& field) const
{
    const QVariant v = value(field);
    return v.isValid() && v.toBool();
}

void Dataset::setValue(int field, const QVariant& v)
{
    d->requireActive();
    const FieldDef& def = fieldDef(field);
    if (def.calculated) {
        if (!d->calcTarget)
            throw TableError(QStringLiteral("Поле %1 вычисляемое").arg(def.name));
        (*d->calcTarget)[size_t(field)] = toFieldValue(def, v);
        return;
    }
    if (d->st != DatasetState::Edit && d->st != DatasetState::Insert)
        throw TableError(QStringLiteral("Запись не редактируется"));
    QVariant stored = toFieldValue(def, v);
    // Rows keep a date as a 32-bit day number: beyond a few million years it cannot be held.
    if (def.type == FieldType::Date && stored.isValid()) {
        const qint64 day = stored.toDate().toJulianDay();
        if (day != qint64(qint32(day)))
            throw TableError(QStringLiteral("Дата вне допустимого диапазона: %1").arg(valueText(stored)));
    }
    d->buf[size_t(field)] = std::move(stored);
}

void Dataset::setValue(const QString& field, const QVariant& v) { setValue(fieldIndex(field), v); }

void Dataset::setCalcValue(const QString& field, const QVariant& v)
{
    const int n = fieldIndex(field);
    if (!d->calcTarget || !d->defs[n].calculated)
        throw TableError(QStringLiteral("Поле %1 нельзя вычислить здесь").arg(field));
    (*d->calcTarget)[size_t(n)] = toFieldValue(d->defs[n], v);
}

// --- search, filter, sort -------------------------------------------------------------------

bool Dataset::locate(const QString& field, const QVariant& value, LocateOptions opts)
{
    d->requireBrowse();
    const int n = fieldIndex(field);
    const FieldDef& def = d->defs[n];
    const bool text = isTextType(def.type);
    QVariant key;
    QString keyText;
    if (text) {
        keyText = value.typeId() == QMetaType::QDate ? valueText(value) : value.toString();
    } else if (def.calculated) {
        key = toFieldValue(def, value);
    } else {
        try {
            key = toFieldValue(def, value);
        } catch (const TableError&) {
            return false; // a value the field cannot hold matches no row
        }
    }
    const RowFormat& format = d->store->format();
    const int found = d->view.rows().findIf([&](int, const Row* row) {
        if (text && !def.calculated) {
            if (format.isNull(row, n))
                return keyText.isEmpty();
            const QStringView s = format.text(row, n);
            return opts.partialKey ? textStartsWith(s, keyText, opts.caseInsensitive)
                                   : textEquals(s, keyText, opts.caseInsensitive);
        }
        const QVariant v = def.calculated ? d->calcValuesFor(row)[size_t(n)] : format.value(row, n);
        if (text) {
            if (!v.isValid())
                return keyText.isEmpty();
            const QString s = v.toString();
            return opts.partialKey ? textStartsWith(s, keyText, opts.caseInsensitive)
                                   : textEquals(s, keyText, opts.caseInsensitive);
        }
        return (!v.isValid() && !key.isValid())
               || (v.isValid() && key.isValid() && compareValues(v, key, def.type) == 0);
    });
    if (found >= 0) {
        d->moveTo(found);
        d->bofFlag = d->eofFlag = false;
        d->moved();
        return true;
    }
    return false;
}

void Dataset::setFilterText(const QString& text)
{
    if (text == d->filterText)
        return;
    d->filterText = text;
    if (d->filterOn && d->active) {
        try {
            d->filter = d->compileFilter(text);
        } catch (const TableError&) {
            d->filterOn = false;
            d->filter.reset();
            d->applyFilterPredicate();
            d->rebuildView(true);
            d->moved();
            d->fireDataChanged();
            throw;
        }
        d->applyFilterPredicate();
        d->rebuildView(true);
        d->moved();
        d->fireDataChanged();
    }
}

QString Dataset::filterText() const { return d->filterText; }

void Dataset::setFiltered(bool on)
{
    if (on == d->filterOn && (!on || d->filter || !d->active))
        return;
    if (on) {
        // A text the filter cannot read leaves the filter off.
        std::shared_ptr<const CompiledFilter> f;
        if (d->active)
            f = d->compileFilter(d->filterText);
        d->filter = f;
    } else {
        d->filter.reset();
    }
    d->filterOn = on;
    if (!d->active)
        return;
    if (d->st != DatasetState::Browse)
        post();
    d->applyFilterPredicate();
    d->rebuildView(true);
    d->moved();
    d->fireDataChanged();
}

bool Dataset::filtered() const { return d->filterOn; }

void Dataset::setCaseInsensitive(bool on)
{
    if (on == d->caseInsensitive)
        return;
    d->caseInsensitive = on;
    if (d->filterOn && d->active) {
        d->filterOn = false;
        setFiltered(true);
    }
}

bool Dataset::caseInsensitive() const { return d->caseInsensitive; }

void Dataset::addIndex(const QString& name, const QString& fields, bool descending)
{
    if (name.isEmpty())
        throw TableError(QStringLiteral("Не задано имя индекса"));
    IndexDef def{name, fields.split(u';', Qt::SkipEmptyParts), descending};
    for (QString& f : def.fields)
        f = f.trimmed();
    if (def.fields.isEmpty())
        throw TableError(QStringLiteral("Индекс %1 без полей").arg(name));
    for (const QString& f : def.fields) {
        const int n = d->fieldNumber(f);
        if (n < 0 && !d->defs.isEmpty())
            throw TableError(QStringLiteral("Нет поля %1").arg(f));
        if (n >= 0 && d->defs[n].calculated)
            throw TableError(QStringLiteral("Нельзя сортировать по вычисляемому полю %1").arg(f));
    }
    for (IndexDef& existing : d->indexes) {
        if (existing.name == name) {
            existing = def;
            if (d->indexName == name && d->active) {
                d->applyOrder();
                d->rebuildView(true);
                d->moved();
                d->fireDataChanged();
            }
            return;
        }
    }
    d->indexes.append(def);
}

void Dataset::deleteIndex(const QString& name)
{
    const auto it = std::find_if(d->indexes.begin(), d->indexes.end(), [&](const IndexDef& i) { return i.name == name; });
    if (it == d->indexes.end())
        throw TableError(QStringLiteral("Нет индекса %1").arg(name));
    d->indexes.erase(it);
    if (d->indexName == name)
        setIndexName(QString());
}

QList<IndexDef> Dataset::indexDefs() const { return d->indexes; }

void Dataset::setIndexName(const QString& name)
{
    if (!name.isEmpty() && !d->findIndex(name))
        throw TableError(QStringLiteral("Нет индекса %1").arg(name));
    if (!name.isEmpty()) {
        for (const QString& f : d->findIndex(name)->fields)
            if (d->fieldNumber(f) < 0)
                throw TableError(QStringLiteral("Нет поля %1").arg(f));
    }
    if (d->active && d->st != DatasetState::Browse)
        post();
    d->indexName = name;
    if (!d->active)
        return;
    d->applyOrder();
    d->rebuildView(true);
    d->moved();
    d->fireDataChanged();
}

QString Dataset::indexName() const { return d->indexName; }

// --- positions and clones -------------------------------------------------------------------

Bookmark Dataset::bookmark() const
{
    return Bookmark{d->active && d->cur ? d->cur->id : -1};
}

bool Dataset::bookmarkValid(const Bookmark& b) const
{
    if (!d->active || !b.isValid())
        return false;
    Row* row = d->store->find(b.rowId);
    return row && d->view.indexOf(row) >= 0;
}

void Dataset::gotoBookmark(const Bookmark& b)
{
    d->requireBrowse();
    Row* row = b.isValid() ? d->store->find(b.rowId) : nullptr;
    const int p = row ? d->view.indexOf(row) : -1;
    if (p < 0)
        throw TableError(QStringLiteral("Запись не найдена"));
    d->moveTo(p);
    d->bofFlag = d->eofFlag = false;
    d->moved();
}

std::unique_ptr<Dataset> Dataset::clone() const
{
    d->requireActive();
    auto c = std::make_unique<Dataset>();
    c->d->attachStore(d->store);
    c->d->indexes = d->indexes;
    c->d->active = true;
    c->d->st = DatasetState::Browse;
    c->d->applyOrder();
    c->d->applyFilterPredicate();
    c->d->rebuildView(false);
    c->d->refreshCalc();
    return c;
}

void Dataset::gotoCursorOf(const Dataset& other)
{
    d->requireBrowse();
    if (!other.d->active || other.d->store != d->store)
        throw TableError(QStringLiteral("Курсор относится к другой таблице"));
    gotoBookmark(other.bookmark());
}

// --- controls and events ----------------------------------------------------------------

void Dataset::disableControls() { ++d->disabled; }

void Dataset::enableControls()
{
    if (d->disabled == 0)
        return;
    if (--d->disabled > 0)
        return;
    const bool reset = d->resetPending;
    d->resetPending = false;
    if (reset) {
        d->tell([](DatasetListener* l) { l->viewAboutToBeReset(); });
        d->tell([](DatasetListener* l) { l->viewReset(); });
        d->fire(d->ev.dataChanged);
    }
    d->tell([](DatasetListener* l) { l->currentRowChanged(); });
    d->fire(d->ev.controlsResumed);
}

bool Dataset::controlsDisabled() const { return d->disabled > 0; }

Dataset::Events& Dataset::events() { return d->ev; }

QVariant Dataset::valueAt(int viewRow, int field) const
{
    if (!d->active || viewRow < 0 || viewRow >= d->view.size() || field < 0 || field >= d->defs.size())
        return {};
    const Row* row = d->view.at(viewRow);
    if (row == d->cur && d->st == DatasetState::Browse)
        return d->read(field);
    if (d->defs[field].calculated)
        return d->calcValuesFor(row)[size_t(field)];
    return d->store->format().value(row, field);
}

namespace {

CellView cellOf(const RowFormat& format, const FieldDefs& defs, const Row* row, int field)
{
    CellView cell;
    if (defs[field].calculated)
        return cell;
    cell.isNull = format.isNull(row, field);
    if (format.isText(field))
        cell.text = format.text(row, field);
    else
        cell.number = format.scalar(row, field);
    return cell;
}

} // namespace

CellView Dataset::cellAt(int viewRow, int field) const
{
    if (!d->active || viewRow < 0 || viewRow >= d->view.size() || field < 0 || field >= d->defs.size())
        return {};
    return cellOf(d->store->format(), d->defs, d->view.at(viewRow), field);
}

void Dataset::cellsAt(int viewRow, std::vector<CellView>& cells) const
{
    cells.assign(size_t(d->defs.size()), CellView());
    if (!d->active || viewRow < 0 || viewRow >= d->view.size())
        return;
    const Row* row = d->view.at(viewRow);
    for (int f = 0; f < d->defs.size(); ++f)
        cells[size_t(f)] = cellOf(d->store->format(), d->defs, row, f);
}

Bookmark Dataset::bookmarkAt(int viewRow) const
{
    if (!d->active || viewRow < 0 || viewRow >= d->view.size())
        return {};
    return Bookmark{d->view.at(viewRow)->id};
}

void Dataset::addListener(DatasetListener* listener) { d->listeners.push_back(listener); }

void Dataset::removeListener(DatasetListener* listener)
{
    auto& ls = d->listeners;
    ls.erase(std::remove(ls.begin(), ls.end(), listener), ls.end());
}

} // namespace folianto::table
