#pragma once
// The hourglass for the lifetime of this object; the previous mouse cursor comes back on
// every way out.

#include <QApplication>
#include <QCursor>

namespace folianto::catalogue {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace folianto::catalogue
