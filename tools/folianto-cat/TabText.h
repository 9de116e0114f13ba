#pragma once
// The tab-separated row form load reads (dump writes it through OutBuffer::escaped): fields
// separated by tabs; inside a value a tab, line feed, carriage return and backslash are
// written \t, \n, \r and \\.

#include <QString>
#include <vector>

// The values of one line, its escapes undone in place: the views point into `line`. False
// when the line holds an unknown or unfinished escape.
bool splitLineInPlace(QString& line, std::vector<QStringView>& values);
