#pragma once
// Where an import puts its rows: the catalogue table, how a filled row is posted (a row that
// fails to post is cancelled silently) and how each step of the progress is reported. The
// program posts through a catalogue::BulkChange with the progress bar; folianto-cat posts
// straight into a table it writes itself.

#include "engines/table/Dataset.h"
#include "exchange/ProgressSteps.h"

#include <memory>

namespace folianto::catalogue {
class BulkChange;
class Catalogue;
} // namespace folianto::catalogue

namespace folianto::exchange {

class ImportSink {
public:
    virtual ~ImportSink() = default;
    virtual table::Dataset& ds() = 0;
    // Posts the row being inserted; true when it was posted.
    virtual bool postRow() = 0;
    // One step of the progress done (a line read, a file added, a row copied).
    virtual void step() = 0;
    // Rows posted so far.
    virtual int posted() const = 0;
};

// Posts straight into a table; a failing post cancels the row.
class TableSink : public ImportSink {
public:
    explicit TableSink(table::Dataset& ds) : ds_(ds) {}
    table::Dataset& ds() override { return ds_; }
    bool postRow() override;
    void step() override {}
    int posted() const override { return posted_; }

private:
    table::Dataset& ds_;
    int posted_ = 0;
};

// The open catalogue in one bulk change (through the catalogue's own host): per-row writing
// off, the progress bar showing steps out of `steps`. finish() writes the file once.
class BulkSink : public ImportSink {
public:
    BulkSink(catalogue::Catalogue& catalogue, int steps);
    ~BulkSink() override;
    table::Dataset& ds() override;
    bool postRow() override;
    void step() override { steps_.advance(); }
    int posted() const override;
    void finish();

private:
    catalogue::Catalogue& catalogue_;
    std::unique_ptr<catalogue::BulkChange> bulk_;
    Progress progress_;
    ProgressSteps steps_;
};

} // namespace folianto::exchange
