#pragma once
// The options commands: the pages of `FormTopic` that "&Настройки" opens, the check toggles,
// and the setting commands of "Ус&тановки и команды" (the password for encrypted archives,
// the time the HA extractor may take, the removal of the program's traces).

#include "app/options/OptionsCommandsHost.h"

#include <QString>
#include <functional>

class QAction;

namespace folianto::catalogue {
class Catalogue;
}

namespace folianto::app {

class MenuSet;

// Asks, then removes the file type and the settings key (calling repaint first); true when
// they were removed. Unset: the command does nothing.
using RemoveTraces = std::function<bool(const std::function<void()>& repaint)>;

class OptionsCommands {
public:
    OptionsCommands(catalogue::Catalogue& catalogue, MenuSet& menus, OptionsCommandsHost& host,
                    RemoveTraces removeTraces);

    // The options page of the item's tag (1: the book file search).
    void mConditionClick(int tag);
    // The check toggles; the item has already changed its check when it was triggered.
    void mCaseClick(QAction* item);
    void mXClick();
    void mOutClick();
    void mRegistryClick();

    // `ArchivePassword`: typed in "&X-Files...", held only in memory.
    QString archivePassword() const { return archivePassword_; }
    // The bars as they were before full screen hid them.
    void rememberBars();

    static QString haTimeoutCaption();
    static QString haTimeoutPrompt();

private:
    void searchConditions();

    catalogue::Catalogue& catalogue_;
    MenuSet& menus_;
    OptionsCommandsHost& host_;
    RemoveTraces removeTraces_;
    QString archivePassword_;
    bool savedShowBar_ = true;
    bool savedShowStatus_ = true;
};

} // namespace folianto::app
