#include "exchange/FileDefaultsPage.h"

#include "util/Interaction.h"
#include "util/ListEntries.h"
#include "util/NamedWidget.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace folianto::exchange {

using util::named;

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// A group-add option: its label, and the check box to the right of it.
QCheckBox* addOption(QGridLayout* grid, QWidget* parent, const QString& label, const char* name)
{
    const int row = grid->rowCount();
    grid->addWidget(wrappedLabel(label, parent), row, 0);
    auto* box = named(new QCheckBox(parent), name);
    grid->addWidget(box, row, 1);
    return box;
}

} // namespace

QString FileDefaultsPage::caption() { return QStringLiteral("Работа с файлами"); }
QString FileDefaultsPage::maskCaption() { return QStringLiteral("Маска файлов при пакетном и DragDrop добавлении"); }
QString FileDefaultsPage::maskPrompt() { return QStringLiteral("Введите расширение файла:"); }
QString FileDefaultsPage::alreadyThere() { return QStringLiteral("Уже есть"); }

FileDefaultsPage::FileDefaultsPage(QWidget* page) : QObject(page)
{
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(8, 6, 8, 4);

    auto* left = new QVBoxLayout;
    left->addWidget(wrappedLabel(QStringLiteral("Действует только при файловом и DragDrop импорте"), page));
    auto* listRow = new QHBoxLayout;
    lbExt_ = named(new QListWidget(page), "LbExt");
    lbExt_->installEventFilter(this);
    listRow->addWidget(lbExt_, 1);
    auto* buttons = new QVBoxLayout;
    butAddExt_ = named(new QPushButton(QStringLiteral("Добавить расширение..."), page), "ButAddExt");
    butExtDel_ = named(new QPushButton(QStringLiteral("Удалить (dblclick)"), page), "ButExtDel");
    butExtClear_ = named(new QPushButton(QStringLiteral("Очистить всё"), page), "ButExtClear");
    buttons->addWidget(butAddExt_);
    buttons->addWidget(butExtDel_);
    buttons->addWidget(butExtClear_);
    buttons->addStretch();
    listRow->addLayout(buttons);
    left->addLayout(listRow, 1);
    left->addWidget(wrappedLabel(
        QStringLiteral("Будут скачиваться только указанные расширения, либо все, если список пуст."), page));
    chScan_ = named(new QCheckBox(QStringLiteral("Сканировать вложенные папки (1 уровень)"), page), "ChScan");
    left->addWidget(chScan_);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(wrappedLabel(QStringLiteral("Установить по умолчанию (при добавлении записей)"), page));
    auto* defaults = new QGridLayout;
    defaults->addWidget(new QLabel(QStringLiteral("Автор"), page), 0, 0);
    edAuthor_ = named(new QLineEdit(page), "EdAuthor");
    defaults->addWidget(edAuthor_, 0, 1);
    defaults->addWidget(new QLabel(QStringLiteral("Тема"), page), 1, 0);
    edTopic_ = named(new QLineEdit(page), "EdTopic");
    defaults->addWidget(edTopic_, 1, 1);
    right->addLayout(defaults);

    auto* group = new QGroupBox(QStringLiteral("Групповое добавление файлов"), page);
    auto* options = new QGridLayout(group);
    chImpExt_ = addOption(options, group, QStringLiteral("Если нет автора - расширение файла"), "ChImpExt");
    chImpFolder_ = addOption(options, group, QStringLiteral("Если нет темы - папка"), "ChImpFolder");
    chImpPath_ = addOption(options, group, QStringLiteral("Путь к файлу - в примечание"), "ChImpPath");
    chImpDate_ = addOption(options, group, QStringLiteral("Дата файла - в дату открытия"), "ChImpDate");
    chFb2Desc_ = addOption(options, group, QStringLiteral("Брать название, автора и жанр из описания FB2"),
                           "ChFb2Desc");
    right->addWidget(group);

    auto* progRow = new QHBoxLayout;
    progRow->addWidget(new QLabel(QStringLiteral("Внешняя программа"), page));
    edProg_ = named(new QLineEdit(page), "EdProg");
    progRow->addWidget(edProg_, 1);
    butProg_ = named(new QPushButton(QStringLiteral("..."), page), "ButProg");
    progRow->addWidget(butProg_);
    right->addLayout(progRow);
    auto* arcRow = new QHBoxLayout;
    chArc_ = named(new QCheckBox(page), "ChArc");
    arcRow->addWidget(chArc_);
    arcRow->addWidget(wrappedLabel(
        QStringLiteral("Не сканировать архивы при внешнем запуске (т.е. вызвать внеш.распаковщик)"), page), 1);
    right->addLayout(arcRow);
    right->addStretch();
    columns->addLayout(right, 1);

    connect(butAddExt_, &QPushButton::clicked, this, &FileDefaultsPage::ButAddExtClick);
    connect(butExtDel_, &QPushButton::clicked, this, &FileDefaultsPage::ButExtDelClick);
    connect(lbExt_, &QListWidget::itemDoubleClicked, this, &FileDefaultsPage::ButExtDelClick);
    connect(butExtClear_, &QPushButton::clicked, this, &FileDefaultsPage::ButExtClearClick);
    connect(butProg_, &QPushButton::clicked, this, &FileDefaultsPage::ButProgClick);
    setValues(FileDefaults{});
}

