#include "app/PropertiesPanel.h"

#include "engines/table/Dataset.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace folianto::app {

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, bool readOnly = false)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(readOnly);
    return e;
}

QPlainTextEdit* memo(QWidget* parent, const char* name)
{
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setFixedHeight(m->fontMetrics().lineSpacing() * 2 + 12);
    return m;
}

QToolButton* dateButton(QWidget* parent, const char* name)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(QStringLiteral("..."));
    return b;
}

} // namespace

PropertiesPanel::PropertiesPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanGrid"));
    DBEBookName = lineEdit(this, "DBEBookName");
    DBEAuthor = lineEdit(this, "DBEAuthor");
    DBETopic = lineEdit(this, "DBETopic");
    DBEPercent = lineEdit(this, "DBEPercent");
    DBESize = lineEdit(this, "DBESize");
    DBEFirst = lineEdit(this, "DBEFirst", true);
    DBELast = lineEdit(this, "DBELast", true);
    ButFirst = dateButton(this, "ButFirst");
    ButLast = dateButton(this, "ButLast");
    DBMFileName = memo(this, "DBMFileName");
    DBMComment = memo(this, "DBMComment");
    const int narrow = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10;
    for (QLineEdit* e : {DBEPercent, DBESize, DBEFirst, DBELast})
        e->setMaximumWidth(narrow);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(2);
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    grid->addWidget(label(QStringLiteral("Книга")), 0, 0);
    grid->addWidget(DBEBookName, 0, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Автор")), 0, 4);
    grid->addWidget(DBEAuthor, 0, 5, 1, 3);
    grid->addWidget(label(QStringLiteral("Тема")), 1, 0);
    grid->addWidget(DBETopic, 1, 1);
    grid->addWidget(label(QStringLiteral("%")), 1, 2);
    grid->addWidget(DBEPercent, 1, 3);
    grid->addWidget(label(QStringLiteral("=")), 1, 4);
    grid->addWidget(DBESize, 1, 5);
    auto* dates = new QHBoxLayout;
    dates->addWidget(DBEFirst);
    dates->addWidget(ButFirst);
    dates->addWidget(DBELast);
    dates->addWidget(ButLast);
    grid->addLayout(dates, 1, 6, 1, 2);
    grid->addWidget(label(QStringLiteral("Прим.")), 2, 0);
    grid->addWidget(DBMComment, 2, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("Файл")), 2, 4);
    grid->addWidget(DBMFileName, 2, 5, 1, 3);
    auto* nav = new QHBoxLayout;
    buildNavigator(nav);
    nav->addStretch();
    grid->addLayout(nav, 3, 0, 1, 8);
}

void PropertiesPanel::buildNavigator(QHBoxLayout* row)
{
    struct Spec {
        NavButton button;
        QStyle::StandardPixmap icon;
        const char* hint;
    };
    static const Spec specs[] = {
        {NavButton::First, QStyle::SP_MediaSkipBackward, "Первая запись"},
        {NavButton::Prior, QStyle::SP_MediaSeekBackward, "Предыдущая запись"},
        {NavButton::Next, QStyle::SP_MediaSeekForward, "Следующая запись"},
        {NavButton::Last, QStyle::SP_MediaSkipForward, "Последняя запись"},
        {NavButton::Insert, QStyle::SP_FileDialogNewFolder, "Вставить запись"},
        {NavButton::Delete, QStyle::SP_TrashIcon, "Удалить запись"},
        {NavButton::Post, QStyle::SP_DialogApplyButton, "Сохранить изменения"},
        {NavButton::Cancel, QStyle::SP_DialogCancelButton, "Отменить изменения"},
    };
    for (const Spec& s : specs) {
        auto* b = new QToolButton(this);
        b->setIcon(style()->standardIcon(s.icon));
        b->setToolTip(QString::fromUtf8(s.hint));
        b->setAutoRaise(true);
        const NavButton which = s.button;
        connect(b, &QToolButton::clicked, this, [this, which] { navigate(which); });
        row->addWidget(b);
        navButtons_.append(b);
    }
}

QToolButton* PropertiesPanel::navigatorButton(NavButton b) const
{
    return navButtons_.value(int(b));
}

void PropertiesPanel::navigate(NavButton b)
{
    if (!ds_ || !ds_->isActive())
        return;
    try {
        switch (b) {
        case NavButton::First: ds_->first(); break;
        case NavButton::Prior: ds_->prior(); break;
        case NavButton::Next: ds_->next(); break;
        case NavButton::Last: ds_->last(); break;
        case NavButton::Insert:
            DBEBookName->setFocus(); // the title is typed first
            ds_->insert();
            break;
        case NavButton::Delete: ds_->remove(); break;
        case NavButton::Post: ds_->post(); break;
        case NavButton::Cancel: ds_->cancel(); break;
        }
    } catch (const std::exception& e) {
        Q_EMIT navigationFailed(QString::fromUtf8(e.what()));
    }
}

} // namespace folianto::app
