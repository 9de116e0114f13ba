#pragma once
// Binds menu items and tool buttons, found by object name, to one method of one command
// object: `bind({"mDelete", "mpDelete", "TlBtDel"}, catalogue, &CatalogueCommands::mDeleteClick)`.
// A method may take nothing, the item's tag, or the item itself.

#include "app/MenuSet.h"

#include <QAction>
#include <functional>
#include <initializer_list>

namespace folianto::app {

class CommandBinder {
public:
    using Find = std::function<QAction*(const QString&)>; // throws std::out_of_range for no item
    CommandBinder(QObject& context, Find find) : context_(context), find_(std::move(find)) {}

    using Names = std::initializer_list<const char*>;

    template <class C>
    void operator()(Names names, C& commands, void (C::*method)()) const
    {
        each(names, [&commands, method](QAction*) { (commands.*method)(); });
    }
    template <class C>
    void operator()(Names names, C& commands, void (C::*method)(int tag)) const
    {
        each(names, [&commands, method](QAction* item) { (commands.*method)(MenuSet::tag(item)); });
    }
    template <class C>
    void operator()(Names names, C& commands, void (C::*method)(QAction* item)) const
    {
        each(names, [&commands, method](QAction* item) { (commands.*method)(item); });
    }

    void each(Names names, const std::function<void(QAction*)>& handler) const
    {
        for (const char* name : names) {
            QAction* item = find_(QString::fromLatin1(name));
            QObject::connect(item, &QAction::triggered, &context_, [item, handler] { handler(item); });
        }
    }

private:
    QObject& context_;
    Find find_;
};

} // namespace folianto::app
