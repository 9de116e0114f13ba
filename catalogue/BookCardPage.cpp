#include "catalogue/BookCardPage.h"

#include "util/NamedWidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace folianto::catalogue {

using util::named;

namespace {

QPlainTextEdit* memo(QWidget* parent, const char* name, int lines)
{
    auto* m = named(new QPlainTextEdit(parent), name);
    m->setTabChangesFocus(true);
    m->setFixedHeight(m->fontMetrics().lineSpacing() * lines + 10);
    return m;
}

QLabel* picture(QWidget* parent, const char* name, QStyle::StandardPixmap icon)
{
    auto* l = named(new QLabel(parent), name);
    l->setPixmap(parent->style()->standardIcon(icon).pixmap(24, 24));
    return l;
}

} // namespace

BookCardPage::BookCardPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CardControls"));
    DBEBook = named(new QLineEdit(this), "DBEBook");
    DBEAuthor = named(new QLineEdit(this), "DBEAuthor");
    CbTop = named(new QComboBox(this), "CbTop");
    CbTop->setEditable(true);
    CbTop->setInsertPolicy(QComboBox::NoInsert);
    ButTopic = named(new QToolButton(this), "ButTopic");
    ButTopic->setText(QStringLiteral("..."));
    ButTopic->setToolTip(QStringLiteral("Обновить список тем"));
    DBMComment = memo(this, "DBMComment", 2);
    DBMComment->installEventFilter(this);
    DBMFile = memo(this, "DBMFile", 2);
    DBMFile->setReadOnly(true);
    ButFile = named(new QToolButton(this), "ButFile");
    ButFile->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ButFile->setToolTip(QStringLiteral("Выбрать (заменить) файл..."));
    ButZip = named(new QToolButton(this), "ButZip");
    ButZip->setIcon(style()->standardIcon(QStyle::SP_DriveFDIcon));
    ButZip->setToolTip(QStringLiteral("Сжать файл..."));
    ButZip->hide();
    CbArc = named(new QComboBox(this), "CbArc");
    CbArc->setToolTip(QStringLiteral("Выбор файла из архива"));
    CbArc->hide();

    RgChar = named(new QGroupBox(QStringLiteral("Декодирование символов"), this), "RgChar");
    RgChar->setToolTip(QStringLiteral("Действует при открытии  текстовых файлов (кроме RTF)"));
    decodingButtons_ = new QButtonGroup(RgChar);
    auto* charRow = new QHBoxLayout(RgChar);
    charRow->setContentsMargins(6, 2, 6, 2);
    int id = 0;
    for (const char* item : {"auto", "DOS", "KOI", "WIN", "UTF"}) {
        auto* b = new QRadioButton(QString::fromLatin1(item), RgChar);
        b->setObjectName(QStringLiteral("RgChar%1").arg(id));
        decodingButtons_->addButton(b, id++);
        charRow->addWidget(b);
    }
    decodingButtons_->button(0)->setChecked(true);

    GrWord = named(new QGroupBox(QStringLiteral("Конвертация Word"), this), "GrWord");
    GrWord->setToolTip(QStringLiteral("Может занимать время..."));
    ChRtf = named(new QCheckBox(QStringLiteral("- > RTF"), GrWord), "ChRtf");
    ChRtf->setProperty("tag", 2);
    ChTxt = named(new QCheckBox(QStringLiteral("- >TXT"), GrWord), "ChTxt");
    ChTxt->setProperty("tag", 1);
    auto* wordRow = new QHBoxLayout(GrWord);
    wordRow->setContentsMargins(6, 2, 6, 2);
    wordRow->addWidget(ChRtf);
    wordRow->addWidget(ChTxt);
    ChAlter = named(new QCheckBox(QStringLiteral("Вызов внешней программы"), this), "ChAlter");
    Prb = named(new QProgressBar(this), "Prb");
    Prb->setRange(0, 100);
    Prb->hide();
    ImText = picture(this, "ImText", QStyle::SP_FileIcon);
    ImWord = picture(this, "ImWord", QStyle::SP_FileDialogContentsView);

    buildLayout();

    // A check changed from code runs its handler as a click would.
    connect(ChAlter, &QCheckBox::toggled, this, [this] { ChAlterClick(); });
    connect(ChRtf, &QCheckBox::toggled, this, [this] { ChRtfClick(ChRtf); });
    connect(ChTxt, &QCheckBox::toggled, this, [this] { ChRtfClick(ChTxt); });
    connect(decodingButtons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            ChRtfClick(RgChar);
    });
}

