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
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QVariant v = ds_.valueAt(index.row(), index.column());
    return role == Qt::DisplayRole ? QVariant(valueText(v)) : v;
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
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
