#pragma once
// Drives the main window as a person does: a command is triggered through its menu item or
// tool button, found by object name, and only when it is enabled.

#include "app/TFormBook.h"

#include <QAction>
#include <gtest/gtest.h>
#include <stdexcept>

namespace folianto::test {

// Triggers the item; a missing or disabled item fails the test and triggers nothing.
inline void triggerCommand(app::TFormBook& window, const char* name)
{
    QAction* item = nullptr;
    try {
        item = window.command(QString::fromLatin1(name));
    } catch (const std::out_of_range&) {
    }
    if (!item) {
        ADD_FAILURE() << "no command " << name;
        return;
    }
    if (!item->isEnabled()) {
        ADD_FAILURE() << "command " << name << " is disabled";
        return;
    }
    item->trigger();
}

} // namespace folianto::test
