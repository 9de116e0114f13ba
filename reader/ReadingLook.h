#pragma once
// How the reading views look: the font of each view with its text colour, and the background
// both share. The
// settings load and the font and colour commands all go through ReadingViews::applyLook.

#include <QColor>
#include <QFont>

namespace folianto::reader {

struct ReadingLook {
    QFont fastFont;     // `ReFast`
    QFont richFont;     // `ReRich`
    QColor background;  // both views
    QColor fastText;    // text colours; an invalid one leaves the view's as it is
    QColor richText;
};

} // namespace folianto::reader
