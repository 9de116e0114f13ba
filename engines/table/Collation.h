#pragma once
// Text order and comparison shared by sorting, locate and the filter: Russian alphabetical,
// case-sensitive unless asked otherwise, nulls before every value.
//
// The order: blanks and punctuation, then digits, then Latin letters, then Cyrillic letters in
// the order of the Russian alphabet, then any other letters. Letters are compared first without
// regard to case, with ё filed together with е. Texts that are alike in that sense are decided
// at their first difference: е before Е before ё before Ё (lowercase first, ё after е). With
// caseInsensitive only the е/ё difference remains, and Пушкин equals ПУШКИН.

#include "engines/table/FieldDef.h"

#include <QByteArray>
#include <QStringView>
#include <QVariant>

namespace folianto::table {

int compareText(QStringView a, QStringView b, bool caseInsensitive = false);
bool textEquals(QStringView a, QStringView b, bool caseInsensitive = false);
bool textStartsWith(QStringView text, QStringView prefix, bool caseInsensitive = false);
// The beginning of text, as long as prefix, against prefix by letters alone (case and the
// е/ё difference set aside; a shorter text first). The order of compareText, either case rule,
// never puts a text comparing greater before one comparing less, and every text that equals
// or begins with prefix, with or without regard to case, compares 0: the rows a locate can
// find form one run of a view sorted on that field.
int comparePrefixByLetters(QStringView text, QStringView prefix);
// Values of one field type; a null QVariant orders before every value and equals only null.
int compareValues(const QVariant& a, const QVariant& b, FieldType type, bool caseInsensitive = false);

// A byte string whose plain byte order (memcmp, QByteArray::compare) is the order of
// compareText with the same case rule; equal keys exactly when compareText gives 0.
// Precompute it once per row to sort many texts quickly.
QByteArray collationKey(QStringView text, bool caseInsensitive = false);
// The same key written at out (collationKeySize bytes); returns the end.
constexpr qsizetype collationKeySize(qsizetype textSize) { return textSize * 3 + 2; }
char* writeCollationKey(QStringView text, char* out, bool caseInsensitive = false);

// The case-folded form of one UTF-16 code unit: equal folds are equal without regard to case.
char16_t foldCase(char16_t c);

} // namespace folianto::table
