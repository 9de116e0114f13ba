#pragma once
// What every command class needs of the window that binds its commands: the view-state
// refresh that ends a command, a repaint while a long step runs, and the parent of the
// command's dialogs. Each subsystem's host interface adds what only its commands need.

#include <functional>

class QWidget;

namespace folianto::util {

class CommandHost {
public:
    virtual ~CommandHost() = default;
    virtual void UpdateViewState() = 0;
    virtual void repaintWindow() = 0;
    virtual QWidget* dialogParent() = 0;
};

// Runs one command's work: what it throws is shown in the error box instead of leaving the
// event loop.
void runCommand(const std::function<void()>& work);

} // namespace folianto::util
