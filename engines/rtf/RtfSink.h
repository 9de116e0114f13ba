#pragma once
// What the RTF parser hands on: runs of text with their character style, and paragraph ends.

#include <QColor>
#include <QString>

namespace folianto::rtf {

struct CharStyle {
    QString family;     // empty: the view's own font
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 0; // font size in half points; 0: the view's own size
    QColor color;       // invalid: the view's own colour

    bool operator==(const CharStyle&) const = default;
};

enum class Alignment { Left, Center, Right, Justify };

class RtfSink {
public:
    virtual ~RtfSink() = default;
    // A run of text; a line break within the paragraph is U+2028.
    virtual void text(const QString& run, const CharStyle& style) = 0;
    // The current paragraph ends here, with this alignment; another one begins.
    virtual void paragraphEnd(Alignment alignment) = 0;
    // The end of the document: the alignment of the last paragraph.
    virtual void finish(Alignment alignment) = 0;
};

} // namespace folianto::rtf
