#include "engines/codepage/DeviceSample.h"

#include <QIODevice>

namespace folianto::codepage {

qint64 streamLength(QIODevice& device)
{
    if (!device.isReadable())
        return 0;
    return device.isSequential() ? device.bytesAvailable() : device.size();
}

QByteArray leadingBytes(QIODevice& device, qint64 maxBytes)
{
    if (!device.isReadable() || maxBytes <= 0)
        return {};
    if (device.isSequential())
        return device.peek(maxBytes);

    const qint64 position = device.pos();
    QByteArray bytes;
    if (device.seek(0)) {
        bytes.resize(maxBytes);
        qint64 filled = 0;
        while (filled < maxBytes) {
            const qint64 got = device.read(bytes.data() + filled, maxBytes - filled);
            if (got <= 0)
                break;
            filled += got;
        }
        bytes.truncate(filled);
    }
    device.seek(position);
    return bytes;
}

} // namespace folianto::codepage
