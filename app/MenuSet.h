#pragma once
// The actions and submenus built from the menu tables, found by object name. Tags travel in
// the action's "tag" property.

#include "app/MenuTable.h"

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace folianto::app {

class MenuSet {
public:
    // Builds `entries` into the menu bar (top-level entries become its menus) or into a popup.
    void build(QMenuBar& bar, std::span<const MenuEntry> entries, QWidget* owner);
    void build(QMenu& popup, std::span<const MenuEntry> entries, QWidget* owner);

    // The action of an item or of a submenu; throws std::out_of_range for an unknown name.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const; // submenus only; throws likewise
    bool contains(const QString& name) const { return actions_.contains(name); }
    QList<QAction*> actions() const { return actions_.values(); }

    static int tag(const QAction* action);

private:
    template <typename Root>
    void buildInto(Root& root, std::span<const MenuEntry> entries, QWidget* owner);
    QAction* makeItem(const MenuEntry& e, QWidget* owner);

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
};

} // namespace folianto::app
