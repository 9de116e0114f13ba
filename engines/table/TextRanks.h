#pragma once
// Where each row's text of one field stands in the collation order, as a number: sorting by
// it sorts by the text. Made once per field and kept by the store until its rows change, so
// the collation keys are built once however often a cursor sorts by that field.

#include "engines/table/RowData.h"

#include <vector>

namespace folianto::table {

struct TextRanks {
    std::vector<quint32> byId; // by row id - firstId: 1 for the first text, 0 for null
    qint64 firstId = 0;
    quint32 top = 0;           // the highest rank
    quint32 of(const Row* row) const { return byId[size_t(row->id - firstId)]; }
};

// Ranks of the field's texts over rows indexed by id - firstId (null where a row was removed);
// equal texts share a rank.
TextRanks rankTexts(const std::vector<Row*>& rows, qint64 firstId, const RowFormat& format, int field);

} // namespace folianto::table
