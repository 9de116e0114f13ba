#pragma once
// Output of the tool: UTF-8 on standard output and standard error.

#include <QString>

void printOut(const QString& text);  // as given, no line break added
void printError(const QString& line); // with a line break
int usageError(const QString& message); // prints the message and the usage, returns 2
QString usageText();                      // the usage of every command
