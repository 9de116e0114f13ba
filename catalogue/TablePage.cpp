// The page `ShTab`: its controls, the column and font part, and the sort list.

#include "catalogue/TablePage.h"

#include "catalogue/CatalogueRecord.h"
#include "catalogue/FilterForms.h"
#include "engines/table/DatasetModel.h"
#include "util/Clock.h"
#include "util/Interaction.h"
#include "util/NamedWidget.h"
#include "util/TFormTopic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace folianto::catalogue {

namespace {

QPushButton* makeButton(QWidget* parent, const QString& text, const char* name, const QString& hint = {})
{
    auto* b = util::named(new QPushButton(text, parent), name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

// Removes the selected entry and selects the one before it (the first when it was first).
void removeSelected(QListWidget* list)
{
    const int row = list->currentRow();
    if (row < 0)
        return;
    delete list->takeItem(row);
    if (list->count() > 0)
        list->setCurrentRow(std::max(row - 1, 0));
    list->setFocus();
}

} // namespace

QString TablePage::alreadyThere() { return QStringLiteral("Уже есть"); }

TablePage::TablePage(QWidget* page, TablePageServices services) : QObject(page), services_(std::move(services)), page_(page)
{
    build(page);
    const QList<CatalogueField>& fields = catalogueFields();
    for (int i = 0; i < fields.size(); ++i) {
        if (!fields[i].shownInGrid)
            continue;
        auto* item = new QListWidgetItem(fields[i].title, lbFld_);
        item->setData(Qt::UserRole, i);
    }
    lbFld_->setCurrentRow(0);
    cbEq_->addItems({QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("<>")});
    cbEq_->setCurrentIndex(0);
    rbAnd_->setChecked(true);

    connect(lbFld_, &QListWidget::currentRowChanged, this, [this] { LbFldClick(); });
    using Handler = void (TablePage::*)();
    const std::pair<QAbstractButton*, Handler> clicks[] = {
        {butColumn_, &TablePage::ButColumnClick},       {chVis_, &TablePage::ButColumnClick},
        {butFontGrid_, &TablePage::ButFontGridClick},   {butFontTitle_, &TablePage::ButFontTitleClick},
        {butAddSort_, &TablePage::ButAddSortClick},     {butDelSort_, &TablePage::ButDelSortClick},
        {butAddFilt_, &TablePage::ButAddFiltClick},     {butDelFilt_, &TablePage::ButDelFiltClick},
        {butTestFilt_, &TablePage::ButTestFiltClick},
    };
    for (const auto& click : clicks)
        connect(click.first, &QAbstractButton::clicked, this, [this, handler = click.second] { (this->*handler)(); });
    const std::pair<QListWidget*, Handler> doubleClicks[] = {
        {lbFld_, &TablePage::ButAddSortClick}, {lbSort_, &TablePage::ButDelSortClick},
        {lbFilt_, &TablePage::ButDelFiltClick}};
    for (const auto& click : doubleClicks)
        connect(click.first, &QListWidget::itemDoubleClicked, this, [this, handler = click.second] { (this->*handler)(); });
    for (QObject* watched : {static_cast<QObject*>(edVal_), static_cast<QObject*>(lbSort_),
                             static_cast<QObject*>(lbFilt_)})
        watched->installEventFilter(this);

    // When the dialog is shown the field list has the focus and its selection is shown.
    if (auto* dialog = qobject_cast<util::TFormTopic*>(page->window()))
        dialog->setShowHandler(name(), [this] {
            lbFld_->setFocus();
            LbFldClick();
        });
}

void TablePage::build(QWidget* page)
{
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(4);
    lbFld_ = util::named(new QListWidget(page), "LbFld");
    lbFld_->setFixedWidth(120);
    lbFld_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(lbFld_, 0, 0, 2, 1);

    auto* column = new QGroupBox(QStringLiteral("Колонка"), page);
    auto* columnLayout = new QGridLayout(column);
    edDisplay_ = new QLineEdit(column);
    edDisplay_->setObjectName(QStringLiteral("EdDisplay"));
    edDisplay_->setToolTip(QStringLiteral("Заголовок колонки"));
    butColumn_ = makeButton(column, QStringLiteral("V"), "ButColumn", QStringLiteral("Применить"));
    butColumn_->setFixedWidth(28);
    chVis_ = new QCheckBox(QStringLiteral("Видимость"), column);
    chVis_->setObjectName(QStringLiteral("ChVis"));
    butFontGrid_ = makeButton(column, QStringLiteral("таблицы..."), "ButFontGrid");
    butFontTitle_ = makeButton(column, QStringLiteral("заголовка..."), "ButFontTitle");
    columnLayout->setContentsMargins(4, 2, 4, 2);
    columnLayout->setVerticalSpacing(2);
    columnLayout->addWidget(edDisplay_, 0, 0, 1, 2);
    columnLayout->addWidget(butColumn_, 0, 2);
    columnLayout->addWidget(chVis_, 1, 0, 1, 3);
    columnLayout->addWidget(new QLabel(QStringLiteral("Шрифты:"), column), 2, 0);
    columnLayout->addWidget(butFontGrid_, 2, 1);
    columnLayout->addWidget(butFontTitle_, 2, 2);
    layout->addWidget(column, 0, 1);

    auto* sort = new QGroupBox(QStringLiteral("Сортировка"), page);
    auto* sortLayout = new QGridLayout(sort);
    sortLayout->setContentsMargins(4, 2, 4, 2);
    butAddSort_ = makeButton(sort, QStringLiteral("->"), "ButAddSort", QStringLiteral("Добавить поле"));
    butDelSort_ = makeButton(sort, QStringLiteral("<-"), "ButDelSort", QStringLiteral("Удалить поле"));
    butAddSort_->setMaximumWidth(32);
    butDelSort_->setMaximumWidth(32);
    lbSort_ = util::named(new QListWidget(sort), "LbSort");
    sortLayout->addWidget(butAddSort_, 0, 0);
    sortLayout->addWidget(butDelSort_, 1, 0);
    sortLayout->setRowStretch(2, 1);
    sortLayout->addWidget(lbSort_, 0, 1, 3, 1);
    layout->addWidget(sort, 1, 1);

    auto* filter = new QGroupBox(QStringLiteral("Фильтр"), page);
    auto* filterLayout = new QGridLayout(filter);
    cbEq_ = new QComboBox(filter);
    cbEq_->setObjectName(QStringLiteral("CbEq"));
    edVal_ = new QLineEdit(filter);
    edVal_->setObjectName(QStringLiteral("EdVal"));
    auto* andOr = new QWidget(filter);
    andOr->setObjectName(QStringLiteral("PanAndOr"));
    auto* andOrLayout = new QHBoxLayout(andOr);
    andOrLayout->setContentsMargins(0, 0, 0, 0);
    andOrLayout->setSpacing(3);
    rbAnd_ = new QRadioButton(QStringLiteral("и"), andOr);
    rbAnd_->setObjectName(QStringLiteral("RbAnd"));
    rbOr_ = new QRadioButton(QStringLiteral("или"), andOr);
    rbOr_->setObjectName(QStringLiteral("RbOr"));
    ch1_ = new QCheckBox(QStringLiteral("("), andOr);
    ch1_->setObjectName(QStringLiteral("Ch1"));
    ch2_ = new QCheckBox(QStringLiteral(")"), andOr);
    ch2_->setObjectName(QStringLiteral("Ch2"));
    butAddFilt_ = makeButton(filter, QStringLiteral("+"), "ButAddFilt", QStringLiteral("Добавить условие"));
    butAddFilt_->setMaximumWidth(28);
    andOrLayout->addWidget(new QLabel(QStringLiteral("и - или"), andOr));
    andOrLayout->addWidget(rbAnd_);
    andOrLayout->addWidget(rbOr_);
    andOrLayout->addWidget(ch1_);
    andOrLayout->addWidget(ch2_);
    andOrLayout->addStretch();
    lbFilt_ = util::named(new QListWidget(filter), "LbFilt");
    butDelFilt_ = makeButton(filter, QStringLiteral("Удалить"), "ButDelFilt", QStringLiteral("Удалить условие"));
    butTestFilt_ = makeButton(filter, QStringLiteral("Тест"), "ButTestFilt");
    filterLayout->addWidget(cbEq_, 0, 0);
    filterLayout->addWidget(edVal_, 0, 1);
    filterLayout->addWidget(butAddFilt_, 0, 2);
    filterLayout->addWidget(andOr, 1, 0, 1, 3);
    filterLayout->addWidget(lbFilt_, 2, 0, 1, 3);
    filterLayout->addWidget(butDelFilt_, 3, 1);
    filterLayout->addWidget(butTestFilt_, 3, 2);
    filterLayout->setColumnStretch(1, 1);
    layout->addWidget(filter, 0, 2, 2, 1);
    layout->setColumnStretch(2, 1);

    auto* note = new QLabel(QStringLiteral("Сортировка и фильтр по нескольким полям работают при выборе в таблице "
                                           "соответствующего пункта из PopupMenu"),
                            page);
    note->setWordWrap(true);
    layout->addWidget(note, 2, 0, 1, 3);
}

int TablePage::selectedField() const
{
    const QListWidgetItem* item = lbFld_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

table::FieldType TablePage::selectedType() const
{
    const int n = selectedField();
    return n >= 0 ? catalogueFields()[n].def.type : table::FieldType::String;
}

void TablePage::enableListButtons()
{
    butDelSort_->setEnabled(lbSort_->count() > 0);
    butDelFilt_->setEnabled(lbFilt_->count() > 0);
    butTestFilt_->setEnabled(lbFilt_->count() > 0);
}

void TablePage::setValues(const TableSettings& values)
{
    lbSort_->clear();
    const QList<CatalogueField>& fields = catalogueFields();
    for (const QString& name : values.sortFields) {
        for (int i = 0; i < fields.size(); ++i) {
            // An entry that names no field of the grid is dropped.
            if (fields[i].def.name != name || !fields[i].shownInGrid)
                continue;
            auto* item = new QListWidgetItem(fields[i].title, lbSort_);
            item->setData(Qt::UserRole, i);
        }
    }
    if (lbSort_->count() > 0)
        lbSort_->setCurrentRow(0);
    lbFilt_->clear();
    lbFilt_->addItems(values.filterConditions);
    enableListButtons();
    LbFldClick();
}

TableSettings TablePage::values() const
{
    TableSettings out;
    for (int i = 0; i < lbSort_->count(); ++i)
        out.sortFields.append(catalogueFields()[lbSort_->item(i)->data(Qt::UserRole).toInt()].def.name);
    for (int i = 0; i < lbFilt_->count(); ++i)
        out.filterConditions.append(lbFilt_->item(i)->text());
    return out;
}

void TablePage::LbFldClick()
{
    const int n = selectedField();
    if (n < 0)
        return;
    if (QTableView* grid = services_.grid; grid && grid->model() && n < grid->model()->columnCount()) {
        edDisplay_->setText(grid->model()->headerData(n, Qt::Horizontal).toString());
        chVis_->setChecked(!grid->isColumnHidden(n));
    }
    // The value box is prepared for the field's kind.
    const table::FieldType type = selectedType();
    if (type == table::FieldType::Date) {
        edVal_->setToolTip({});
        edVal_->setText(util::clock().today().toString(QStringLiteral("dd.MM.yyyy")));
    } else if (isNumberField(type)) {
        edVal_->setToolTip({});
        edVal_->setText(QStringLiteral("0"));
    } else {
        edVal_->setToolTip(textHint());
        edVal_->clear();
    }
}

void TablePage::ButColumnClick()
{
    const int n = selectedField();
    QTableView* grid = services_.grid;
    auto* model = grid ? qobject_cast<table::DatasetModel*>(grid->model()) : nullptr;
    if (n < 0 || !model || n >= model->columnCount())
        return;
    if (!edDisplay_->text().isEmpty()) {
        QStringList titles;
        for (int i = 0; i < model->columnCount(); ++i)
            titles.append(model->headerData(i, Qt::Horizontal).toString());
        titles[n] = edDisplay_->text();
        model->setHeaderTitles(titles);
    }
    grid->setColumnHidden(n, !chVis_->isChecked());
}

void TablePage::ButFontGridClick()
{
    // The dialog starts from its own default, not from the grid's font.
    if (const auto font = util::interaction().chooseFont(QFont(QStringLiteral("MS Sans Serif"), 8)))
        if (services_.setGridFont)
            services_.setGridFont(*font);
}

void TablePage::ButFontTitleClick()
{
    if (const auto font = util::interaction().chooseFont(QFont(QStringLiteral("MS Sans Serif"), 8)))
        if (services_.setTitleFont)
            services_.setTitleFont(*font);
}

void TablePage::ButAddSortClick()
{
    const QListWidgetItem* field = lbFld_->currentItem();
    if (!field)
        return;
    for (int i = 0; i < lbSort_->count(); ++i) {
        if (lbSort_->item(i)->text().compare(field->text(), Qt::CaseInsensitive) == 0) {
            util::interaction().message(alreadyThere());
            lbSort_->setCurrentRow(i);
            return;
        }
    }
    auto* item = new QListWidgetItem(field->text(), lbSort_);
    item->setData(Qt::UserRole, field->data(Qt::UserRole));
    lbSort_->setCurrentItem(item);
    enableListButtons();
}

void TablePage::ButDelSortClick()
{
    removeSelected(lbSort_);
    enableListButtons();
}

bool TablePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edVal_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        if (auto* dialog = qobject_cast<util::TFormTopic*>(page_->window()))
            dialog->BitBtnOk()->setDefault(event->type() == QEvent::FocusOut); // Enter adds, not closes
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == edVal_) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ButAddFiltClick();
            return true;
        }
        const QString text = key->text();
        // A number field takes digits and control keys only (no minus sign).
        return isNumberField(selectedType()) && !text.isEmpty() && text[0].isPrint() && !text[0].isDigit();
    }
    if (key->key() == Qt::Key_Delete) {
        if (watched == lbSort_ && lbSort_->count() > 0)
            ButDelSortClick();
        else if (watched == lbFilt_ && lbFilt_->count() > 0)
            ButDelFiltClick();
        return true;
    }
    return false;
}

} // namespace folianto::catalogue
