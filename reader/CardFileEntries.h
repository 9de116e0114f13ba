#pragma once
// The book card's view of its row's file: located as the open command locates it, with the
// entries of an archive listed.

#include "catalogue/BookCard.h"
#include "reader/ArchiveExtract.h"
#include "reader/BookLocation.h"

namespace folianto::reader {

// `ListArchiveEntries` for the card's row. The row is being edited: a found path written
// back goes into that edit and is posted with the card's OK, so that Cancel still drops it.
catalogue::CardFileEntries LocateCardFile(table::Dataset& row, const LocationSettings& where,
                                          const ArchiveRequest& archive);

} // namespace folianto::reader
