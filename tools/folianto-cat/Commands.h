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
// folianto-cat import-folder CATALOGUE DIR... [options]: files of folders (and dropped-style
// lists of files) as rows; import-bon CATALOGUE OTHER.bon: another catalogue's rows appended;
// import-bbs CATALOGUE FILE --sep1 S [options]: a description file's lines as rows. Each
// writes the catalogue once; failures are reported on standard error with exit code 1.
int runImportFolder(const QStringList& args);
int runImportBon(const QStringList& args);
int runImportBbs(const QStringList& args);
// folianto-cat --help: the usage of every command on standard output.
int runHelp(const QStringList& args);
