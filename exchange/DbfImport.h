#pragma once
// The DBF import's work once the fields are assigned: one catalogue row per live table
// record, as the program's command and `folianto-cat import-dbf` both run it.

#include "exchange/ProgressSteps.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace folianto::table {
class Dataset;
}
namespace folianto::dbf {
class DbfReader;
}

namespace folianto::exchange {

// The seven targets a table field can be assigned to, in the order the page lists them.
enum class ImportTarget { Book, Author, Topic, Path, File, Size, Comment };
constexpr int kImportTargets = 7;

// "Книга", "Автор", "Тема", "Путь", "Файл", "Размер", "Комментарий".
const QStringList& importTargetLabels();

struct DbfImportMapping {
    std::array<QString, kImportTargets> fields{}; // source field name per target; empty = none
    QString ext;                                  // `EdExt`: appended to the file name after "."
    bool dos = false;                             // `ChDos`: read the table as OEM text

    QString& operator[](ImportTarget t) { return fields[size_t(t)]; }
    const QString& operator[](ImportTarget t) const { return fields[size_t(t)]; }
};

// "Книга=TITLE,Автор=AUTHOR": a mapping, or nullopt with `error` set for an unknown target, a
// target named twice or a field assigned to two targets.
std::optional<DbfImportMapping> parseImportMap(const QString& text, QString* error);

struct DbfImportResult {
    int added = 0;
    int skipped = 0; // not a whole size, a value that could not be read, a failed post
};

// Appends a row to `ds` for every live record of `table` (from its first), in file order. A
// record whose size is not a whole number, whose values cannot be read or whose row cannot be
// posted adds nothing; the others go on. Nothing is written to a file here. Throws DbfError
// when an assigned field is missing from the table.
DbfImportResult importDbfRecords(table::Dataset& ds, dbf::DbfReader& table, const DbfImportMapping& mapping,
                                 const Progress& progress = {});

// `_FileName` from the path and file texts as the import builds it (see the .cpp).
QString importedFileLink(const std::optional<QString>& path, const QString& file, const QString& ext);
// The size a text names: a whole decimal number, optionally signed, leading blanks allowed.
std::optional<int> wholeNumber(const QString& text);

} // namespace folianto::exchange
