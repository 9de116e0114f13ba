// The page `ShTab`: the builder of the composed filter and its test.

#include "catalogue/CatalogueRecord.h"
#include "catalogue/FilterForms.h"
#include "catalogue/TablePage.h"
#include "engines/table/Dataset.h"
#include "engines/table/ValueConvert.h"
#include "util/Interaction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace folianto::catalogue {

QString TablePage::badNumber() { return QStringLiteral("Неверное число!"); }
QString TablePage::badDate() { return QStringLiteral("Неверная дата!"); }
QString TablePage::testFailed() { return QStringLiteral("Неудачно!!!"); }
QString TablePage::testPassed(int rows) { return QStringLiteral("Ok! Количество строк=") + QString::number(rows); }
QString TablePage::textHint()
{
    return QStringLiteral("Если \"=\", то можно включить * с обоих концов");
}

std::optional<QString> TablePage::QuoteFilterValue()
{
    const QString text = edVal_->text();
    const table::FieldType type = selectedType();
    bool ok = true;
    QString message;
    if (isNumberField(type)) {
        const int value = text.toInt(&ok);
        ok = ok && (type != table::FieldType::Int16 || (value >= -32768 && value <= 32767));
        message = badNumber();
    } else if (type == table::FieldType::Date) {
        ok = table::parseDate(text.trimmed()).isValid();
        message = badDate();
    }
    if (!ok) {
        if (edVal_->isEnabled() && edVal_->isVisible())
            edVal_->setFocus();
        util::interaction().message(message, util::MessageKind::Warning);
        return std::nullopt;
    }
    return text;
}

void TablePage::ButAddFiltClick()
{
    const int n = selectedField();
    if (n < 0)
        return;
    ConditionInput in;
    in.field = catalogueFields()[n].def.name;
    in.type = selectedType();
    in.op = cbEq_->currentText();
    in.first = lbFilt_->count() == 0;
    in.orWith = rbOr_->isChecked();
    in.open = ch1_->isChecked();
    in.close = ch2_->isChecked();
    if (isTextField(in.type)) {
        in.value = edVal_->text().trimmed();
        edVal_->setText(in.value);
    } else if (!edVal_->text().isEmpty() || (in.op != QLatin1String("=") && in.op != QLatin1String("<>"))) {
        const std::optional<QString> value = QuoteFilterValue();
        if (!value)
            return;
        in.value = *value;
    }
    lbFilt_->addItem(composedCondition(in));
    lbFilt_->setCurrentRow(lbFilt_->count() - 1);
    enableListButtons();
}

void TablePage::ButDelFiltClick()
{
    const int row = lbFilt_->currentRow();
    if (row < 0)
        return;
    delete lbFilt_->takeItem(row);
    if (lbFilt_->count() > 0) {
        lbFilt_->setCurrentRow(std::max(row - 1, 0));
        QListWidgetItem* first = lbFilt_->item(0);
        first->setText(withoutLeadingConnective(first->text()));
    }
    lbFilt_->setFocus();
    enableListButtons();
}

void TablePage::ButTestFiltClick()
{
    if (lbFilt_->count() == 0 || !services_.catalogue || !services_.catalogue->isActive())
        return;
    QStringList conditions;
    for (int i = 0; i < lbFilt_->count(); ++i)
        conditions.append(lbFilt_->item(i)->text());
    try {
        // A second cursor over the whole catalogue, with the catalogue's case rule; the
        // catalogue itself stays as it is.
        const std::unique_ptr<table::Dataset> rows = services_.catalogue->clone();
        rows->setCaseInsensitive(services_.catalogue->caseInsensitive());
        rows->setFilterText(composedFilter(conditions));
        rows->setFiltered(true);
        util::interaction().message(testPassed(rows->recordCount()));
    } catch (const std::exception&) {
        util::interaction().message(testFailed(), util::MessageKind::Warning);
    }
}

} // namespace folianto::catalogue
