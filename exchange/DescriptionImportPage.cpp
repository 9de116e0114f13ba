#include "exchange/DescriptionImportPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace folianto::exchange {

namespace {

QString indexedName(const char* stem, int n)
{
    return QString::fromLatin1(stem) + QString::number(n);
}

QComboBox* targetBox(QWidget* parent, int n, bool withEmpty)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(indexedName("Cb", n));
    if (withEmpty)
        box->addItem(QString());
    for (FieldTarget t : {FieldTarget::Book, FieldTarget::Author, FieldTarget::Comment})
        box->addItem(targetName(t));
    return box;
}

FieldTarget targetOf(const QComboBox* box)
{
    return box->currentIndex() < 0 ? FieldTarget::None
                                   : targetFromName(box->currentText()).value_or(FieldTarget::None);
}

QLineEdit* edit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

} // namespace

QString DescriptionImportPage::caption() { return QStringLiteral("Импорт из файла описаний"); }

DescriptionImportPage::DescriptionImportPage(QWidget* page) : QObject(page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 4);
    mbbs_ = new QPlainTextEdit(page);
    mbbs_->setObjectName(QStringLiteral("MBBS"));
    mbbs_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(mbbs_, 1);

    auto* fields = new QGridLayout;
    const char* edNames[] = {"EdFirst", "EdSecond", "EdThird"};
    const QString hints[] = {QStringLiteral("<- символы окончания 1-го поля BBS"),
                             QStringLiteral("<- символы окончания 2-го поля BBS"),
                             QStringLiteral("<- конец 3-го поля BBS")};
    for (int i = 0; i < 4; ++i) {
        cb_[size_t(i)] = targetBox(page, i + 1, i == 0);
        fields->addWidget(cb_[size_t(i)], 0, i * 2);
        if (i == 3)
            break;
        ed_[size_t(i)] = edit(page, edNames[i]);
        ed_[size_t(i)]->setMaximumWidth(60);
        fields->addWidget(ed_[size_t(i)], 0, i * 2 + 1);
        hint_[size_t(i)] = new QLabel(hints[i], page);
        hint_[size_t(i)]->setObjectName(indexedName("LabHint", i + 1));
        fields->addWidget(hint_[size_t(i)], 1, i * 2 + 1, 1, 2);
        connect(ed_[size_t(i)], &QLineEdit::textChanged, this, &DescriptionImportPage::EdFirstChange);
    }
    ed_[0]->setToolTip(QStringLiteral("'t' - табулятор"));
    cb_[1]->setCurrentIndex(1); // "Автор"
    cb_[2]->setCurrentIndex(0); // "Книга"
    cb_[3]->setCurrentIndex(-1);
    layout->addLayout(fields);

    auto* bottom = new QHBoxLayout;
    auto* rg = new QGroupBox(QStringLiteral("Записывать в файловое BON-поле:"), page);
    rg->setObjectName(QStringLiteral("RgFile"));
    auto* rgLayout = new QVBoxLayout(rg);
    const QString choices[] = {QStringLiteral("Полный путь файла (проверять наличие)"),
                               QStringLiteral("Только имя файла  (проверять наличие)"),
                               QStringLiteral("Первое BBS-поле (без проверки на диске)")};
    for (int i = 0; i < 3; ++i) {
        rg_[size_t(i)] = new QRadioButton(choices[i], rg);
        rg_[size_t(i)]->setObjectName(indexedName("RgFile", i));
        rgLayout->addWidget(rg_[size_t(i)]);
    }
    rg_[0]->setChecked(true);
    bottom->addWidget(rg);

    auto* lines = new QGroupBox(QStringLiteral("Строки"), page);
    auto* linesLayout = new QGridLayout(lines);
    linesLayout->addWidget(new QLabel(QStringLiteral("Пропустить начинающиеся с:"), lines), 0, 0);
    edSkip1_ = edit(lines, "EdSkip1");
    linesLayout->addWidget(edSkip1_, 0, 1);
    linesLayout->addWidget(new QLabel(QStringLiteral("или с:"), lines), 0, 2);
    edSkip2_ = edit(lines, "EdSkip2");
    linesLayout->addWidget(edSkip2_, 0, 3);
    linesLayout->addWidget(new QLabel(QStringLiteral("Считать продолжением предыдущей, если начинается с:"), lines),
                           1, 0, 1, 3);
    edMerge_ = edit(lines, "EdMerge");
    linesLayout->addWidget(edMerge_, 1, 3);
    bottom->addWidget(lines, 1);
    layout->addLayout(bottom);

    EdFirstChange();
}

void DescriptionImportPage::setText(const QString& text)
{
    mbbs_->setPlainText(text.left(previewLimit));
}

void DescriptionImportPage::EdFirstChange()
{
    const bool s1 = !ed_[0]->text().isEmpty();
    const bool s2 = !ed_[1]->text().isEmpty();
    const bool s3 = !ed_[2]->text().isEmpty();
    cb_[1]->setVisible(s1);
    ed_[1]->setVisible(s1);
    cb_[2]->setVisible(s1 && s2);
    ed_[2]->setVisible(s1 && s2);
    cb_[3]->setVisible(s1 && s2 && s3);
    hint_[0]->setVisible(cb_[1]->isHidden());
    hint_[1]->setVisible(cb_[2]->isHidden() && !ed_[1]->isHidden());
    hint_[2]->setVisible(cb_[3]->isHidden() && !ed_[2]->isHidden());
}

DescriptionSettings DescriptionImportPage::settings() const
{
    DescriptionSettings s;
    for (size_t i = 0; i < 4; ++i)
        s.targets[i] = targetOf(cb_[i]);
    for (size_t i = 0; i < 3; ++i)
        s.separators[i] = ed_[i]->text();
    s.link = rg_[1]->isChecked() ? LinkChoice::NameOnly
           : rg_[2]->isChecked() ? LinkChoice::Field
                                 : LinkChoice::FullPath;
    s.skip1 = edSkip1_->text();
    s.skip2 = edSkip2_->text();
    s.merge = edMerge_->text();
    return s;
}

} // namespace folianto::exchange
