#pragma once
// The sort a catalogue gets when it opens, from the remembered index name `Ind_Name`: a field
// name (ascending), "d" and a field name (descending), or a ";"-separated field list.

#include "engines/table/Dataset.h"

namespace folianto::catalogue {

struct SortChoice {
    QString indexName; // the name the index is registered under (the remembered text itself)
    QString fields;    // ";"-separated
    bool descending = false;
};

// An empty name counts as "_BookName".
SortChoice sortFromRememberedName(const QString& indName);

// Registers the index and makes it active; throws table::TableError when it cannot.
void applyRememberedSort(table::Dataset& ds, const QString& indName);

} // namespace folianto::catalogue
