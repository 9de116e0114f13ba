#include "catalogue/TopicCache.h"

#include "catalogue/BookCard.h"

#include <QComboBox>

namespace folianto::catalogue {

QStringList TopicCache::topics() const
{
    return topicsIn(cache_);
}

QStringList TopicCache::rebuild(const table::Dataset& ds)
{
    QStringList topics = RebuildTopicCache(ds, cache_);
    stale_ = false;
    return topics;
}

void TopicCache::clear()
{
    cache_.clear();
    stale_ = true;
}

void TopicCache::add(const QString& topic)
{
    if (!stale_ && !topic.isEmpty())
        addTopicToCache(cache_, topic);
}

} // namespace folianto::catalogue
