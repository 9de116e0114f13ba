#pragma once
// Gives a new control the object name it is known by (`LbExt`, `ChScan`), so that tests and
// the window find it by that name.

#include <QString>

namespace folianto::util {

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace folianto::util
