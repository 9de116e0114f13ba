#include "reader/BookEncoding.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/codepage/TextDetect.h"

#include <QBuffer>
#include <algorithm>

namespace folianto::reader {

namespace oem = catalogue::oem;

QString detectOemCode(const QByteArray& bytes, bool rtf)
{
    if (rtf)
        return oem::Win;
    QByteArray sample = bytes; // the detectors read through a device; this shares the bytes
    QBuffer device(&sample);
    device.open(QIODevice::ReadOnly);
    return codepage::plainTextEncodingCode(device);
}

QByteArray recodeToWindows(const QByteArray& bytes, const QString& code)
{
    if (code != oem::Dos && code != oem::Koi)
        return bytes;
    QByteArray recoded = code == oem::Dos ? codepage::dosToWin(bytes) : codepage::koiToWin(bytes);
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        recoded += QByteArrayView(bytes).sliced(zero);
    return recoded;
}

bool isUnicodeCode(const QString& code)
{
    return code == oem::Unicode;
}

QByteArray encodeBookText(const QString& text, const QString& code)
{
    return isUnicodeCode(code) ? text.toUtf8() : codepage::toCp1251(text);
}

qint64 ShownPart::bookPositionOf(qint64 index) const
{
    return start + (unicode ? unicode->byteOffsetOf(qsizetype(std::max<qint64>(index, 0))) : index);
}

qint64 ShownPart::indexOfBookPosition(qint64 position) const
{
    return unicode ? qint64(unicode->indexOfByteOffset(position - start)) : position - start;
}

UnicodePart decodeUnicodePart(const QByteArray& bytes, qint64 offset, qint64 partLength, const QByteArray& head)
{
    const codepage::UnicodeForm form = codepage::byteOrderMarkOf(head).form;
    const QByteArrayView all(bytes);
    const qsizetype length = qsizetype(std::clamp<qint64>(partLength, 0, all.size()));
    // A part that begins inside a character leaves it to the part before, which ends with it.
    const int skip = offset > 0 ? codepage::bytesToCharacterStart(all, offset, form) : 0;
    const int tail = length < all.size()
        ? codepage::bytesToCharacterStart(all.sliced(length), offset + length, form) : 0;
    const qsizetype end = std::min<qsizetype>(all.size(), length + tail);
    const qsizetype begin = std::min<qsizetype>(skip, end);

    UnicodePart part;
    part.shown.start = offset + begin;
    part.shown.unicode = codepage::decodeUnicode(all.sliced(begin, end - begin), form, offset + begin == 0);
    part.text = part.shown.unicode->text();
    return part;
}

} // namespace folianto::reader
