#pragma once
// The catalogue record: its fields in their order, types and widths, their column titles and
// display widths, and the codes and marks the program keeps in them.

#include "engines/table/FieldDef.h"

#include <QList>
#include <QString>

namespace folianto::catalogue {

// Field names. (Identifiers may not begin with an underscore and a capital, so the
// constants drop the underscore that every field name begins with.)
namespace field {
inline const QString BookName = QStringLiteral("_BookName");
inline const QString Author = QStringLiteral("_Author");
inline const QString Topic = QStringLiteral("_Topic");
inline const QString First = QStringLiteral("_First");
inline const QString Last = QStringLiteral("_Last");
inline const QString Percent = QStringLiteral("_Percent");
inline const QString Size = QStringLiteral("_Size");
inline const QString Comment = QStringLiteral("_Comment");
inline const QString FileName = QStringLiteral("_FileName");
inline const QString Pos = QStringLiteral("_Pos");
inline const QString Oem = QStringLiteral("_Oem");
inline const QString Cur = QStringLiteral("_Cur");
inline const QString Arc = QStringLiteral("_Arc");
inline const QString Alter = QStringLiteral("_Alter");
inline const QString TestFile = QStringLiteral("_TestFile"); // calculated boolean
} // namespace field

// Codes of `_Oem`: how a text book is decoded ("" = detect).
namespace oem {
inline const QString Dos = QStringLiteral("Y");
inline const QString Koi = QStringLiteral("K");
inline const QString Win = QStringLiteral("N");
inline const QString Unicode = QStringLiteral("U"); // UTF-8, or UTF-16 when the file has its mark
} // namespace oem

// Codes of `_Alter`: how a book is opened ("" = normally).
namespace alter {
inline const QString External = QStringLiteral("Y");
inline const QString WordToRtf = QStringLiteral("R");
inline const QString WordToText = QStringLiteral("T");
} // namespace alter

// Marks of `_Cur`.
namespace mark {
inline const QString OpenBook = QStringLiteral("Y");
inline const QString Returning = QStringLiteral("N");
inline const QString LastCurrent = QStringLiteral("1");
} // namespace mark

struct CatalogueField {
    table::FieldDef def;
    QString title;        // column title; empty for fields without one
    int displayWidth = 0; // in characters; 0 for fields never shown
    bool centred = false;
    bool shownInGrid = false;
};

// The fifteen fields in field-number order, the calculated `_TestFile` last.
const QList<CatalogueField>& catalogueFields();
table::FieldDefs catalogueFieldDefs();
// The entry of a field by name, or null when the catalogue has no such field.
const CatalogueField* catalogueField(const QString& name);
// The number of a field by name (its grid column), or -1 when the catalogue has no such field.
int catalogueFieldNumber(const QString& name);
// Column titles by field number (empty where a field has none).
QStringList catalogueColumnTitles();

} // namespace folianto::catalogue
