#pragma once
// The text form of a field value as the reading side sees it: character text with trailing
// blanks gone, numbers in decimal (with the system's decimal separator when they have
// decimals), dates in the system's short format, "True"/"False", memo text.

#include "engines/dbf/DbfField.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

namespace folianto::dbf {

struct ValueContext {
    bool translate = false;                          // OEM (CP866) text instead of Windows-1251
    bool foxPro = false;                             // version 0x30: B is a binary double
    std::function<QByteArray(quint32)> memo = {};     // memo bytes by block; empty without memo
};

// `raw` is exactly the field's bytes in the record. Throws DbfError for a numeric field that
// does not hold a number.
QString valueText(const DbfField& field, QByteArrayView raw, const ValueContext& context);

// Decodes table bytes to text, translated from OEM or passed through as Windows-1251.
QString decodeText(QByteArrayView bytes, bool translate);

} // namespace folianto::dbf
