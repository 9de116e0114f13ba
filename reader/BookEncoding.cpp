#include "reader/BookEncoding.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/codepage/TextDetect.h"

#include <QBuffer>

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

} // namespace folianto::reader
