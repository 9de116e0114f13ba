#pragma once
// The file commands: operations on the books behind the rows (copy, move, rename, delete),
// and the state they need (a group file operation in progress).
// The window creates one object and binds each menu item to one method, as in
// `bind({"mCopyFile"}, files, &FileCommands::mCopyFileClick)` (see app/TFormBookBindings.cpp).

#include "fileops/FileCommandsHost.h"

namespace folianto::catalogue {
class Catalogue;
}

namespace folianto::fileops {

class FileCommands {
public:
    FileCommands(catalogue::Catalogue& catalogue, FileCommandsHost& host);

private:
    catalogue::Catalogue& catalogue_;
    FileCommandsHost& host_;
};

} // namespace folianto::fileops
