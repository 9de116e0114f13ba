#pragma once
// The options commands: the pages of `FormTopic` that "&Настройки" opens, the check toggles
// with full screen, and the setting commands of "Ус&тановки и команды" (the password for
// encrypted archives, the time the HA extractor may take, the removal of the program's traces).

#include "app/options/OptionsCommandsHost.h"
#include "app/options/OptionsPageRegistry.h"

#include <QString>
#include <functional>

class QAction;

namespace folianto::catalogue {
class Catalogue;
}

namespace folianto::app {

class AlarmClock;
class MenuSet;

// Asks, then removes the file type and the settings key (calling repaint first); true when
// they were removed. Unset: the command does nothing.
using RemoveTraces = std::function<bool(const std::function<void()>& repaint)>;

class OptionsCommands {
public:
    // `alarm` runs the page of tag 3, whose values live in the clock.
    OptionsCommands(catalogue::Catalogue& catalogue, MenuSet& menus, OptionsCommandsHost& host, AlarmClock& alarm,
                    RemoveTraces removeTraces);

    // The options page of the item's tag: 1 the book file search, 2 the part size, 3 the alarm,
    // 4 the work with files, 5 the work with the table (each as registered in pages()).
    void mConditionClick(int tag);
    OptionsPageRegistry& pages() { return pages_; }
    // The check toggles; the item has already changed its check when it was triggered. The two
    // "Весь &экран..." items (tag 11) switch full screen.
    void mCaseClick(QAction* item);
    // At start-up: the bars remembered, hidden when the program starts in full screen, and
    // full screen applied.
    void startFullScreen();
    void mXClick();
    void mOutClick();
    void mRegistryClick();

    // `ArchivePassword`: typed in "&X-Files...", held only in memory.
    QString archivePassword() const { return archivePassword_; }
    // The bars as they were before full screen hid them (`SavedShowBar`, `SavedShowStatus`).
    bool savedShowBar() const { return savedShowBar_; }
    bool savedShowStatus() const { return savedShowStatus_; }
    bool fullScreen() const;

    static QString haTimeoutCaption();
    static QString haTimeoutPrompt();

    static constexpr int kFullScreenTag = 11;

private:
    void rememberBars();
    void switchFullScreen(QAction* item);
    void setBarChecks(bool bar, bool status);
    bool checked(const char* name) const;

    catalogue::Catalogue& catalogue_;
    MenuSet& menus_;
    OptionsCommandsHost& host_;
    RemoveTraces removeTraces_;
    OptionsPageRegistry pages_;
    QString archivePassword_;
    bool savedShowBar_ = true;
    bool savedShowStatus_ = true;
};

} // namespace folianto::app