void BookCardPage::buildLayout()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 2);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(QStringLiteral("Название"), DBEBook), 0, 0);
    grid->addWidget(DBEBook, 0, 1, 1, 4);
    grid->addWidget(label(QStringLiteral("Автор"), DBEAuthor), 1, 0);
    grid->addWidget(DBEAuthor, 1, 1);
    grid->addWidget(label(QStringLiteral("Тема"), CbTop), 1, 2, Qt::AlignRight);
    grid->addWidget(CbTop, 1, 3);
    grid->addWidget(ButTopic, 1, 4);
    grid->addWidget(label(QStringLiteral("Комментарий"), DBMComment), 2, 0, Qt::AlignTop);
    grid->addWidget(DBMComment, 2, 1, 1, 4);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addStretch();
    fileButtons->addWidget(ButZip);
    fileButtons->addWidget(ButFile);
    grid->addLayout(fileButtons, 3, 0, Qt::AlignTop);
    grid->addWidget(DBMFile, 3, 1, 1, 4);
    grid->addWidget(CbArc, 4, 1, 1, 4);

    auto* modes = new QGridLayout;
    modes->setHorizontalSpacing(6);
    modes->addWidget(ImText, 0, 0, 2, 1, Qt::AlignCenter);
    modes->addWidget(RgChar, 0, 1, 2, 1);
    modes->addWidget(ImWord, 0, 2, 2, 1, Qt::AlignCenter);
    modes->addWidget(GrWord, 0, 3);
    modes->addWidget(ChAlter, 1, 3);
    modes->setColumnStretch(4, 1);
    grid->addLayout(modes, 5, 0, 1, 5);
    grid->addWidget(Prb, 6, 0, 1, 5);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    grid->setRowStretch(7, 1);
}

int BookCardPage::decoding() const
{
    return std::max(decodingButtons_->checkedId(), 0);
}

void BookCardPage::setDecoding(int item)
{
    if (QAbstractButton* b = decodingButtons_->button(item))
        b->setChecked(true);
}

QWidget* BookCardPage::decodingItem(int item) const
{
    return decodingButtons_->button(item);
}

void BookCardPage::setTopicList(const std::optional<QStringList>& topics)
{
    const QString text = topicText();
    CbTop->clear();
    topicDropDown_ = topics.has_value();
    if (topics)
        CbTop->addItems(*topics);
    // The plain form has no list to drop down.
    static const QString plain = QStringLiteral("QComboBox { padding-right: 2px; }"
                                                " QComboBox::drop-down { width: 0px; border: none; }"
                                                " QComboBox::down-arrow { image: none; width: 0px; }");
    CbTop->setStyleSheet(topicDropDown_ ? QString() : plain);
    setTopicText(text);
}

QString BookCardPage::topicText() const
{
    return CbTop->currentText();
}

void BookCardPage::setTopicText(const QString& text)
{
    CbTop->setEditText(text);
}

void BookCardPage::setLinkText(const QString& text)
{
    if (DBMFile->toPlainText() != text)
        DBMFile->setPlainText(text);
}

void BookCardPage::setFileFound(bool found)
{
    fileFound_ = found;
    QPalette p = DBMFile->palette();
    p.setColor(QPalette::Text, found ? palette().color(QPalette::Text) : QColor(Qt::red));
    DBMFile->setPalette(p);
}

void BookCardPage::ChAlterClick()
{
    if (ChAlter->isChecked()) {
        ChRtf->setChecked(false);
        ChTxt->setChecked(false);
    }
    const bool free = !ChAlter->isChecked();
    RgChar->setEnabled(free);
    ChRtf->setEnabled(free);
    ChTxt->setEnabled(free);
}

void BookCardPage::ChRtfClick(QObject* sender)
{
    // The external program's box keeps its check while it has the focus, so that its own
    // unchecking of the Word boxes does not undo it.
    if (window()->focusWidget() != ChAlter)
        ChAlter->setChecked(false);
    if (sender == ChTxt) {
        if (ChTxt->isChecked())
            ChRtf->setChecked(false);
    } else if (ChRtf->isChecked()) {
        ChTxt->setChecked(false);
    }
}

bool BookCardPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DBMComment && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT commentEnterPressed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace folianto::catalogue
