#pragma once
// What the pages "Работа с &файлами..." (`ShDef`, tag 4) and "Работа с &таблицей..." (`ShTab`,
// tag 5) take from the settings and give back on "OK".

#include "app/settings/ProgramSettings.h"
#include "catalogue/TablePage.h"

namespace folianto::app {

struct FileWorkOptions {
    QString defaultTopic;    // `FDef_Topic` (EdTopic)
    QString defaultAuthor;   // `FDef_Author` (EdAuthor)
    bool impExt = false;     // ChImpExt
    bool impFolder = false;  // ChImpFolder
    bool impPath = false;    // ChImpPath
    bool impDate = false;    // ChImpDate
    bool arc = false;        // ChArc
    QStringList extMask;     // `FStrExt` (LbExt)
    bool scan = false;       // `Fscan` (ChScan)
    QString program;         // `FProg` (EdProg)

    friend bool operator==(const FileWorkOptions&, const FileWorkOptions&) = default;
};

FileWorkOptions fileWorkIn(const settings::ProgramSettings& s);
void fileWorkOut(const FileWorkOptions& o, settings::ProgramSettings& s);

// The table page (`catalogue::TablePage`) takes and gives the sort and filter lists.
using TableWorkOptions = catalogue::TableSettings;

// `fieldNames`: the catalogue's fields; sort entries naming none of them are left out, so
// that "OK" drops them from `FStrSort`.
TableWorkOptions tableWorkIn(const settings::ProgramSettings& s, const QStringList& fieldNames);
void tableWorkOut(const TableWorkOptions& o, settings::ProgramSettings& s);

} // namespace folianto::app
