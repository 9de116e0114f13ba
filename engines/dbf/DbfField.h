#pragma once
#include <QList>
#include <QString>

namespace folianto::dbf {

// One field of a table as its descriptor gives it, with its place in the record.
struct DbfField {
    QString name;      // upper case as stored
    char type = 'C';   // type letter in upper case
    int width = 0;     // bytes in the record (character fields may exceed 255)
    int decimals = 0;  // 0 for character fields
    int offset = 0;    // first byte in the record (the status byte is byte 0)

    // Whether the field's value is offered to the reading side (C N F D L M and the Visual
    // FoxPro I T B G); any other type letter is skipped.
    bool offered() const;
};

using DbfFields = QList<DbfField>;

} // namespace folianto::dbf
