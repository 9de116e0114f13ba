#include "exchange/ImportDbfPage.h"

#include "engines/dbf/DbfReader.h"
#include "exchange/DbfTableModel.h"
#include "util/Interaction.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace folianto::exchange {

QString ImportDbfPage::caption() { return QStringLiteral("Импорт из таблицы DBF"); }
QString ImportDbfPage::alreadyAssignedText() { return QStringLiteral("Уже есть!"); }

ImportDbfPage::ImportDbfPage(dbf::DbfReader& table, QWidget* parent)
    : QWidget(parent), table_(table), model_(new DbfTableModel(table, this))
{
    setObjectName(QStringLiteral("ImportDbfPage"));
    DBGTab = new QTableView(this);
    DBGTab->setObjectName(QStringLiteral("DBGTab"));
    DBGTab->setModel(model_);
    DBGTab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGTab->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGTab->verticalHeader()->setDefaultSectionSize(DBGTab->fontMetrics().height() + 4);
    DBGTab->installEventFilter(this);
    connect(DBGTab, &QTableView::doubleClicked, this, [this] { DBGTabDblClick(); });
    if (model_->canFetchMore({}))
        model_->fetchMore({});
    if (model_->columnCount() > 0)
        DBGTab->setCurrentIndex(model_->index(0, 0));

    LbImportDbf = new QListWidget(this);
    LbImportDbf->setObjectName(QStringLiteral("LbImportDbf"));
    LbImportDbf->addItems(importTargetLabels());
    LbImportDbf->setCurrentRow(0);
    LbImportDbf->installEventFilter(this);
    connect(LbImportDbf, &QListWidget::itemDoubleClicked, this, [this] { LbImportDbfDblClick(); });

    ChDos = new QCheckBox(QStringLiteral("Преобразовать кодировку таблицы  DOS->WIN"), this);
    ChDos->setObjectName(QStringLiteral("ChDos"));
    ChDos->setToolTip(QStringLiteral("Преобразовать в ANSI"));
    connect(ChDos, &QCheckBox::clicked, this, [this] { ChDosClick(); });
    EdExt = new QLineEdit(this);
    EdExt->setObjectName(QStringLiteral("EdExt"));
    EdExt->setMaxLength(3);
    EdExt->setMaximumWidth(EdExt->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);

    auto* hint = new QLabel(
        QStringLiteral("Выделите в верхней таблице поле-источник, а в нижней - цель. Пользуйтесь DblClick или Enter"), this);
    hint->setWordWrap(true);
    auto* warning = new QLabel(QStringLiteral("Внимание ! При импорте не отслеживается уникальность файловой ссылки !!!"), this);
    warning->setStyleSheet(QStringLiteral("color: red"));
    auto* extRow = new QHBoxLayout;
    extRow->addWidget(new QLabel(QStringLiteral("При записи в каталог добавить расширение файла  (без точки)"), this));
    extRow->addWidget(EdExt);
    extRow->addStretch(1);

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(LbImportDbf, 1);
    auto* controls = new QVBoxLayout;
    controls->addWidget(hint);
    controls->addWidget(ChDos);
    controls->addLayout(extRow);
    controls->addWidget(warning);
    controls->addStretch(1);
    lowerLayout->addLayout(controls, 2);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(DBGTab);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

QString ImportDbfPage::assignedField(int target) const
{
    const QListWidgetItem* item = LbImportDbf->item(target);
    if (!item)
        return {};
    const QString text = item->text();
    const qsizetype eq = text.indexOf(u'=');
    return eq < 0 ? QString() : text.mid(eq + 1);
}

void ImportDbfPage::assign(int target, const QString& fieldName)
{
    if (target < 0 || target >= LbImportDbf->count() || fieldName.isEmpty() || !assignedField(target).isEmpty())
        return;
    for (int t = 0; t < LbImportDbf->count(); ++t)
        if (assignedField(t) == fieldName) {
            util::interaction().message(alreadyAssignedText());
            return;
        }
    LbImportDbf->item(target)->setText(importTargetLabels()[target] + u'=' + fieldName);
}

void ImportDbfPage::DBGTabDblClick()
{
    if (!table_.isOpen() || table_.recordCount() < 1)
        return;
    assign(LbImportDbf->currentRow(), model_->fieldName(DBGTab->currentIndex().column()));
}

void ImportDbfPage::LbImportDbfDblClick()
{
    const int target = LbImportDbf->currentRow();
    if (target < 0)
        return;
    if (assignedField(target).isEmpty())
        DBGTabDblClick();
    else
        LbImportDbf->item(target)->setText(importTargetLabels()[target]);
}

void ImportDbfPage::ChDosClick()
{
    table_.setTranslate(ChDos->isChecked());
    model_->reread();
}

DbfImportMapping ImportDbfPage::mapping() const
{
    DbfImportMapping m;
    for (int t = 0; t < kImportTargets; ++t)
        m.fields[size_t(t)] = assignedField(t);
    m.ext = EdExt->text();
    m.dos = ChDos->isChecked();
    return m;
}

bool ImportDbfPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == DBGTab)
                DBGTabDblClick();
            else if (watched == LbImportDbf)
                LbImportDbfDblClick();
            else
                return QWidget::eventFilter(watched, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int ImportDbfPage::runIn(QDialog& dialog, QWidget& sheet)
{
    auto* layout = sheet.layout() ? sheet.layout() : new QVBoxLayout(&sheet);
    layout->addWidget(this);
    dialog.setWindowTitle(caption());
    dialog.setMinimumSize(400, 300);
    dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    dialog.setSizeGripEnabled(true);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
    DBGTab->setFocus();
    // The page belongs to the command, not to the dialog: it leaves the dialog on every way out.
    struct TakeBack {
        ImportDbfPage* page;
        QLayout* layout;
        ~TakeBack()
        {
            layout->removeWidget(page);
            page->setParent(nullptr);
        }
    } takeBack{this, layout};
    return util::interaction().runDialog(dialog);
}

} // namespace folianto::exchange
