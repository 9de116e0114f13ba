#include "engines/codepage/CodePages.h"

#include "engines/codepage/CodePageTables.h"

#include <array>
#include <cstring>

namespace folianto::codepage {

namespace {

using tables::ByteMap;
using tables::UpperHalf;

// Unicode (BMP) to byte for one page; 0 marks "not in the page" (U+0000 itself is ASCII).
using ReverseMap = std::array<std::uint8_t, 0x10000>;

ReverseMap makeReverse(const UpperHalf& upper)
{
    ReverseMap map{};
    for (int c = 0; c < 0x80; ++c)
        map[c] = std::uint8_t(c);
    for (int i = 0; i < 128; ++i)
        map[upper[i]] = std::uint8_t(0x80 + i);
    return map;
}

const ReverseMap& reverseCp1251()
{
    static const ReverseMap map = makeReverse(tables::kCp1251);
    return map;
}

const ReverseMap& reverseCp866()
{
    static const ReverseMap map = makeReverse(tables::kCp866);
    return map;
}

QString decode(QByteArrayView bytes, const UpperHalf& upper)
{
    QString text(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = in[i];
        out[i] = b < 0x80 ? char16_t(b) : upper[b - 0x80];
    }
    return text;
}

QByteArray encode(QStringView text, const ReverseMap& reverse)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const char16_t* in = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i];
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(in[i + 1])) {
            bytes.append('?'); // one character outside the BMP, one '?'
            ++i;
            continue;
        }
        const std::uint8_t b = reverse[c];
        bytes.append(b != 0 || c == 0 ? char(b) : '?');
    }
    return bytes;
}

qsizetype lengthBeforeZero(QByteArrayView bytes)
{
    const void* zero = bytes.isEmpty() ? nullptr : std::memchr(bytes.data(), 0, size_t(bytes.size()));
    return zero ? static_cast<const char*>(zero) - bytes.data() : bytes.size();
}

void mapBytes(const char* in, char* out, qsizetype n, const ByteMap& map)
{
    const auto* src = reinterpret_cast<const unsigned char*>(in);
    auto* dst = reinterpret_cast<unsigned char*>(out);
    for (qsizetype i = 0; i < n; ++i)
        dst[i] = map[src[i]];
}

QByteArray recodeUpToZero(QByteArrayView bytes, const ByteMap& map)
{
    const qsizetype n = lengthBeforeZero(bytes);
    QByteArray out(n, Qt::Uninitialized);
    mapBytes(bytes.data(), out.data(), n, map);
    return out;
}

qsizetype recodeInPlace(QByteArray& buffer, const ByteMap& map)
{
    const qsizetype n = lengthBeforeZero(buffer);
    if (n > 0) {
        char* data = buffer.data(); // detaches once, before the loop
        mapBytes(data, data, n, map);
    }
    return n;
}

} // namespace

QString fromCp1251(QByteArrayView bytes) { return decode(bytes, tables::kCp1251); }
QByteArray toCp1251(QStringView text) { return encode(text, reverseCp1251()); }
QString fromCp866(QByteArrayView bytes) { return decode(bytes, tables::kCp866); }
QByteArray toCp866(QStringView text) { return encode(text, reverseCp866()); }
QString fromKoi8r(QByteArrayView bytes) { return decode(bytes, tables::kKoi8r); }

QByteArray dosToWin(QByteArrayView bytes) { return recodeUpToZero(bytes, tables::kDosToWin); }
QByteArray koiToWin(QByteArrayView bytes) { return recodeUpToZero(bytes, tables::kKoiToWin); }
qsizetype dosToWinInPlace(QByteArray& buffer) { return recodeInPlace(buffer, tables::kDosToWin); }
qsizetype koiToWinInPlace(QByteArray& buffer) { return recodeInPlace(buffer, tables::kKoiToWin); }

} // namespace folianto::codepage
