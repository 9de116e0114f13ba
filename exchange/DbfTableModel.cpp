#include "exchange/DbfTableModel.h"

#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"

namespace folianto::exchange {

DbfTableModel::DbfTableModel(dbf::DbfReader& table, QObject* parent) : QAbstractTableModel(parent), table_(table)
{
    for (int f = 0; f < table.fields().size(); ++f)
        if (table.fields()[f].offered())
            fields_.append(f);
}

int DbfTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(records_.size());
}

int DbfTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fields_.size());
}

QVariant DbfTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= records_.size())
        return {};
    try {
        return table_.text(records_[index.row()], fields_.value(index.column(), -1));
    } catch (const dbf::DbfError&) {
        return {};
    }
}

QVariant DbfTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return fieldName(section);
}

QString DbfTableModel::fieldName(int column) const
{
    return column >= 0 && column < fields_.size() ? table_.fields()[fields_[column]].name : QString();
}

bool DbfTableModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && scanned_ < table_.recordCount();
}

void DbfTableModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid())
        return;
    QList<int> found;
    while (scanned_ < table_.recordCount() && found.size() < kBatch) {
        if (!table_.isDeleted(scanned_))
            found.append(scanned_);
        ++scanned_;
    }
    if (found.isEmpty())
        return;
    beginInsertRows({}, int(records_.size()), int(records_.size() + found.size() - 1));
    records_ += found;
    endInsertRows();
}

void DbfTableModel::reread()
{
    if (!records_.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(records_.size()) - 1, int(fields_.size()) - 1));
}

} // namespace folianto::exchange
