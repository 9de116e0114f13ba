#pragma once
#include <QString>

namespace folianto::table {
class Dataset;
}

// What dump and export read of a catalogue: its rows in the order of `sort` (an index name such
// as "_Author" or "d_Size", or a ";"-separated field list; none when empty), passing `filter`
// (none when empty).
struct CatalogueViewOptions {
    QString file;
    QString sort;
    QString filter;
    bool noCase = false;
};

// Opens the catalogue into `ds` and applies the sort and the filter; on failure prints the
// reason and returns false.
bool openCatalogueView(folianto::table::Dataset& ds, const CatalogueViewOptions& options);
