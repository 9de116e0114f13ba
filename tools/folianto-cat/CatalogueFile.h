#pragma once
// The catalogue a command changes: opened from its file, or created empty when the file does
// not exist yet (it is written when the command saves it).

#include "engines/table/Dataset.h"

#include <QString>

// Throws folianto::table::TableError when an existing file cannot be loaded.
void openOrCreateCatalogue(folianto::table::Dataset& ds, const QString& file);

// Opens the catalogue for a command, reporting a failure on standard error; false then.
bool openCatalogueForCommand(folianto::table::Dataset& ds, const QString& file);
// Writes the catalogue once, reporting the rows added; the exit code.
int saveCatalogueForCommand(const folianto::table::Dataset& ds, const QString& file, int added);
