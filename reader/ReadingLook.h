#pragma once
// How the reading views look: the font of each view and the background both share. The
// settings load and the font and colour commands all go through ReadingViews::applyLook.

#include <QColor>
#include <QFont>

namespace folianto::reader {

struct ReadingLook {
    QFont fastFont;     // `ReFast`
    QFont richFont;     // `ReRich`
    QColor background;  // both views
};

} // namespace folianto::reader
