#include "app/TFormCommon.h"

#include "app/ProgramIcon.h"
#include "app/TFormBook.h"
#include "util/Interaction.h"
#include "util/Urllabel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

#include <QLineEdit>
#include <QVBoxLayout>

namespace folianto::app {

TFormCommon::TFormCommon(QWidget* parent)
    : QDialog(parent), edPas_(new QLineEdit(this)), image1_(new QLabel(this)), panName_(new QLabel(this))
{
    setObjectName(QStringLiteral("FormCommon"));
    setFixedSize(clientSize());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAlignment(Qt::AlignCenter);
    image1_->setFixedWidth(48);
    image1_->hide();
    panName_->setObjectName(QStringLiteral("PanName"));
    panName_->setAlignment(Qt::AlignCenter);
    panName_->setFrameShape(QFrame::Panel);
    panName_->setFrameShadow(QFrame::Raised);
    panName_->hide();
    layout->addWidget(image1_);
    layout->addWidget(panName_, 1);
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

void TFormCommon::showAboutMode()
{
    setWindowTitle(QStringLiteral("About..."));
    image1_->setPixmap(programIcon().pixmap(32, 32));
    image1_->show();
    panName_->setText(TFormBook::applicationTitle());
    QFont title(QStringLiteral("Times New Roman"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(21);
    title.setBold(true);
    panName_->setFont(title);
    QPalette navy = panName_->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    panName_->setPalette(navy);
    panName_->show();
    // The title keeps its size; the box widens when the desktop's fonts need more room.
    const int needed = image1_->width() + QFontMetrics(title).horizontalAdvance(panName_->text()) + 28;
    setFixedSize(std::max(clientSize().width(), needed), clientSize().height());
    // The links lie over the panel, one at its top and one at its bottom.
    auto* links = new QVBoxLayout(panName_);
    links->setContentsMargins(2, 0, 2, 0);
    for (const auto& [address, name] : {std::pair{mailAddress(), "LabMail"}, std::pair{webAddress(), "LabWeb"}}) {
        auto* label = new util::TUrllabel(address, panName_);
        label->setObjectName(QString::fromLatin1(name));
        QFont small = QApplication::font();
        small.setPointSize(7);
        label->setFont(small);
        label->setAlignment(Qt::AlignCenter);
        links->addWidget(label);
        if (links->count() == 1)
            links->addStretch();
    }
}

void TFormCommon::showAbout(QWidget* parent)
{
    TFormCommon form(parent);
    form.showAboutMode();
    util::interaction().runDialog(form);
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
