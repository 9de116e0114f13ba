#pragma once
// A table as the file codecs see it: the field definitions and the stored rows in storage
// order, one value per field (null QVariant = empty; calculated fields stay null).

#include "engines/table/FieldDef.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QVariant>
#include <vector>

namespace folianto::table {

struct TableData {
    FieldDefs defs;
    std::vector<std::vector<QVariant>> rows;
};

// The binary .bon form. decodeBon throws TableError for anything but a whole, sound file.
QByteArray encodeBon(const TableData& table);
// The same from rows held elsewhere, without copying them.
QByteArray encodeBon(const FieldDefs& defs, const std::vector<const std::vector<QVariant>*>& rows);
TableData decodeBon(QByteArrayView bytes);
bool looksLikeBon(QByteArrayView bytes); // begins with the magic header

// The XML form, same content.
QByteArray encodeXml(const TableData& table);
TableData decodeXml(QByteArrayView bytes);

// Either form, told apart by content.
TableData decodeTable(QByteArrayView bytes);

// Checks shared by both decoders: names unique and non-empty, types and widths sane.
void checkFieldDefs(const FieldDefs& defs);

} // namespace folianto::table
