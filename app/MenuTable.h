#pragma once
// The program's menus as data: the main menu, the grid popup `Pm` and the reading popup `Pme`.
// Each entry is one item (or a submenu, when the entries after it are one level deeper) with
// its object name, caption with access letter, shortcut, check mark and tag.

#include <span>

namespace folianto::app {

enum MenuFlag : unsigned {
    NoFlags = 0,
    Checkable = 1u << 0,
    Checked = 1u << 1 | Checkable,
    Hidden = 1u << 2,
    Separator = 1u << 3,
};

struct MenuEntry {
    int depth;            // 0: top level of the menu bar or popup
    const char* name;     // object name of the action (and of the submenu)
    const char* caption;  // UTF-8, "&" before the access letter
    const char* shortcut; // QKeySequence portable text, or nullptr
    unsigned flags = NoFlags;
    int tag = 0;          // tells apart items that share one handler
};

std::span<const MenuEntry> mainMenuEntries();
std::span<const MenuEntry> gridPopupEntries();
std::span<const MenuEntry> readingPopupEntries();

} // namespace folianto::app
