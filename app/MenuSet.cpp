#include "app/MenuSet.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>
#include <vector>

namespace folianto::app {

namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

bool opensSubmenu(std::span<const MenuEntry> entries, size_t i)
{
    return !(entries[i].flags & Separator) && i + 1 < entries.size()
        && entries[i + 1].depth > entries[i].depth;
}

void addTo(QMenuBar& bar, QAction* a) { bar.addAction(a); }
void addTo(QMenu& menu, QAction* a) { menu.addAction(a); }
QMenu* addSubmenu(QMenuBar& bar, const QString& title) { return bar.addMenu(title); }
QMenu* addSubmenu(QMenu& menu, const QString& title) { return menu.addMenu(title); }
void addSeparatorTo(QMenuBar&) {}
void addSeparatorTo(QMenu& menu) { menu.addSeparator(); }

} // namespace

void MenuSet::build(QMenuBar& bar, std::span<const MenuEntry> entries, QWidget* owner)
{
    buildInto(bar, entries, owner);
}

void MenuSet::build(QMenu& popup, std::span<const MenuEntry> entries, QWidget* owner)
{
    buildInto(popup, entries, owner);
}

template <typename Root>
void MenuSet::buildInto(Root& root, std::span<const MenuEntry> entries, QWidget* owner)
{
    // open[d] is the submenu that receives entries of depth d + 1.
    std::vector<QMenu*> open;
    auto place = [&](int depth, auto&& onRoot, auto&& onMenu) {
        open.resize(size_t(depth));
        if (depth == 0)
            return onRoot();
        return onMenu(*open[size_t(depth) - 1]);
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& e = entries[i];
        if (e.flags & Separator) {
            place(e.depth, [&] { addSeparatorTo(root); }, [&](QMenu& m) { m.addSeparator(); });
            continue;
        }
        if (opensSubmenu(entries, i)) {
            QMenu* sub = place(
                e.depth, [&] { return addSubmenu(root, utf8(e.caption)); },
                [&](QMenu& m) { return m.addMenu(utf8(e.caption)); });
            sub->setObjectName(QString::fromLatin1(e.name));
            QAction* a = sub->menuAction();
            a->setObjectName(QString::fromLatin1(e.name));
            a->setProperty("tag", e.tag);
            a->setVisible(!(e.flags & Hidden));
            actions_.insert(a->objectName(), a);
            menus_.insert(a->objectName(), sub);
            open.push_back(sub);
            continue;
        }
        QAction* a = makeItem(e, owner);
        place(e.depth, [&] { addTo(root, a); }, [&](QMenu& m) { m.addAction(a); });
    }
}

QAction* MenuSet::makeItem(const MenuEntry& e, QWidget* owner)
{
    auto* a = new QAction(utf8(e.caption), owner);
    a->setObjectName(QString::fromLatin1(e.name));
    a->setProperty("tag", e.tag);
    if (e.shortcut)
        a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut), QKeySequence::PortableText));
    if (e.flags & Checkable) {
        a->setCheckable(true);
        a->setChecked((e.flags & Checked) == Checked);
    }
    a->setVisible(!(e.flags & Hidden));
    actions_.insert(a->objectName(), a);
    return a;
}

QAction* MenuSet::action(const QString& name) const
{
    const auto it = actions_.constFind(name);
    if (it == actions_.constEnd())
        throw std::out_of_range("no menu item " + name.toStdString());
    return *it;
}

QMenu* MenuSet::menu(const QString& name) const
{
    const auto it = menus_.constFind(name);
    if (it == menus_.constEnd())
        throw std::out_of_range("no submenu " + name.toStdString());
    return *it;
}

int MenuSet::tag(const QAction* action)
{
    return action ? action->property("tag").toInt() : 0;
}

} // namespace folianto::app
