#pragma once
// The description of a FictionBook book file, plain or packed in a zip archive (`.fb2.zip`,
// or any zip whose entry is a FictionBook): only the head of the book is read, and an
// archive's entries are unpacked in memory, never to disk.

#include "engines/fb2/Fb2Description.h"

#include <QString>
#include <optional>

namespace folianto::exchange {

// Nothing when the file is neither a FictionBook nor a zip holding one among its first entries.
std::optional<fb2::Fb2Description> readBookDescription(const QString& path);

} // namespace folianto::exchange
