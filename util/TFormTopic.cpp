#include "util/TFormTopic.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <stdexcept>

namespace folianto::util {

namespace {
TFormTopic* gFormTopic = nullptr;
}

QString TFormTopic::initialCaption() { return QStringLiteral("Книга"); }

TFormTopic::TFormTopic(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("FormTopic"));
    setWindowTitle(initialCaption());
    setModal(true);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl"));
    pages_->tabBar()->hide();
    pages_->setDocumentMode(true);

    panOk_ = new QWidget(this);
    panOk_->setObjectName(QStringLiteral("PanOk"));
    ok_ = new QPushButton(QStringLiteral("OK"), panOk_);
    ok_->setObjectName(QStringLiteral("BitBtnOk"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Отмена"), panOk_);
    cancel_->setObjectName(QStringLiteral("BtCancel"));
    auto* buttons = new QHBoxLayout(panOk_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    connect(ok_, &QPushButton::clicked, this, &TFormTopic::accept);
    connect(cancel_, &QPushButton::clicked, this, &TFormTopic::reject); // Escape too, by QDialog

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_, 1);
    layout->addWidget(panOk_);
    setFixedSize(clientSize());
    gFormTopic = this;
}

TFormTopic::~TFormTopic()
{
    if (gFormTopic == this)
        gFormTopic = nullptr;
}

TFormTopic* TFormTopic::current() { return gFormTopic; }

QWidget* TFormTopic::addPage(const QString& name)
{
    auto* p = new QWidget(pages_);
    p->setObjectName(name);
    pages_->addTab(p, name);
    return p;
}

QWidget* TFormTopic::page(const QString& name) const
{
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->widget(i)->objectName() == name)
            return pages_->widget(i);
    return nullptr;
}

void TFormTopic::selectPage(const QString& name)
{
    QWidget* p = page(name);
    if (!p)
        throw std::out_of_range("no dialog page " + name.toStdString());
    pages_->setCurrentWidget(p);
}

QString TFormTopic::activePage() const
{
    return pages_->currentWidget() ? pages_->currentWidget()->objectName() : QString();
}

void TFormTopic::setOkCheck(const QString& pageName, std::function<bool()> check)
{
    okChecks_.insert(pageName, std::move(check));
}

void TFormTopic::setShowHandler(const QString& pageName, std::function<void()> handler)
{
    showHandlers_.insert(pageName, std::move(handler));
}

void TFormTopic::accept()
{
    const auto check = okChecks_.value(activePage());
    if (check && !check())
        return;
    QDialog::accept();
}

void TFormTopic::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const auto handler = showHandlers_.value(activePage()))
        handler();
}

void TFormTopic::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Closing repaints the window below.
    if (mainWindow_)
        mainWindow_->update();
}

} // namespace folianto::util
