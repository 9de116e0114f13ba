#include "engines/rtf/RtfCodePage.h"

#include "engines/codepage/CodePages.h"

namespace folianto::rtf {

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return 1252; // symbol fonts: the bytes are shown as they are
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0; // 1 (default) and unknown sets: the document's page
    }
}

namespace {

QByteArray qtNameOf(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    case 10007: return "x-mac-cyrillic";
    case 21866: return "KOI8-U";
    case 65001: return "UTF-8";
    default: break;
    }
    if (codePage >= 1250 && codePage <= 1258)
        return "windows-" + QByteArray::number(codePage);
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    return "windows-1252";
}

} // namespace

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes)
{
    switch (codePage) {
    case 1251: return codepage::fromCp1251(bytes);
    case 866: return codepage::fromCp866(bytes);
    case 20866: return codepage::fromKoi8r(bytes);
    default: break;
    }
    auto& decoder = decoders_[codePage];
    if (!decoder) {
        decoder = std::make_unique<QStringDecoder>(qtNameOf(codePage).constData(), QStringDecoder::Flag::Stateless);
        if (!decoder->isValid())
            decoder = std::make_unique<QStringDecoder>("windows-1252", QStringDecoder::Flag::Stateless);
    }
    if (!decoder->isValid())
        return QString::fromLatin1(bytes);
    return decoder->decode(bytes);
}

} // namespace folianto::rtf