void FileDefaultsPage::setValues(const FileDefaults& v)
{
    lbExt_->clear();
    lbExt_->addItems(v.extMask);
    chScan_->setChecked(v.scan);
    edAuthor_->setText(v.author);
    edTopic_->setText(v.topic);
    chImpExt_->setChecked(v.impExt);
    chImpFolder_->setChecked(v.impFolder);
    chImpPath_->setChecked(v.impPath);
    chImpDate_->setChecked(v.impDate);
    chFb2Desc_->setChecked(v.fb2Description);
    edProg_->setText(v.program);
    chArc_->setChecked(v.arc);
    updateExtButtons();
}

FileDefaults FileDefaultsPage::values() const
{
    FileDefaults v;
    for (int i = 0; i < lbExt_->count(); ++i)
        v.extMask.append(lbExt_->item(i)->text());
    v.scan = chScan_->isChecked();
    v.author = edAuthor_->text();
    v.topic = edTopic_->text();
    v.impExt = chImpExt_->isChecked();
    v.impFolder = chImpFolder_->isChecked();
    v.impPath = chImpPath_->isChecked();
    v.impDate = chImpDate_->isChecked();
    v.fb2Description = chFb2Desc_->isChecked();
    v.program = edProg_->text();
    v.arc = chArc_->isChecked();
    return v;
}

void FileDefaultsPage::ButAddExtClick()
{
    const std::optional<QString> answer = util::interaction().inputText(maskCaption(), maskPrompt(), QString());
    if (!answer || answer->isEmpty())
        return;
    const QString ext = maskExtension(*answer);
    if (ext.isEmpty())
        return; // nothing but dots
    for (int i = 0; i < lbExt_->count(); ++i) {
        if (lbExt_->item(i)->text().compare(ext, Qt::CaseInsensitive) == 0) {
            util::interaction().message(alreadyThere());
            lbExt_->setCurrentRow(i);
            return;
        }
    }
    lbExt_->addItem(ext);
    updateExtButtons();
}

void FileDefaultsPage::ButExtDelClick()
{
    util::removeSelectedEntry(*lbExt_);
    updateExtButtons();
}

void FileDefaultsPage::ButExtClearClick()
{
    lbExt_->clear();
    updateExtButtons();
}

void FileDefaultsPage::ButProgClick()
{
    util::FileDialogRequest request;
    request.mustExist = true;
    const QString path = util::interaction().openFileName(request);
    if (!path.isEmpty())
        edProg_->setText(path);
}

bool FileDefaultsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbExt_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && lbExt_->count() > 0) {
        ButExtDelClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FileDefaultsPage::updateExtButtons()
{
    util::enableWhenNotEmpty(*lbExt_, butExtDel_, butExtClear_);
}

} // namespace folianto::exchange
