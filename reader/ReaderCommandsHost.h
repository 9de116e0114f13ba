#pragma once
// What the reader's commands need of the window: what the open book's session needs (its
// panels, status panels, state and settings), what every command needs, and a place to keep
// the look of the reading views.

#include "reader/BookSession.h"
#include "reader/ReadingLook.h"
#include "util/CommandHost.h"

namespace folianto::reader {

class ReaderCommandsHost : public BookSessionHost, public util::CommandHost {
public:
    void updateViewState() override { UpdateViewState(); }
    // The font or background of the views changed: the window keeps it in its settings.
    virtual void readingLookChanged(const ReadingLook& look) = 0;
};

} // namespace folianto::reader
