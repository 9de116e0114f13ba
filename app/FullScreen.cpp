#include "app/FullScreen.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace folianto::app {

void applyFullScreen(QMainWindow& window, bool full)
{
    const bool shown = window.isVisible();
    for (QAction* top : window.menuBar()->actions())
        top->setVisible(!full);
    window.menuBar()->setVisible(!full);
    // Changing the frame hides a shown window; it is shown again below.
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint) != full)
        window.setWindowFlag(Qt::FramelessWindowHint, full);
    window.setWindowState(full ? Qt::WindowMaximized : Qt::WindowNoState);
    if (shown && !window.isVisible())
        window.show();
}

bool isFullScreenApplied(const QMainWindow& window)
{
    return window.windowFlags().testFlag(Qt::FramelessWindowHint) && window.menuBar()->isHidden();
}

} // namespace folianto::app
