#pragma once
// The page `ShTab` of `FormTopic` ("Работа с таблицей"): the grid's column titles and
// visibility and its two fonts, changed at once; the list of the multi-field sort; and the
// builder of the composed filter with its test on a second cursor. The two lists are the
// page's values, given back on "OK".

#include "engines/table/FieldDef.h"

#include <QFont>
#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;
class QWidget;

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

struct TableSettings {
    QStringList sortFields;       // `FStrSort`: field names
    QStringList filterConditions; // `FStrFilt`

    friend bool operator==(const TableSettings&, const TableSettings&) = default;
};

// What the page reaches outside its values: the catalogue, the grid, and the fonts.
struct TablePageServices {
    table::Dataset* catalogue = nullptr; // its case rule; the test's second cursor
    QTableView* grid = nullptr;          // `DBG`, whose column titles and visibility change
    std::function<void(const QFont&)> setGridFont;
    std::function<void(const QFont&)> setTitleFont; // the grid's titles and the status bar
};

class TablePage : public QObject {
    Q_OBJECT
public:
    TablePage(QWidget* page, TablePageServices services);

    using Values = TableSettings;
    static QString name() { return QStringLiteral("ShTab"); }
    static QString caption() { return QStringLiteral("Работа с таблицей"); }
    void setValues(const TableSettings& values);
    TableSettings values() const;

    // --- the columns and fonts ---------------------------------------------------------
    void LbFldClick();
    void ButColumnClick();
    void ButFontGridClick();
    void ButFontTitleClick();
    // --- the sort list -----------------------------------------------------------------
    void ButAddSortClick();
    void ButDelSortClick();
    // --- the filter builder ------------------------------------------------------------
    void ButAddFiltClick();
    void ButDelFiltClick();
    void ButTestFiltClick();
    // The value box checked and quoted for a number or date field; empty (after the
    // message) when it is not one.
    std::optional<QString> QuoteFilterValue();

    static QString alreadyThere();   // "Уже есть"
    static QString badNumber();      // "Неверное число!"
    static QString badDate();        // "Неверная дата!"
    static QString testFailed();     // "Неудачно!!!"
    static QString testPassed(int rows); // "Ok! Количество строк=" + rows
    static QString textHint();

    QListWidget* LbFld() const { return lbFld_; }
    QLineEdit* EdDisplay() const { return edDisplay_; }
    QCheckBox* ChVis() const { return chVis_; }
    QPushButton* ButColumn() const { return butColumn_; }
    QPushButton* ButFontGrid() const { return butFontGrid_; }
    QPushButton* ButFontTitle() const { return butFontTitle_; }
    QListWidget* LbSort() const { return lbSort_; }
    QPushButton* ButAddSort() const { return butAddSort_; }
    QPushButton* ButDelSort() const { return butDelSort_; }
    QComboBox* CbEq() const { return cbEq_; }
    QLineEdit* EdVal() const { return edVal_; }
    QRadioButton* RbAnd() const { return rbAnd_; }
    QRadioButton* RbOr() const { return rbOr_; }
    QCheckBox* Ch1() const { return ch1_; }
    QCheckBox* Ch2() const { return ch2_; }
    QListWidget* LbFilt() const { return lbFilt_; }
    QPushButton* ButAddFilt() const { return butAddFilt_; }
    QPushButton* ButDelFilt() const { return butDelFilt_; }
    QPushButton* ButTestFilt() const { return butTestFilt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QWidget* page);
    int selectedField() const; // field number, -1 without a selection
    table::FieldType selectedType() const;
    void enableListButtons();

    TablePageServices services_;
    QWidget* page_;
    QListWidget* lbFld_;
    QLineEdit* edDisplay_;
    QCheckBox* chVis_;
    QPushButton* butColumn_;
    QPushButton* butFontGrid_;
    QPushButton* butFontTitle_;
    QListWidget* lbSort_;
    QPushButton* butAddSort_;
    QPushButton* butDelSort_;
    QComboBox* cbEq_;
    QLineEdit* edVal_;
    QRadioButton* rbAnd_;
    QRadioButton* rbOr_;
    QCheckBox* ch1_;
    QCheckBox* ch2_;
    QListWidget* lbFilt_;
    QPushButton* butAddFilt_;
    QPushButton* butDelFilt_;
    QPushButton* butTestFilt_;
};

} // namespace folianto::catalogue
