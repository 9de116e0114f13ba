#pragma once
// The genre codes of the FictionBook 2 genre list with their Russian names, so that a topic
// taken from a book reads "Классическая проза" rather than "prose_classic".

#include <QString>
#include <QStringView>

namespace folianto::fb2 {

// The Russian name of a genre code (case-insensitive); the code itself when it is not listed.
QString genreName(QStringView code);

} // namespace folianto::fb2
