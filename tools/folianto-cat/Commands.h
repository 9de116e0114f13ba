#pragma once
#include <QStringList>

// Each command takes the arguments after its name and returns the exit code.
int runDump(const QStringList& args);
int runLoad(const QStringList& args);
int runVerify(const QStringList& args);

// folianto-cat detect FILE...: for each file, the encoding code the reader stores for a plain
// text ("Y" DOS, "K" KOI-8, "N" Windows), a tab and the path. Unreadable files are reported on
// standard error and make the exit code 1; no file at all is a usage error (2).
int runDetect(const QStringList& args);

// folianto-cat export CATALOGUE --to TYPE OUT: the rows of the catalogue (filtered and sorted
// when asked) as text, CSV, a dBase III table, a catalogue copy, or the file packed in a zip.
int runExport(const QStringList& args);
// folianto-cat import-dbf CATALOGUE TABLE: appends one row per live table record, with the
// table's fields assigned to the catalogue's by --map.
int runImportDbf(const QStringList& args);
