#pragma once
// Finding the next match in a reading view, each view by its own rules: the fast view
// searches from the caret in the chosen direction; the rich view searches down from the end
// of the selection (from the start of the text when nothing is selected), or up from the
// selection's start towards the start of the text. The match found is selected and shown.

#include <QString>

namespace folianto::textview {
class FastTextView;
}

namespace folianto::reader {

class RichReadingView;

struct FindRequest {
    QString text;
    bool wholeWord = false;
    bool matchCase = false;
    bool down = true;
};

// True when a match was found and selected.
bool findInFastView(textview::FastTextView& view, const FindRequest& request);
bool findInRichView(RichReadingView& view, const FindRequest& request);

} // namespace folianto::reader
