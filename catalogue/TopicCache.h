#pragma once
// The topic cache: the catalogue's distinct non-empty topics in alphabetical order (case
// ignored, the spelling met first kept), held by the hidden combo `Cb`; stale until rebuilt,
// and again after the catalogue changes. The book card and the topic window share it.

#include <QStringList>

class QComboBox;

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

class TopicCache {
public:
    explicit TopicCache(QComboBox& cache) : cache_(cache) {}

    bool stale() const { return stale_; }
    QStringList topics() const;
    // `RebuildTopicCache` over every row of `ds`; the cache is loaded afterwards.
    QStringList rebuild(const table::Dataset& ds);
    // Emptied and marked stale.
    void clear();
    // A topic the card wrote, added to a loaded cache unless it holds it already.
    void add(const QString& topic);

private:
    QComboBox& cache_;
    bool stale_ = true;
};

} // namespace folianto::catalogue
