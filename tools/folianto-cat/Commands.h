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
