#pragma once
// Turning a Word or HTML document into RTF or plain text before it is read (`ConvertWithWord`).
// The converter that comes with the reader has no word processor behind it: it converts
// nothing, so the document is loaded as it is.

#include <QString>

namespace folianto::reader {

class DocumentConverter {
public:
    virtual ~DocumentConverter() = default;
    // True when `bookFile` now names a non-empty converted file (RTF when toRtf, else text).
    // A book that came out of an archive (fromArchive) is converted beside itself; any other
    // into `workFolder`. On failure `bookFile` is left as it was and nothing is reported.
    virtual bool ConvertWithWord(QString& bookFile, bool toRtf, bool fromArchive, const QString& workFolder) = 0;
};

class NoDocumentConverter : public DocumentConverter {
public:
    bool ConvertWithWord(QString&, bool, bool, const QString&) override { return false; }
};

} // namespace folianto::reader
