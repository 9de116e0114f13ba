#pragma once
// What the reader's commands need of the window: what the open book's session needs (its
// panels, status panels, state and settings) and what every command needs.

#include "reader/BookSession.h"
#include "util/CommandHost.h"

namespace folianto::reader {

class ReaderCommandsHost : public BookSessionHost, public util::CommandHost {
public:
    void updateViewState() override { UpdateViewState(); }
};

} // namespace folianto::reader
