#include "reader/CardFileEntries.h"

#include "catalogue/CatalogueRecord.h"

namespace folianto::reader {

catalogue::CardFileEntries LocateCardFile(table::Dataset& row, const LocationSettings& where,
                                          const ArchiveRequest& archive)
{
    catalogue::CardFileEntries out;
    out.found = LocateBookFile(row, where, row.asString(catalogue::field::FileName));
    ArchiveRequest request = archive;
    request.arc = row.asInt(catalogue::field::Arc);
    const ArchiveEntries entries = ListArchiveEntries(out.found, request);
    out.items = entries.items;
    out.selected = entries.selected;
    out.dropDown = entries.dropDown;
    return out;
}

} // namespace folianto::reader
