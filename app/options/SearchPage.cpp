#include "app/options/SearchPage.h"

#include "util/Interaction.h"
#include "util/Paths.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace folianto::app {

namespace {

QLabel* addLabel(QVBoxLayout* layout, QWidget* page, const QString& text, const char* name)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

} // namespace

QString SearchPage::caption() { return QStringLiteral("Условия поиска файла"); }
QString SearchPage::browserTitle() { return QStringLiteral("Выбор пути для поиска: "); }

SearchPage::SearchPage(QWidget* page) : QObject(page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(3);
    addLabel(layout, page, QStringLiteral("Алгоритм поиска файла:"), "LabAlgorithm")->setAlignment(Qt::AlignCenter);
    addLabel(layout, page,
             QStringLiteral("1  Сначала для поиска используется путь к файлу, указанный в базе данных (в каталоге);"),
             "LabStep1");
    addLabel(layout, page,
             QStringLiteral("    Если файл не найден то для поиска используется путь подстановки (при его наличии). "
                            "Успешное выполнение любого шага прекращает дальнейший поиск."),
             "LabSubst");

    auto* row = new QHBoxLayout;
    st_ = new QLabel(page);
    st_->setObjectName(QStringLiteral("St"));
    st_->setToolTip(QStringLiteral("Путь подстановки"));
    st_->setFrameShape(QFrame::Panel);
    st_->setFrameShadow(QFrame::Sunken);
    st_->setMinimumHeight(22);
    st_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    butPath_ = new QPushButton(page->style()->standardIcon(QStyle::SP_DirOpenIcon), QString(), page);
    butPath_->setObjectName(QStringLiteral("ButPath"));
    butPath_->setToolTip(QStringLiteral("Изменить путь подстановки..."));
    butDelSubst_ = new QPushButton(page->style()->standardIcon(QStyle::SP_DialogDiscardButton), QString(), page);
    butDelSubst_->setObjectName(QStringLiteral("ButDelSubst"));
    butDelSubst_->setToolTip(QStringLiteral("Удалить путь подстановки"));
    row->addWidget(st_, 1);
    row->addWidget(butPath_);
    row->addWidget(butDelSubst_);
    layout->addLayout(row);

    addLabel(layout, page,
             QStringLiteral("2  Из пути подстановки берётся только устройство (drive) и подставляется взамен "
                            "устройства из базы данных. Остальная часть пути к файлу не изменяется."),
             "LabStep2");
    addLabel(layout, page,
             QStringLiteral("3  Весь путь подстановки вместе с устройством подставляется слева к указанному в базе;"),
             "LabStep3");
    addLabel(layout, page, QStringLiteral("4  Поиск только в директории, указанной в качестве подстановки;"),
             "LabStep4");
    chSubDirs_ = new QCheckBox(
        QStringLiteral("5  По желанию - поиск от указанной директории и далее - вглубь по всему диску."), page);
    chSubDirs_->setObjectName(QStringLiteral("ChSubDirs"));
    layout->addWidget(chSubDirs_);
    chWrite_ = new QCheckBox(
        QStringLiteral("В случае успеха найденный путь может быть записан в базу взамен прежнего"), page);
    chWrite_->setObjectName(QStringLiteral("ChWrite"));
    chWrite_->setToolTip(QStringLiteral("Записать в каталог новую ссылку, если найден файл"));
    layout->addWidget(chWrite_);
    layout->addStretch();

    connect(butPath_, &QPushButton::clicked, this, [this] { ButPathClick(); });
    connect(butDelSubst_, &QPushButton::clicked, this, [this] { ButDelSubstClick(); });
}

void SearchPage::setValues(const SearchConditions& values)
{
    st_->setText(values.substPath);
    chSubDirs_->setChecked(values.subDirs);
    chWrite_->setChecked(values.writeFound);
}

SearchConditions SearchPage::values() const
{
    return {st_->text(), chSubDirs_->isChecked(), chWrite_->isChecked()};
}

void SearchPage::ButPathClick()
{
    const QString current = st_->text();
    if (!current.isEmpty())
        QDir::setCurrent(util::nativeSeparators(current)); // a folder that is gone is no error
    const QString chosen = util::interaction().folderName(browserTitle(), QDir::currentPath());
    if (!chosen.isEmpty())
        st_->setText(util::withTrailingSeparator(util::nativeSeparators(chosen)));
}

void SearchPage::ButDelSubstClick()
{
    st_->clear();
}

} // namespace folianto::app
