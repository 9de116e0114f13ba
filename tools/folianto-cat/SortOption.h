#pragma once
#include <QString>

namespace folianto::table {
class Dataset;
}

// A sort given as an index name ("_Author", "d_Size") or a ";"-separated field list; nothing
// for an empty text. Throws TableError for an unknown field.
void applySort(folianto::table::Dataset& ds, const QString& sort);
