#pragma once
// What the import commands (folder import and dropped files, catalogue merge, description
// files) need from the window: the open catalogue (its own host gives the bulk change's
// progress bar, view-state refresh, position display and topic cache), the settings of the page
// `ShDef`, whether the window takes drops now, the book card for one dropped file, and a run
// of the multi-page dialog on one page.

#include "exchange/FileDefaults.h"

#include <QString>
#include <functional>

class QWidget;

namespace folianto::catalogue {
class Catalogue;
} // namespace folianto::catalogue

namespace folianto::exchange {

// One run of the multi-page dialog on one page: `build` fills the empty page before the dialog
// is shown; on OK `collect` reads the page before the dialog goes away.
struct PageRun {
    QString page;    // `ShBBS`, ...
    QString caption;
    bool resizable = false;
    std::function<void(QWidget* page)> build;
    std::function<void()> collect;
};

class ImportCommandsHost {
public:
    virtual ~ImportCommandsHost() = default;

    virtual catalogue::Catalogue& catalogue() = 0;
    // `FStrExt`, `Fscan`, `FDef_Author`, `FDef_Topic` and the group-add check boxes.
    virtual FileDefaults fileDefaults() const = 0;

    // Drops are taken only while the catalogue view is in front and the multi-page dialog is
    // not open.
    virtual bool catalogueShown() const = 0;
    virtual bool pageDialogOpen() const = 0;
    // Brings the program to the front (a drop arrived).
    virtual void bringToFront() = 0;
    // The book card in adding mode for one file.
    virtual void addBookForFile(const QString& path) = 0;

    // Runs the multi-page dialog modally on one page; true on OK.
    virtual bool runPage(const PageRun& run) = 0;
};

} // namespace folianto::exchange
