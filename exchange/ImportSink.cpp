#include "exchange/ImportSink.h"

#include "catalogue/BulkChange.h"
#include "catalogue/Catalogue.h"

namespace folianto::exchange {

bool TableSink::postRow()
{
    const bool posted = catalogue::postOrCancel(ds_);
    if (posted)
        ++posted_;
    return posted;
}

// The bar's maximum is steps − 1.
BulkSink::BulkSink(catalogue::Catalogue& catalogue, int steps)
    : catalogue_(catalogue), bulk_(std::make_unique<catalogue::BulkChange>(catalogue)),
      progress_([this](int percent) { bulk_->setProgress(percent); }), steps_(progress_, qMax(steps - 1, 1))
{
}

BulkSink::~BulkSink() = default;

table::Dataset& BulkSink::ds()
{
    return catalogue_.Ds();
}

bool BulkSink::postRow()
{
    return bulk_->postRow();
}

int BulkSink::posted() const
{
    return bulk_->postedRows();
}

void BulkSink::finish()
{
    bulk_->finish();
}

} // namespace folianto::exchange
