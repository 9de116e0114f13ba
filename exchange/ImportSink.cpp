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

BulkSink::BulkSink(catalogue::Catalogue& catalogue, catalogue::CatalogueHost& host, int steps)
    : catalogue_(catalogue), bulk_(std::make_unique<catalogue::BulkChange>(catalogue, host)),
      steps_(steps)
{
}

BulkSink::~BulkSink() = default;

table::Dataset& BulkSink::ds()
{
    return catalogue_.Ds();
}

bool BulkSink::postRow()
{
    const bool ok = bulk_->postRow();
    if (ok)
        ++posted_;
    return ok;
}

void BulkSink::step()
{
    ++done_;
    // The bar's maximum is steps − 1; it is redrawn only when its percentage changes.
    const int span = steps_ > 1 ? steps_ - 1 : 1;
    const int percent = int(qMin<qint64>(100, qint64(done_) * 100 / span));
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        bulk_->setProgress(percent);
    }
}

void BulkSink::finish()
{
    bulk_->finish();
}

} // namespace folianto::exchange
