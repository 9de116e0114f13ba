#include "app/TFormCommon.h"

#include "util/Interaction.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace folianto::app {

TFormCommon::TFormCommon(QWidget* parent) : QDialog(parent), edPas_(new QLineEdit(this))
{
    setFixedSize(clientSize());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edPas_);
    edPas_->setObjectName(QStringLiteral("EdPas"));
    edPas_->setMaxLength(kPasswordLength);
    edPas_->setEchoMode(QLineEdit::Password);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    edPas_->setFont(mono);
    edPas_->hide();
    // Escape already rejects a dialog; Enter in the edit accepts it, there being no button.
    connect(edPas_, &QLineEdit::returnPressed, this, &QDialog::accept);
}

void TFormCommon::showPasswordMode(const QString& password)
{
    setWindowTitle(QStringLiteral("X-Files"));
    edPas_->setText(password.left(kPasswordLength));
    edPas_->show();
    edPas_->setFocus();
}

std::optional<QString> TFormCommon::askPassword(QWidget* parent, const QString& current)
{
    TFormCommon form(parent);
    form.showPasswordMode(current);
    if (util::interaction().runDialog(form) != QDialog::Accepted)
        return std::nullopt;
    return form.edPas_->text();
}

} // namespace folianto::app
