#include "engines/archive/HaDirectory.h"

#include "engines/archive/EntryName.h"
#include "engines/codepage/CodePages.h"

#include <QFile>
#include <QIODevice>

namespace folianto::archive {

namespace {

std::uint32_t le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(u[0]) | std::uint32_t(u[1]) << 8 | std::uint32_t(u[2]) << 16
        | std::uint32_t(u[3]) << 24;
}

// Bytes up to (not including) the next zero byte; nullopt when none comes within the limit.
std::optional<QByteArray> readZeroEnded(QIODevice& device, int limit)
{
    QByteArray out;
    char ch = 0;
    while (device.getChar(&ch)) {
        if (ch == 0)
            return out;
        if (out.size() >= limit)
            return std::nullopt;
        out.append(ch);
    }
    return std::nullopt;
}

} // namespace

std::optional<QList<HaEntry>> HaDirectory::read(QIODevice& device)
{
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray start = device.read(4);
    if (start.size() < 2 || !start.startsWith("HA"))
        return std::nullopt;
    QList<HaEntry> entries;
    if (start.size() < 4)
        return entries;
    const int count = static_cast<unsigned char>(start[2]) | static_cast<unsigned char>(start[3]) << 8;
    const qint64 size = device.size();
    qint64 pos = 4;

    while (entries.size() < count && pos < size - 1) {
        if (!device.seek(pos))
            break;
        const QByteArray head = device.read(17);
        if (head.size() < 17)
            break;
        HaEntry e;
        e.type = static_cast<std::uint8_t>(head[0]);
        e.packedSize = le32(head.constData() + 1);
        e.unpackedSize = le32(head.constData() + 5);
        e.crc = le32(head.constData() + 9);
        e.time = le32(head.constData() + 13);
        if (e.packedSize == 0 || e.unpackedSize == 0)
            break;
        const auto path = readZeroEnded(device, kMaxNameBytes);
        if (!path)
            break;
        const auto name = readZeroEnded(device, kMaxNameBytes);
        if (!name)
            break;
        const qint64 infoAt = device.pos();
        const QByteArray info = device.read(3);
        if (info.size() < 3)
            break;
        const int infoLength = static_cast<unsigned char>(info[0]);
        e.dataOffset = infoAt + 1 + infoLength;
        e.madeUnderDos = infoLength == 2 && info[1] == 1;

        e.rawPath = *path + *name;
        e.rawPath.replace('\xFF', '\\');
        e.path = codepage::fromCp866(e.rawPath);
        e.displayName = bareFileName(e.path);
        entries.append(e);

        if (!e.madeUnderDos)
            break;
        pos = e.dataOffset + e.packedSize;
    }
    return entries;
}

std::optional<QList<HaEntry>> HaDirectory::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return read(file);
}

} // namespace folianto::archive
