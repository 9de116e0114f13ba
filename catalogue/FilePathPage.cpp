#include "catalogue/FilePathPage.h"

#include "util/NamedWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace folianto::catalogue {

namespace {
const QString kReplaceWith = QStringLiteral("чем заменить (или удалить, если нечем):");
} // namespace

FilePathPage::FilePathPage(QWidget* page) : QObject(page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(3);

    auto* rg = util::named(new QGroupBox(page), "RgFiles");
    auto* rgLayout = new QVBoxLayout(rg);
    rgLayout->setContentsMargins(6, 2, 6, 2);
    rgLayout->setSpacing(0);
    rgLeft_ = util::named(new QRadioButton(QStringLiteral("Заменить, подставить, удалить левую часть пути"), rg), "RgFiles0");
    rgWhole_ = util::named(new QRadioButton(QStringLiteral("Заменить, удалить весь путь к файлу"), rg), "RgFiles1");
    rgLayout->addWidget(rgLeft_);
    rgLayout->addWidget(rgWhole_);
    layout->addWidget(rg);

    auto* srcFolder = new QHBoxLayout;
    srcFolder->addWidget(new QLabel(QStringLiteral("Путь к файлу в текущей строке:"), page));
    edPathSrc_ = util::named(new QLineEdit(page), "EdPathSrc");
    srcFolder->addWidget(edPathSrc_, 1);
    layout->addLayout(srcFolder);

    panLeft_ = util::named(new QWidget(page), "PanLeft");
    auto* left = new QVBoxLayout(panLeft_);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(3);
    left->addWidget(new QLabel(QStringLiteral("Вырежьте сюда левую часть пути, которую нужно заменить или удалить"),
                               panLeft_));
    auto* srcRow = new QHBoxLayout;
    edLeftSrc_ = util::named(new QLineEdit(panLeft_), "EdLeftSrc");
    butCutLeft_ = util::named(new QPushButton(QStringLiteral("<----"), panLeft_), "ButCutLeft");
    butCutLeft_->setAutoDefault(false);
    // The button must not take the focus: leaving `EdPathSrc` would drop its selection.
    butCutLeft_->setFocusPolicy(Qt::NoFocus);
    srcRow->addWidget(edLeftSrc_, 1);
    srcRow->addWidget(butCutLeft_);
    left->addLayout(srcRow);
    left->addWidget(new QLabel(kReplaceWith, panLeft_));
    edLeftDst_ = util::named(new QLineEdit(panLeft_), "EdLeftDst");
    left->addWidget(edLeftDst_);
    auto* chRow = new QHBoxLayout;
    chLeft_ = util::named(new QCheckBox(QStringLiteral("Подставить слева в любом случае"), panLeft_), "ChLeft");
    chRow->addWidget(chLeft_);
    chRow->addWidget(new QLabel(QStringLiteral("(если образец не найден, или не указан)"), panLeft_));
    chRow->addStretch();
    left->addLayout(chRow);
    layout->addWidget(panLeft_);

    panDst_ = util::named(new QWidget(page), "PanDst");
    auto* dst = new QVBoxLayout(panDst_);
    dst->setContentsMargins(0, 0, 0, 0);
    dst->addWidget(new QLabel(kReplaceWith, panDst_));
    edPathDst_ = util::named(new QLineEdit(panDst_), "EdPathDst");
    dst->addWidget(edPathDst_);
    layout->addWidget(panDst_);
    layout->addStretch();

    rgWhole_->setChecked(true);
    RgFilesClick();
    connect(rgLeft_, &QRadioButton::toggled, this, [this] { RgFilesClick(); });
    connect(butCutLeft_, &QPushButton::clicked, this, [this] { ButCutLeftClick(); });
}

void FilePathPage::setValues(const PathRewrite& values)
{
    rgWhole_->setChecked(values.whole);
    rgLeft_->setChecked(!values.whole);
    chLeft_->setChecked(values.anyway);
    edLeftSrc_->setText(values.leftSrc);
    edLeftDst_->setText(values.leftDst);
    edPathDst_->setText(values.newDir);
    edPathSrc_->setText(values.oldDir);
    RgFilesClick();
}

PathRewrite FilePathPage::values() const
{
    PathRewrite r;
    r.whole = rgWhole_->isChecked();
    r.anyway = chLeft_->isChecked();
    r.leftSrc = edLeftSrc_->text();
    r.leftDst = edLeftDst_->text();
    r.newDir = edPathDst_->text();
    r.oldDir = edPathSrc_->text();
    return r;
}

void FilePathPage::RgFilesClick()
{
    panLeft_->setVisible(rgLeft_->isChecked());
    panDst_->setVisible(rgWhole_->isChecked());
}

void FilePathPage::ButCutLeftClick()
{
    if (!edPathSrc_->hasSelectedText() || edPathSrc_->selectionStart() != 0)
        return;
    const QString moved = edPathSrc_->selectedText();
    edPathSrc_->del();
    edLeftSrc_->insert(moved);
}

} // namespace folianto::catalogue
