#include "app/tray/TrayMode.h"

#include "app/TFormBook.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <QWidget>

namespace folianto::app {

TrayMode::TrayMode(QWidget& window, std::function<void()> focusFrontView)
    : window_(window), focusFrontView_(std::move(focusFrontView)),
      trayAvailable_([] { return QSystemTrayIcon::isSystemTrayAvailable(); })
{
}

TrayMode::~TrayMode() = default;

void TrayMode::mTrayClick()
{
    if (icon_ || !trayAvailable_())
        return;
    icon_ = std::make_unique<QSystemTrayIcon>(window_.windowIcon());
    icon_->setObjectName(QStringLiteral("TrayIcon"));
    icon_->setToolTip(TFormBook::applicationTitle().left(kTipLength));
    connect(icon_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A left click; the context menu, middle and double clicks are ignored.
        if (reason == QSystemTrayIcon::Trigger)
            restore();
    });
    window_.hide();
    icon_->show();
}

void TrayMode::restore()
{
    window_.show();
    window_.raise();
    window_.activateWindow();
    // The icon goes at once; the object is deleted after its own signal has returned.
    QSystemTrayIcon* icon = icon_.release();
    icon->hide();
    icon->deleteLater();
    if (focusFrontView_)
        focusFrontView_();
}

} // namespace folianto::app
