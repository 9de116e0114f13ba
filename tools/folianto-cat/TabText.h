#pragma once
// The tab-separated row form shared by dump and load: fields separated by tabs; inside a
// value a tab, line feed, carriage return and backslash are written \t, \n, \r and \\.

#include <QString>
#include <QStringList>
#include <optional>

QString escapeField(const QString& value);
// The values of one line, or nothing when it holds an unknown or unfinished escape.
std::optional<QStringList> splitLine(const QString& line);
