#pragma once
// What the pages "Работа с &файлами..." (`ShDef`, tag 4) and "Работа с &таблицей..." (`ShTab`,
// tag 5) take from the settings and give back on "OK".

#include "app/settings/ProgramSettings.h"
#include "catalogue/TablePage.h"
#include "exchange/FileDefaults.h"

namespace folianto::app {

// The file page (`exchange::FileDefaultsPage`) takes and gives the file import defaults.
using FileWorkOptions = exchange::FileDefaults;

FileWorkOptions fileWorkIn(const settings::ProgramSettings& s);
void fileWorkOut(const FileWorkOptions& o, settings::ProgramSettings& s);

// The table page (`catalogue::TablePage`) takes and gives the sort and filter lists.
using TableWorkOptions = catalogue::TableSettings;

// The page itself leaves out sort entries naming no field of the grid, so that "OK" drops them
// from `FStrSort`.
TableWorkOptions tableWorkIn(const settings::ProgramSettings& s);
void tableWorkOut(const TableWorkOptions& o, settings::ProgramSettings& s);

} // namespace folianto::app
