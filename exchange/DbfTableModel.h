#pragma once
// The grid's view of an open table: one column per offered field, one row per live record.
// Rows are found in batches as the view scrolls (fetchMore), so a large table shows at once.

#include <QAbstractTableModel>
#include <QList>

namespace folianto::dbf {
class DbfReader;
}

namespace folianto::exchange {

class DbfTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DbfTableModel(dbf::DbfReader& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    QString fieldName(int column) const;
    // The table's text form changed (translation switched): every cell is read again.
    void reread();

    static constexpr int kBatch = 1000;

private:
    dbf::DbfReader& table_;
    QList<int> fields_;  // table field numbers of the columns
    QList<int> records_; // record numbers of the live records found so far
    int scanned_ = 0;    // records examined so far
};

} // namespace folianto::exchange
