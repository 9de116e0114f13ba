#pragma once
// Reading RTF for the rich reading view, and its plain text.

#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace folianto::rtf {

// True when the bytes begin as an RTF file does: "{\rtf".
bool looksLikeRtf(QByteArrayView bytes);

// Replaces the document's content with the RTF's text and formatting. Bytes that are not RTF
// are shown as Windows-1251 plain text. Malformed RTF shows as far as it can be read.
void readRtfInto(QByteArrayView rtf, QTextDocument& document);

// The RTF's text: paragraphs and line breaks end with "\n", tabs stay tabs.
QString rtfPlainText(QByteArrayView rtf);

} // namespace folianto::rtf
