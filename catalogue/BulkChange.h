#pragma once
// One bulk change of the open catalogue (imports, group operations, group file copies), for
// the lifetime of this object: per-row writing off (`RowEventsOn` cleared), the data-aware
// controls suspended, the hourglass and the progress bar shown. Rows are posted one by one
// with postRow(); finish() writes the file once. On every way out the previous state comes
// back and the window refreshes its view state and position display.
//
//   BulkChange bulk(catalogue);
//   for (...) { ds.edit(); ...; bulk.postRow(); bulk.setProgress(percent); }
//   bulk.finish();

#include <memory>

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

class Catalogue;
class CatalogueHost;
class WaitCursor;

// Posts the row being edited or inserted; a row that fails to post is cancelled. True when it
// was posted; false also when no row was being edited.
bool postOrCancel(table::Dataset& ds);

class BulkChange {
public:
    explicit BulkChange(Catalogue& catalogue);
    ~BulkChange();
    BulkChange(const BulkChange&) = delete;
    BulkChange& operator=(const BulkChange&) = delete;

    // Posts the row being edited or inserted; a row that fails to post is cancelled silently.
    // True when it was posted.
    bool postRow();
    // The same for a row edited through a second cursor over the catalogue.
    bool postRow(table::Dataset& cursor);
    void setProgress(int percent);
    // The single write at the end; throws table::TableError when it fails (the file then keeps
    // its previous content). Without finish() (an error left the operation early) the rows
    // posted so far are still written, and a failure of that write is not reported again.
    void finish();

    int postedRows() const { return posted_; }
    int cancelledRows() const { return cancelled_; }

private:
    Catalogue& catalogue_;
    CatalogueHost& host_;
    std::unique_ptr<WaitCursor> wait_;
    bool previousRowEvents_;
    bool finished_ = false;
    int posted_ = 0;
    int cancelled_ = 0;
};

} // namespace folianto::catalogue
