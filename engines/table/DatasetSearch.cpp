// Search, filter and sort, positions and clones, the controls and events, and reading cells
// by view row.
#include "engines/table/DatasetImpl.h"

namespace folianto::table {

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
    auto matches = [&](int, const Row* row) {
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
    };
    int found;
    if (text && !def.calculated && !keyText.isEmpty() && d->view.sortedFirstBy(n)) {
        // Sorted on the field: only the run of rows alike in letters can match.
        const auto [first, end] = d->view.letterPrefixRun(n, keyText);
        found = d->view.rows().findIf(first, end, matches);
    } else {
        found = d->view.rows().findIf(matches);
    }
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
            d->reshowView();
            throw;
        }
        d->applyFilterPredicate();
        d->reshowView();
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
    d->reshowView();
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
                d->reshowView();
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
    d->reshowView();
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
