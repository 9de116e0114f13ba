#include "engines/table/DatasetModel.h"

#include "engines/table/ValueConvert.h"

namespace folianto::table {

DatasetModel::DatasetModel(Dataset& dataset, QObject* parent) : QAbstractTableModel(parent), ds_(dataset)
{
    ds_.addListener(this);
}

DatasetModel::~DatasetModel()
{
    ds_.removeListener(this);
}

void DatasetModel::setHeaderTitles(const QStringList& titles)
{
    titles_ = titles;
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void DatasetModel::setColumnLooks(const QList<ColumnLook>& looks)
{
    looks_ = looks;
    if (columnCount() > 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                               {Qt::FontRole, Qt::ForegroundRole});
    }
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ds_.recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !ds_.isActive() ? 0 : ds_.fieldCount();
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::FontRole || role == Qt::ForegroundRole) {
        if (index.column() >= looks_.size())
            return {};
        const ColumnLook& look = looks_[index.column()];
        return role == Qt::FontRole ? look.font : look.color;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const QVariant v = ds_.valueAt(index.row(), index.column());
    return role == Qt::DisplayRole ? QVariant(valueText(v)) : v;
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= columnCount())
        return {};
    if (section < looks_.size()) {
        const ColumnLook& look = looks_[section];
        switch (role) {
        case Qt::FontRole: return look.titleFont;
        case Qt::ForegroundRole: return look.titleColor;
        case Qt::BackgroundRole: return look.titleBackground;
        default: break;
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    if (section < titles_.size() && !titles_[section].isEmpty())
        return titles_[section];
    return ds_.fieldDef(section).name;
}

int DatasetModel::currentRow() const
{
    return ds_.recNo() - 1;
}

void DatasetModel::rowAboutToBeInserted(int viewRow) { beginInsertRows({}, viewRow, viewRow); }
void DatasetModel::rowInserted(int) { endInsertRows(); }
void DatasetModel::rowAboutToBeRemoved(int viewRow) { beginRemoveRows({}, viewRow, viewRow); }
void DatasetModel::rowRemoved(int) { endRemoveRows(); }

void DatasetModel::rowChanged(int viewRow)
{
    if (columnCount() > 0)
        Q_EMIT dataChanged(index(viewRow, 0), index(viewRow, columnCount() - 1));
}

void DatasetModel::viewAboutToBeReset() { beginResetModel(); }
void DatasetModel::viewReset() { endResetModel(); }
void DatasetModel::currentRowChanged() { Q_EMIT cursorRowChanged(currentRow()); }

} // namespace folianto::table
