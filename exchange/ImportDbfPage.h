#pragma once
// The page `ShImportDbf` of `FormTopic`: the open table in the grid `DBGTab`, the seven
// catalogue targets in `LbImportDbf` ("Автор" or, once assigned, "Автор=AUTHOR"), the switch
// `ChDos` that reads the table as DOS text, and `EdExt`, the extension added to file names.

#include "exchange/DbfImport.h"

#include <QWidget>

class QCheckBox;
class QDialog;
class QListWidget;
class QLineEdit;
class QTableView;

namespace folianto::dbf {
class DbfReader;
}

namespace folianto::exchange {

class DbfTableModel;

class ImportDbfPage : public QWidget {
    Q_OBJECT
public:
    explicit ImportDbfPage(dbf::DbfReader& table, QWidget* parent = nullptr);

    static QString caption();             // "Импорт из таблицы DBF"
    static QString alreadyAssignedText(); // "Уже есть!"

    QTableView* DBGTab = nullptr;
    QListWidget* LbImportDbf = nullptr;
    QCheckBox* ChDos = nullptr;
    QLineEdit* EdExt = nullptr;

    // Assigns the grid's selected column to the selected target (Enter in the grid too).
    void DBGTabDblClick();
    // Assigns an unassigned target, releases an assigned one (Enter in the list too).
    void LbImportDbfDblClick();
    // The table's translation follows `ChDos`; the grid shows the text anew.
    void ChDosClick();

    // The assignments, `EdExt` and `ChDos` as they stand.
    DbfImportMapping mapping() const;

    // Places the page on `sheet` of `dialog`, makes the dialog resizable with no default
    // button (Enter serves the mapping), runs it through the Interaction seam and takes the
    // page back before returning the dialog's result.
    int runIn(QDialog& dialog, QWidget& sheet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString assignedField(int target) const;
    void assign(int target, const QString& fieldName);

    dbf::DbfReader& table_;
    DbfTableModel* model_;
};

} // namespace folianto::exchange
