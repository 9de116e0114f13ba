#pragma once
// The grid's view of a catalogue: rows are the main cursor's view (its filter and sort),
// columns its fields by number. Follows every change of the rows and resets once when
// suspended controls are resumed. Must not outlive its dataset.

#include "engines/table/Dataset.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QVariant>

namespace folianto::table {

// How one column looks: its cells' font and text colour, its title's font, text colour and
// background (a QFont or a QColor each). Null parts keep the view's own.
struct ColumnLook {
    QVariant font;
    QVariant color;
    QVariant titleFont;
    QVariant titleColor;
    QVariant titleBackground;
};

class DatasetModel : public QAbstractTableModel, private DatasetListener {
    Q_OBJECT
public:
    explicit DatasetModel(Dataset& dataset, QObject* parent = nullptr);
    ~DatasetModel() override;

    // Column titles by field number; a field without one shows its name.
    void setHeaderTitles(const QStringList& titles);
    // Column looks by field number, served through the font, foreground and background roles.
    void setColumnLooks(const QList<ColumnLook>& looks);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: the value as text (dates dd.MM.yyyy, empty for null); EditRole: the value;
    // FontRole and ForegroundRole: the column's look.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int currentRow() const; // the view row of the cursor, -1 without one

Q_SIGNALS:
    void cursorRowChanged(int row);

private:
    void rowAboutToBeInserted(int viewRow) override;
    void rowInserted(int viewRow) override;
    void rowAboutToBeRemoved(int viewRow) override;
    void rowRemoved(int viewRow) override;
    void rowChanged(int viewRow) override;
    void viewAboutToBeReset() override;
    void viewReset() override;
    void currentRowChanged() override;

    Dataset& ds_;
    QStringList titles_;
    QList<ColumnLook> looks_;
};

} // namespace folianto::table
