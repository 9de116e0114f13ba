#pragma once
// Writing a QTextDocument as RTF: paragraphs with their alignment, line breaks, tabs, bold,
// italic, underline, strike-out, font families and sizes, text colours. Cyrillic is written
// as Windows-1251 \'hh bytes under fonts with \fcharset204; any other character as \uN.

#include <QByteArray>

class QTextDocument;

namespace folianto::rtf {

QByteArray writeRtf(const QTextDocument& document);

} // namespace folianto::rtf
