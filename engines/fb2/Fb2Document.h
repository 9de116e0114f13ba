#pragma once
// A FictionBook 2 file shown formatted: the cover, section titles, subtitles, paragraphs with
// emphasis and strong text, epigraphs, poems with stanzas and verses, citations, empty lines,
// pictures where they stand and the footnote bodies at the end.

#include <QtGlobal>

class QIODevice;
class QTextDocument;

namespace folianto::fb2 {

struct RenderLimits {
    int imageWidth = 600;                   // pictures wider than this are scaled down to it
    qsizetype maxCharacters = 12'000'000;   // the text shown stops here
    qsizetype maxImageBase64 = 24 << 20;    // a bigger picture is left out
    int maxImages = 2000;
};

// Replaces the document's content with the book read from the device. A malformed or
// truncated file shows as far as it can be read; bytes that are not FictionBook give an
// empty document. Returns false when the file could not be read to its end.
bool readFb2Into(QIODevice& device, QTextDocument& document, const RenderLimits& limits = {});

} // namespace folianto::fb2
