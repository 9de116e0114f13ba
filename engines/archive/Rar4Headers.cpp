#include "engines/archive/Rar4Headers.h"

#include "engines/codepage/CodePages.h"

#include <QFile>
#include <QStringDecoder>

namespace folianto::archive {

namespace {

constexpr std::uint8_t kMainHead = 0x73;
constexpr std::uint8_t kFileHead = 0x74;
constexpr std::uint8_t kEndArchive = 0x7B;
constexpr std::uint16_t kLongBlock = 0x8000;
constexpr std::uint16_t kEncryptedHeaders = 0x0080;
constexpr std::uint16_t kLargeFile = 0x0100;
constexpr std::uint16_t kUnicodeName = 0x0200;
constexpr std::uint16_t kSplitBefore = 0x0001;
constexpr std::uint16_t kSplitAfter = 0x0002;

std::uint32_t le(const QByteArray& b, qsizetype at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

} // namespace

std::optional<QString> Rar4FileHeader::decodedName() const
{
    if (!unicodeFlag) {
        if (hostOs >= 3) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString name = utf8.decode(rawName);
            if (!utf8.hasError())
                return name;
        }
        return codepage::fromCp866(rawName);
    }
    if (!rawName.contains('\0'))
        return QString::fromUtf8(rawName);
    return std::nullopt;
}

std::optional<QList<Rar4FileHeader>> readRar4FileHeaders(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(7) != QByteArray("Rar!\x1A\x07\x00", 7))
        return std::nullopt;
    const qint64 size = file.size();
    QList<Rar4FileHeader> out;
    qint64 pos = 7;
    while (pos + 7 <= size) {
        file.seek(pos);
        const QByteArray base = file.read(7);
        if (base.size() < 7)
            break;
        const auto type = static_cast<std::uint8_t>(base[2]);
        const auto flags = static_cast<std::uint16_t>(le(base, 3, 2));
        const qint64 headSize = le(base, 5, 2);
        if (headSize < 7 || pos + headSize > size)
            break;
        file.seek(pos);
        const QByteArray head = file.read(headSize);
        if (type == kMainHead && (flags & kEncryptedHeaders))
            return std::nullopt;
        if (type == kEndArchive)
            break;
        qint64 dataSize = 0;
        if (flags & kLongBlock) {
            if (headSize < 11)
                break;
            dataSize = le(head, 7, 4);
        }
        if (type == kFileHead) {
            const qsizetype nameAt = (flags & kLargeFile) ? 40 : 32;
            if (headSize < nameAt)
                break;
            if (flags & kLargeFile)
                dataSize += qint64(le(head, 32, 4)) << 32;
            const qsizetype nameSize = le(head, 26, 2);
            if (nameAt + nameSize > headSize)
                break;
            Rar4FileHeader h;
            h.rawName = head.mid(nameAt, nameSize);
            h.unicodeFlag = flags & kUnicodeName;
            h.crc = le(head, 16, 4);
            h.hostOs = static_cast<std::uint8_t>(head[15]);
            h.split = flags & (kSplitBefore | kSplitAfter);
            out.append(h);
        }
        pos += headSize + dataSize;
    }
    return out;
}

} // namespace folianto::archive
