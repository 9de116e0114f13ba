#include "app/PropertiesPanel.h"

#include "catalogue/BookCardRowCommands.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "util/Interaction.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QKeyEvent>
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
    connectEdits();
    refresh();
}

PropertiesPanel::~PropertiesPanel()
{
    bind(nullptr);
}

void PropertiesPanel::bind(catalogue::Catalogue* catalogue)
{
    if (catalogue == catalogue_)
        return;
    if (catalogue_)
        catalogue_->Ds().removeListener(this);
    catalogue_ = catalogue;
    if (catalogue_)
        catalogue_->Ds().addListener(this);
    for (const auto& [edit, name] : typedLines_)
        edit->setReadOnly(!catalogue_);
    for (const auto& [memo, name] : memos_)
        memo->setReadOnly(!catalogue_);
    refresh();
}

bool PropertiesPanel::hasRow() const
{
    if (!catalogue_ || !catalogue_->isOpen())
        return false;
    const table::Dataset& ds = catalogue_->Ds();
    return ds.hasCurrentRow() || ds.isEditing();
}

void PropertiesPanel::connectEdits()
{
    namespace field = catalogue::field;
    typedLines_ = {{DBEBookName, field::BookName}, {DBEAuthor, field::Author}, {DBETopic, field::Topic},
                   {DBEPercent, field::Percent},   {DBESize, field::Size}};
    memos_ = {{DBMFileName, field::FileName}, {DBMComment, field::Comment}};
    for (const auto& line : typedLines_)
        connect(line.first, &QLineEdit::textEdited, this,
                [this, name = line.second](const QString& text) { writeField(name, text); });
    for (const auto& m : memos_) {
        connect(m.first, &QPlainTextEdit::textChanged, this, [this, memo = m.first, name = m.second] {
            if (!showing_)
                writeField(name, memo->toPlainText());
        });
    }
    // Text fields take no more than they can hold; numbers only digits within their range.
    for (const auto& [edit, name] : typedLines_) {
        const catalogue::CatalogueField* f = catalogue::catalogueField(name);
        if (f && f->def.type == table::FieldType::String)
            edit->setMaxLength(f->def.size);
    }
    DBEPercent->setValidator(new QIntValidator(0, 32767, DBEPercent));
    DBESize->setValidator(new QIntValidator(0, 2147483647, DBESize));
    connect(ButFirst, &QToolButton::clicked, this, [this] { Q_EMIT readingDateRequested(1); });
    connect(ButLast, &QToolButton::clicked, this, [this] { Q_EMIT readingDateRequested(2); });
    DBEFirst->installEventFilter(this);
    DBELast->installEventFilter(this);
}

bool PropertiesPanel::eventFilter(QObject* watched, QEvent* event)
{
    const int tag = watched == DBEFirst ? 1 : watched == DBELast ? 2 : 0;
    if (tag == 0)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease) {
        Q_EMIT readingDateRequested(tag);
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT readingDateRequested(tag);
            return true; // consumed
        }
    }
    return false;
}

// The nine edits show the current row, or the row being edited; empty without one.
void PropertiesPanel::refresh()
{
    namespace field = catalogue::field;
    const bool row = hasRow();
    auto text = [&](const QString& name) { return row ? catalogue_->Ds().asString(name) : QString(); };
    showing_ = true;
    auto show = [&](QLineEdit* edit, const QString& name) {
        const QString value = text(name);
        if (edit->text() != value)
            edit->setText(value);
    };
    for (const auto& [edit, name] : typedLines_)
        show(edit, name);
    show(DBEFirst, field::First);
    show(DBELast, field::Last);
    for (const auto& [memo, name] : memos_) {
        const QString value = text(name);
        if (memo->toPlainText() != value)
            memo->setPlainText(value);
    }
    showing_ = false;
}

// Typing goes into the current row, which is put into editing first (a new row when the view
// has none). A value the field cannot take leaves the row as it was.
void PropertiesPanel::writeField(const QString& field, const QString& text)
{
    if (!catalogue_ || !catalogue_->isOpen())
        return;
    table::Dataset& ds = catalogue_->Ds();
    try {
        if (!ds.isEditing()) {
            if (ds.hasCurrentRow())
                ds.edit();
            else
                ds.append();
        }
        ds.setValue(field, text);
    } catch (const std::exception& e) {
        Q_EMIT navigationFailed(QString::fromUtf8(e.what()));
        refresh();
    }
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

// A row move first finishes the pending edit: typing is posted, a new row nobody filled in is
// dropped. Post does the same; Cancel drops the edit; Delete drops a new row or, asked first,
// deletes the current one.
void PropertiesPanel::navigate(NavButton b)
{
    if (!catalogue_ || !catalogue_->isOpen())
        return;
    table::Dataset& ds = catalogue_->Ds();
    try {
        switch (b) {
        case NavButton::First: catalogue_->finishPendingEdit(); ds.first(); break;
        case NavButton::Prior: catalogue_->finishPendingEdit(); ds.prior(); break;
        case NavButton::Next: catalogue_->finishPendingEdit(); ds.next(); break;
        case NavButton::Last: catalogue_->finishPendingEdit(); ds.last(); break;
        case NavButton::Insert:
            catalogue_->finishPendingEdit();
            DBEBookName->setFocus(); // the title is typed first
            ds.insert();
            break;
        case NavButton::Delete:
            if (ds.state() == table::DatasetState::Insert)
                ds.cancel();
            else if (ds.hasCurrentRow() && util::interaction().confirm(catalogue::deleteRowQuestion()))
                ds.remove();
            break;
        case NavButton::Post:
            if (catalogue_->pendingInsertUntouched())
                ds.cancel();
            else
                ds.post();
            break;
        case NavButton::Cancel: ds.cancel(); break;
        }
    } catch (const std::exception& e) {
        Q_EMIT navigationFailed(QString::fromUtf8(e.what()));
    }
    refresh();
}

} // namespace folianto::app
