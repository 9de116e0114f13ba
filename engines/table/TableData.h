#pragma once
// A table as the file codecs see it: the field definitions and the stored rows in storage
// order, one value per field (null QVariant = empty; calculated fields stay null).

#include "engines/table/FieldDef.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace folianto::table {

struct TableData {
    FieldDefs defs;
    std::vector<std::vector<QVariant>> rows;
};

class RowStore;

// The binary .bon form. decodeBon throws TableError for anything but a whole, sound file.
QByteArray encodeBon(const TableData& table);
// The same straight from the rows of a store.
QByteArray encodeBon(const RowStore& store);
TableData decodeBon(QByteArrayView bytes);
bool looksLikeBon(QByteArrayView bytes); // begins with the magic header

// The XML form, same content.
QByteArray encodeXml(const TableData& table);
TableData decodeXml(QByteArrayView bytes);

// Either form, told apart by content.
TableData decodeTable(QByteArrayView bytes);

// Either form read into a fresh store whose fields are the file's followed by the calculated
// fields of programDefs that the file lacks. A .bon file is decoded straight into the store.
// `consumed`, when given, hears how far the bytes have been read (the bytes before it are not
// read again).
using ConsumedFn = std::function<void(qsizetype offset)>;
std::shared_ptr<RowStore> loadBon(QByteArrayView bytes, const FieldDefs& programDefs, const ConsumedFn& consumed = {});
std::shared_ptr<RowStore> loadTable(QByteArrayView bytes, const FieldDefs& programDefs, const ConsumedFn& consumed = {});
FieldDefs withProgramCalculated(FieldDefs fileDefs, const FieldDefs& programDefs);
// The stored fields and rows of a store, as values.
TableData tableData(const RowStore& store);

// Checks shared by both decoders: names unique and non-empty, types and widths sane.
void checkFieldDefs(const FieldDefs& defs);

} // namespace folianto::table
