#include "app/alarm/AlarmPage.h"

#include "app/alarm/UpDown.h"
#include "util/Interaction.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace folianto::app {

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* page, Qt::Alignment align = Qt::AlignLeft)
{
    auto* label = new QLabel(text, page);
    label->setWordWrap(true);
    label->setAlignment(align);
    return label;
}

} // namespace

QString AlarmPage::caption() { return QStringLiteral("Будильник"); }
QString AlarmPage::fileDialogCaption() { return QStringLiteral("Файл будильника"); }
QString AlarmPage::fileDialogFilter() { return QStringLiteral("WAV files (*.wav);;All files (*)"); }

QLineEdit* AlarmPage::timeEdit(QWidget* page, const char* name, int limit)
{
    auto* edit = new QLineEdit(QStringLiteral("0"), page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(2);
    edit->setProperty("tag", limit);
    QFont big(QStringLiteral("Arial"), 16, QFont::Bold);
    edit->setFont(big);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 8);
    edit->installEventFilter(this);
    return edit;
}

AlarmPage::AlarmPage(QWidget* page) : QObject(page), page_(page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 6, 10, 4);
    layout->setSpacing(4);
    layout->addWidget(wrappedLabel(
        QStringLiteral("Если вы боитесь за чтением книги упустить что-то важное, установите будильник на "
                       "определённое время. Это оторвёт вас от чтения... Или, наоборот, призовёт Вас к нему "
                       "снова, если Вы пока занимаетесь чем-то другим."),
        page));
    auto* heading = wrappedLabel(QStringLiteral("Установка будильника:"), page, Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    edH_ = timeEdit(page, "EdH", 23);
    edM_ = timeEdit(page, "EdM", 59);
    udH_ = new UpDown(*edH_, 0, 23, page);
    udH_->setObjectName(QStringLiteral("UdH"));
    udM_ = new UpDown(*edM_, 0, 59, page);
    udM_->setObjectName(QStringLiteral("UdM"));
    auto* time = new QHBoxLayout;
    time->addStretch();
    time->addWidget(new QLabel(QStringLiteral("Час"), page));
    time->addWidget(edH_);
    time->addWidget(udH_);
    time->addSpacing(24);
    time->addWidget(new QLabel(QStringLiteral("Мин"), page));
    time->addWidget(edM_);
    time->addWidget(udM_);
    time->addStretch();
    layout->addLayout(time);

    edAlarm_ = new QLineEdit(page);
    edAlarm_->setObjectName(QStringLiteral("EdAlarm"));
    butAlarm_ = new QPushButton(page->style()->standardIcon(QStyle::SP_DirOpenIcon), QString(), page);
    butAlarm_->setObjectName(QStringLiteral("ButAlarm"));
    butAlarm_->setToolTip(QStringLiteral("Выбрать файл..."));
    auto* file = new QHBoxLayout;
    file->addWidget(edAlarm_, 1);
    file->addWidget(butAlarm_);
    layout->addLayout(file);
    layout->addWidget(wrappedLabel(
        QStringLiteral("\"Звуковой\" файл заиграет, \"немой\" - запустится, отсутствующий - многократно просигналит"),
        page));
    layout->addWidget(wrappedLabel(QStringLiteral("Напомни мне, чтоб я тебе напомнил!!!"), page, Qt::AlignCenter));
    layout->addStretch();
    connect(butAlarm_, &QPushButton::clicked, this, [this] { ButAlarmClick(); });
}

void AlarmPage::setValues(const AlarmSetting& values)
{
    udH_->setPosition(values.hour);
    udM_->setPosition(values.minute);
    edAlarm_->setText(values.file);
}

AlarmSetting AlarmPage::values() const
{
    return {udH_->position(), udM_->position(), edAlarm_->text()};
}

bool AlarmPage::EdHKeyPress(const QKeyEvent& key)
{
    const QString text = key.text();
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return c.unicode() >= 32 && !(c >= u'0' && c <= u'9');
}

void AlarmPage::EdHKeyUp(QLineEdit& edit)
{
    bool number = false;
    int typed = edit.text().trimmed().toInt(&number);
    if (!number)
        typed = 0;
    if (typed > edit.property("tag").toInt())
        edit.setText(QStringLiteral("0"));
}

bool AlarmPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && (edit == edH_ || edit == edM_)) {
        if (event->type() == QEvent::KeyPress && EdHKeyPress(static_cast<QKeyEvent&>(*event)))
            return true;
        if (event->type() == QEvent::KeyRelease)
            EdHKeyUp(*edit);
    }
    return QObject::eventFilter(watched, event);
}

void AlarmPage::ButAlarmClick()
{
    page_->repaint();
    util::FileDialogRequest request;
    request.caption = fileDialogCaption();
    request.filter = fileDialogFilter();
    const QString chosen = util::interaction().openFileName(request);
    if (!chosen.isEmpty())
        edAlarm_->setText(chosen);
}

} // namespace folianto::app
