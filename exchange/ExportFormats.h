#pragma once
// The forms a catalogue is exported in, each built from the rows of a cursor's current view
// (its filter and sort), in view order, without moving the cursor: delimited text, CSV UTF-8,
// a dBase III table and a catalogue copy. Each writes its file atomically: a failure throws
// and leaves nothing under the chosen name.

#include "exchange/ProgressSteps.h"

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace folianto::table {
class Dataset;
}
namespace folianto::dbf {
class DbfWriter;
}

namespace folianto::exchange {

// The save dialog's file types, numbered as the dialog lists them.
enum class ExportType { Catalogue = 1, Text = 2, Dbf = 3, Zip = 4, CsvUtf8 = 5 };

// One line per row: number in the view, title, author, topic, comment, file link and size,
// joined by the delimiter, no quoting, each line ending in CR LF; Windows-1251.
QByteArray delimitedText(const table::Dataset& view, QChar delimiter, const Progress& progress = {});
// The same columns with a header line, RFC 4180 quoting, CR LF, UTF-8 with a byte-order mark.
QByteArray csvUtf8(const table::Dataset& view, const Progress& progress = {});
// The six-field dBase III table in the DOS code page.
dbf::DbfWriter dbfTable(const table::Dataset& view, const QDateTime& when, const Progress& progress = {});
QStringList dbfExportFields(); // "BookName;C;70;0", ...

// Throw table::TableError (text forms, copy) or dbf::DbfError (table) when writing fails.
void writeDelimitedText(const table::Dataset& view, const QString& path, QChar delimiter,
                        const Progress& progress = {});
void writeCsvUtf8(const table::Dataset& view, const QString& path, const Progress& progress = {});
// Returns the name written (".DBF" added to a name without an extension).
QString writeDbfTable(const table::Dataset& view, const QString& path, const QDateTime& when,
                      const Progress& progress = {});
// Without a filter the whole catalogue; with one only the rows of the view, in view order,
// through a temporary table. A name ending in ".xml" gets the XML form.
void writeCatalogueCopy(const table::Dataset& view, const QString& path, const Progress& progress = {});

} // namespace folianto::exchange
