#pragma once
// The commands of the catalogue view, each group owning its own state: the sort (the active
// index and `Ind_Name`), find and filter (the filter and its three items), and the topic
// window (over the topic cache). The window builds this once and binds its items.

#include "catalogue/FilterCommands.h"
#include "catalogue/SortCommands.h"
#include "catalogue/TopicCommands.h"

namespace folianto::catalogue {

class TopicCache;

// The window's controls these commands work on.
struct CatalogueViewControls {
    QTableView& grid;    // `DBG`, its titles included
    FilterItems filterItems;
    TopicCache& topics;  // shared with the book card
};

class CatalogueViewCommands {
public:
    CatalogueViewCommands(Catalogue& catalogue, CatalogueViewControls controls, CatalogueViewHost& host);

    SortCommands& sort() { return sort_; }
    FilterCommands& filter() { return filter_; }
    TopicCommands& topics() { return topics_; }

private:
    SortCommands sort_;
    FilterCommands filter_;
    TopicCommands topics_;
};

} // namespace folianto::catalogue
