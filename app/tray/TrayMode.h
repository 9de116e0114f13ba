#pragma once
// Tray mode ("Скр&ыться", F12): the main window hides behind a notification-area icon with the
// program's icon and title; releasing the left button over the icon brings the window back and
// removes the icon; other clicks do nothing. Where the desktop has no tray the window stays
// visible, so that the user is never left without a way back.

#include <QObject>
#include <functional>
#include <memory>

class QSystemTrayIcon;
class QWidget;

namespace folianto::app {

class TrayMode : public QObject {
    Q_OBJECT
public:
    // `focusFrontView` gives the focus as after a full-screen switch.
    TrayMode(QWidget& window, std::function<void()> focusFrontView);
    ~TrayMode() override;

    void mTrayClick();
    QSystemTrayIcon* icon() const { return icon_.get(); } // nullptr while the window is shown
    // Whether the desktop has a tray: asked of the desktop unless replaced (tests).
    void setTrayAvailable(std::function<bool()> available) { trayAvailable_ = std::move(available); }

    static constexpr int kTipLength = 63;

private:
    void restore();

    QWidget& window_;
    std::function<void()> focusFrontView_;
    std::function<bool()> trayAvailable_;
    std::unique_ptr<QSystemTrayIcon> icon_;
};

} // namespace folianto::app
