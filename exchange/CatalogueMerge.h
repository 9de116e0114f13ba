#pragma once
// Appending the rows of another catalogue file to a table: every stored field copied by
// position (empty values included, so the new-record defaults are overwritten), except the
// row marks of `_Cur`, which the merged rows arrive without: a mark belongs to the catalogue
// it was set in, and a second "Y" would let the close of an open book take a merged row for
// the book's row.

#include "engines/table/Dataset.h"

#include <QString>
#include <memory>

namespace folianto::exchange {

class ImportSink;

// Loads a catalogue file into a table of its own with the given field definitions; throws
// table::TableError when the file cannot be loaded.
std::unique_ptr<table::Dataset> loadOtherCatalogue(const QString& path, const table::FieldDefs& defs);

// Appends every row of `other`, from its first, to the sink's table; the sink counts the rows posted.
void mergeCatalogueRows(table::Dataset& other, ImportSink& sink);

} // namespace folianto::exchange
