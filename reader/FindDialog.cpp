#include "reader/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace folianto::reader {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this)), wholeWord_(new QCheckBox(QStringLiteral("Только слово &целиком"), this)),
      matchCase_(new QCheckBox(QStringLiteral("С учетом &регистра"), this)),
      direction_(new QGroupBox(QStringLiteral("Направление"), this)), up_(new QRadioButton(QStringLiteral("&Вверх"), direction_)),
      down_(new QRadioButton(QStringLiteral("В&низ"), direction_)), next_(new QPushButton(QStringLiteral("&Найти далее"), this))
{
    setObjectName(QStringLiteral("FindDlg"));
    setWindowTitle(QStringLiteral("Найти"));
    setModal(false);
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    auto* label = new QLabel(QStringLiteral("&Что:"), this);
    label->setBuddy(edit_);
    down_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction_);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);

    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(edit_, 0, 1, 1, 2);
    grid->addWidget(wholeWord_, 1, 0, 1, 2);
    grid->addWidget(matchCase_, 2, 0, 1, 2);
    grid->addWidget(direction_, 1, 2, 2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(next_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    next_->setDefault(true);
    next_->setEnabled(false);
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) { next_->setEnabled(!text.isEmpty()); });
    connect(next_, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

FindRequest FindDialog::request() const
{
    return {edit_->text(), wholeWord_->isChecked(), matchCase_->isChecked(), !up_->isChecked()};
}

void FindDialog::setFindText(const QString& text)
{
    edit_->setText(text);
    edit_->selectAll();
}

void FindDialog::setDirectionShown(bool shown)
{
    direction_->setVisible(shown);
}

bool FindDialog::directionShown() const
{
    return !direction_->isHidden();
}

} // namespace folianto::reader
