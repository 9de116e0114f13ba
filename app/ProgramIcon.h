#pragma once
// The program's icon: a closed book, drawn in code at the sizes the desktop asks for.

#include <QIcon>

namespace folianto::app {

QIcon programIcon();

} // namespace folianto::app
