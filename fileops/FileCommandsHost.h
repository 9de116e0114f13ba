#pragma once
// What the file commands need of the window beyond every command's needs: the progress
// bar of the catalogue toolbar, shown while a bulk operation runs.

#include "util/CommandHost.h"

namespace folianto::fileops {

class FileCommandsHost : public util::CommandHost {
public:
    virtual void setProgressVisible(bool visible) = 0; // `Pb`
    virtual void setProgress(int percent) = 0;
};

} // namespace folianto::fileops
