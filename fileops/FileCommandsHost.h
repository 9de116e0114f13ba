#pragma once
// What the book-file commands need of the window: the open catalogue with the window's side
// of it (view-state refresh, the progress bar `Pb`, closing an open book in place), where a
// row's file is looked for, and a repaint while a command works. Prompts and the desktop are
// reached through the Interaction and Shell seams.

#include "reader/BookLocation.h"

namespace folianto::catalogue {
class Catalogue;
} // namespace folianto::catalogue

namespace folianto::fileops {

class FileCommandsHost {
public:
    virtual ~FileCommandsHost() = default;
    virtual catalogue::Catalogue& catalogue() = 0;
    // `Subst_Path`, the subtree search and the write-back of a found path.
    virtual reader::LocationSettings locationSettings() = 0;
    virtual void repaintWindow() = 0;
};

} // namespace folianto::fileops
