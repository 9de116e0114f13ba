#pragma once
#include <QString>

namespace folianto::reader {

// What the reader knows about the open book between commands. The opener sets both before a
// load; the loader empties currentBookFile when the file turns out empty or missing.
struct ReadingState {
    bool bookOpen = false;   // `BookOpen`
    QString currentBookFile; // `CurrentBookFile`: the file loaded for the open book
};

} // namespace folianto::reader
