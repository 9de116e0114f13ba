#include "reader/BookParts.h"

#include <algorithm>
#include <limits>

namespace folianto::reader {

bool isRtfSuffix(const QString& suffix)
{
    return suffix.toLower() == QLatin1String("rtf");
}

BookDivision divideBook(qint64 fileSize, int partSize, const QString& suffix)
{
    if (partSize <= 0 || fileSize <= partSize || isRtfSuffix(suffix))
        return BookDivision{};
    const qint64 count = fileSize / partSize + (fileSize % partSize != 0 ? 1 : 0);
    return BookDivision{true, int(std::min<qint64>(count, std::numeric_limits<int>::max()))};
}

int BookDivision::partForPosition(qint64 position, int partSize) const
{
    if (!divided || partSize <= 0 || position <= 0)
        return 0;
    return int(std::min<qint64>(position / partSize, partCount - 1));
}

ByteRange partRange(int index, int partSize, qint64 fileSize)
{
    const qint64 offset = std::clamp<qint64>(qint64(index) * partSize, 0, fileSize);
    return ByteRange{offset, std::min<qint64>(partSize, fileSize - offset)};
}

} // namespace folianto::reader
