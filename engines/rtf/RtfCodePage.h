#pragma once
// The code pages an RTF file names (\ansicpg, \fcharset, \cpg) and decoding bytes in them.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <map>
#include <memory>

namespace folianto::rtf {

// The Windows code page of an RTF character set (\fcharsetN); 0 when the set means
// "the document's code page".
int codePageOfCharset(int charset);

// Decodes bytes in a code page; Windows-1251, CP866 and KOI8-R through our own tables,
// others through Qt, unknown ones as Windows-1252. Keeps one decoder per page it has met.
class CodePageDecoder {
public:
    QString decode(int codePage, QByteArrayView bytes);

private:
    std::map<int, std::unique_ptr<QStringDecoder>> decoders_;
};

} // namespace folianto::rtf
