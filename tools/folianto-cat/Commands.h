#pragma once
#include <QStringList>

// Each command takes the arguments after its name and returns the exit code.
int runDump(const QStringList& args);
int runLoad(const QStringList& args);
int runVerify(const QStringList& args);
