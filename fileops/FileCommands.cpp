#include "fileops/FileCommands.h"

namespace folianto::fileops {

FileCommands::FileCommands(catalogue::Catalogue& catalogue, FileCommandsHost& host)
    : catalogue_(catalogue), host_(host)
{
}

} // namespace folianto::fileops
