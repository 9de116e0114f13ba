#include "catalogue/BulkChange.h"

#include "catalogue/Catalogue.h"
#include "catalogue/WaitCursor.h"

namespace folianto::catalogue {

BulkChange::BulkChange(Catalogue& catalogue)
    : catalogue_(catalogue), host_(catalogue.host()), wait_(std::make_unique<WaitCursor>()),
      previousRowEvents_(catalogue.rowEventsOn())
{
    catalogue_.setRowEventsOn(false);
    catalogue_.Ds().disableControls();
    host_.setProgress(0);
    host_.setProgressVisible(true);
}

BulkChange::~BulkChange()
{
    if (!finished_) {
        catalogue_.finishPendingEdit();
        try {
            catalogue_.WriteCatalogueFile();
        } catch (const std::exception&) {
            // The error that ended the operation early is the one the user is told about.
        }
    }
    catalogue_.setRowEventsOn(previousRowEvents_);
    catalogue_.Ds().enableControls();
    host_.setProgressVisible(false);
    host_.setProgress(0);
    wait_.reset();
    host_.UpdateViewState();
    catalogue_.ShowRowPosition();
}

bool postOrCancel(table::Dataset& ds)
{
    if (!ds.isEditing())
        return false;
    try {
        ds.post();
        return true;
    } catch (const std::exception&) {
        ds.cancel();
        return false;
    }
}

bool BulkChange::postRow()
{
    return postRow(catalogue_.Ds());
}

bool BulkChange::postRow(table::Dataset& ds)
{
    const bool editing = ds.isEditing();
    const bool posted = postOrCancel(ds);
    if (posted)
        ++posted_;
    else if (editing)
        ++cancelled_;
    return posted;
}

void BulkChange::setProgress(int percent)
{
    host_.setProgress(percent);
}

void BulkChange::finish()
{
    finished_ = true;
    catalogue_.finishPendingEdit();
    catalogue_.WriteCatalogueFile();
}

} // namespace folianto::catalogue
