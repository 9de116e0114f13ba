#include "app/options/PartPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <limits>
#include <stdexcept>

namespace folianto::app {

QString PartPage::caption() { return QStringLiteral("Размер части считывания"); }
QString PartPage::overflowMessage() { return QStringLiteral("Целочисленное переполнение"); }

PartPage::PartPage(QWidget* page) : QObject(page), edPart_(new QLineEdit(page))
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 12, 16, 8);
    auto* heading = new QLabel(QStringLiteral("Чтение книги по частям:"), page);
    heading->setObjectName(QStringLiteral("LabPartHeading"));
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    auto* text = new QLabel(QStringLiteral("Если размер книги велик, то в зависимости от мощности компьютера можно "
                                           "регулировать величину считываемой части книги ( в тысячах символов ). "
                                           "При этом скорость загрузки будет выше. "),
                            page);
    text->setObjectName(QStringLiteral("LabPartText"));
    text->setWordWrap(true);
    layout->addWidget(text);
    edPart_->setObjectName(QStringLiteral("EdPart"));
    edPart_->setMaximumWidth(120);
    layout->addWidget(edPart_, 0, Qt::AlignHCenter);
    layout->addStretch();
}

void PartPage::setValues(qint32 partSize)
{
    edPart_->setText(QString::number(partSize / 1000));
}

qint32 PartPage::values() const
{
    return partSizeOf(edPart_->text());
}

qint32 PartPage::partSizeOf(const QString& thousands)
{
    const QString text = thousands.trimmed();
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    if (!integer.match(text).hasMatch())
        return 0;
    bool fits = false;
    const qint64 typed = text.toInt(&fits);
    const qint64 size = typed * 1000;
    if (!fits || size > std::numeric_limits<qint32>::max() || size < std::numeric_limits<qint32>::min())
        throw std::overflow_error(overflowMessage().toStdString());
    return qint32(size);
}

} // namespace folianto::app
