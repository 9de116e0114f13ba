#pragma once
// The text of a selection as the reading commands pass it on: pasted into a catalogue field
// on one line, or written to a file with CR LF line breaks.

#include <QString>

namespace folianto::reader {

// Trimmed of blanks and control characters at both ends, every tab and line break turned
// into a space and every run of spaces reduced to one.
QString selectionForField(const QString& selected);

// Paragraph and line separators of a text control (and lone LF or CR) as CR LF.
QString withCrLf(const QString& text);

} // namespace folianto::reader
