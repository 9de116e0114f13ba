#pragma once
// The grid's column set as the `Grid` value holds it: every column's field, title, width,
// visibility, title colour and both fonts, in display order. The encoding is ours: a magic
// header, a version, then the columns; decoding checks every length against the bytes present.

#include "app/settings/ProgramSettings.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace folianto::settings {

// An empty column set encodes as an empty value (which is never written).
QByteArray encodeGrid(const QList<GridColumn>& columns);
// nullopt when the bytes are not a column set this program wrote (or hold no column).
std::optional<QList<GridColumn>> decodeGrid(const QByteArray& bytes);

} // namespace folianto::settings
