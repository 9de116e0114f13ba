#pragma once
// Full screen for the main window: no caption frame, the main menu's items hidden, the window
// maximised; and back: the frame and the menu return and the window has its normal state.
// The window keeps its visibility; a window not yet shown takes the state when it is shown.

class QMainWindow;

namespace folianto::app {

void applyFullScreen(QMainWindow& window, bool full);
bool isFullScreenApplied(const QMainWindow& window);

} // namespace folianto::app
