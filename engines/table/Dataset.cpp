#include "engines/table/DatasetImpl.h"

namespace folianto::table {

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
    d->requireWritable(field);
    d->putValue(field, toFieldValue(def, v));
}

void Dataset::setText(int field, QStringView text)
{
    d->requireActive();
    const FieldDef& def = fieldDef(field);
    d->requireWritable(field);
    d->putValue(field, toFieldValue(def, text));
}

void Dataset::setValue(const QString& field, const QVariant& v) { setValue(fieldIndex(field), v); }

void Dataset::setCalcValue(const QString& field, const QVariant& v)
{
    const int n = fieldIndex(field);
    if (!d->calcTarget || !d->defs[n].calculated)
        throw TableError(QStringLiteral("Поле %1 нельзя вычислить здесь").arg(field));
    (*d->calcTarget)[size_t(n)] = toFieldValue(d->defs[n], v);
}


} // namespace folianto::table
