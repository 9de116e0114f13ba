#pragma once
// `ConvertWithWord` through LibreOffice: `soffice --headless --convert-to` turns a Word or
// HTML document into RTF or Windows-1251 text. It runs without a shell, with a profile of its
// own inside the work folder, so that a LibreOffice the user has open is neither disturbed nor
// in the way. Where soffice is missing, fails or runs out of time, nothing is converted and
// nothing is reported: the document is then loaded as it is.

#include "reader/DocumentConverter.h"

#include <functional>

namespace folianto::reader {

struct LibreOfficeSettings {
    QString program = QStringLiteral("soffice"); // a name looked up in PATH, or a path
    int timeLimitMs = 180000;                    // a conversion that takes longer is ended
    std::function<void()> whileWaiting;          // called about ten times a second meanwhile
};

class LibreOfficeConverter : public DocumentConverter {
public:
    explicit LibreOfficeConverter(LibreOfficeSettings settings = {});
    bool ConvertWithWord(QString& bookFile, bool toRtf, bool fromArchive, const QString& workFolder) override;

    // The file a conversion of `source` produces, before any check: its extension replaced by
    // ".RTF" or ".TXT", in the work folder unless the source came out of an archive.
    static QString targetFile(const QString& source, bool toRtf, bool fromArchive, const QString& workFolder);

private:
    bool runOffice(const QString& source, bool toRtf, const QString& outFolder, const QString& workFolder) const;

    LibreOfficeSettings settings_;
};

} // namespace folianto::reader
