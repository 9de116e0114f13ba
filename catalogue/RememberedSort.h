#pragma once
// The catalogue's sort: the index a sort by fields gets (`ApplySort`'s index part), and the
// sort a catalogue gets when it opens, from the remembered index name `Ind_Name`: a field name
// (ascending), "d" and a field name (descending), or a ";"-separated field list.

#include "engines/table/Dataset.h"

namespace folianto::catalogue {

struct SortChoice {
    QString indexName; // the name the index is registered under (the remembered text itself)
    QString fields;    // ";"-separated
    bool descending = false;
};

// An empty name counts as "_BookName".
SortChoice sortFromRememberedName(const QString& indName);

// The name of the index for a sort: the field, "d" and the field, or "ind_grp" for a list.
QString sortIndexName(const QString& sortFields, bool descending);

// Makes `ds` ordered by the fields: a field list gets the index "ind_grp" defined afresh; one
// field the index of its name, added when missing. Returns the text to remember as `Ind_Name`
// (the field list itself for a list). Throws table::TableError when it cannot.
QString applySortIndex(table::Dataset& ds, const QString& sortFields, bool descending);

// Applies the remembered sort; throws table::TableError when it cannot.
void applyRememberedSort(table::Dataset& ds, const QString& indName);

} // namespace folianto::catalogue
