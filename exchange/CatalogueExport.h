#pragma once
// One export as the save command and `folianto-cat export` run it: the chosen type decides
// the form, whatever the extension of the target name.

#include "exchange/ExportFormats.h"

#include <QChar>
#include <QDateTime>
#include <QString>
#include <optional>

namespace folianto::exchange {

struct ExportRequest {
    ExportType type = ExportType::Catalogue;
    QString target;
    QString catalogueFile;       // the catalogue's own file, packed by the zip type
    QChar delimiter = u'\t';     // text type
    QDateTime when;              // the DBF header's time of change
};

// Runs the export over the view's rows. Throws table::TableError or dbf::DbfError with the
// message for the user when a file cannot be written; returns false only when packing the
// zip archive failed (which the program does not report).
bool runExport(const table::Dataset& view, const ExportRequest& request, const Progress& progress = {});

// The delimiter an answer to the delimiter prompt names: its first character, the letter "t"
// (lower case only) standing for Tab; nullopt for an empty answer.
std::optional<QChar> delimiterFromAnswer(const QString& answer);
// The prefilled answer for a delimiter: "t" for Tab, otherwise the character itself.
QString delimiterAnswer(QChar delimiter);

// Names of the types for the command line ("bon", "text", "dbf", "zip", "csv").
std::optional<ExportType> exportTypeNamed(const QString& name);

} // namespace folianto::exchange
