#pragma once
// A small demo catalogue for a first look at the program: a few short Russian sample books,
// one in each code page the reader detects (DOS, KOI-8, Windows), and a catalogue linking them.

#include <QString>

namespace folianto::app {

// Writes the books and "demo.bon" into `folder` (created when missing) and returns the
// catalogue's path; empty when something could not be written. Existing files are replaced.
QString makeDemoCatalogue(const QString& folder);

} // namespace folianto::app
