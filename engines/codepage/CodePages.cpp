#include "engines/codepage/CodePages.h"

#include "engines/codepage/CodePageTables.h"

#include <array>
#include <cstring>

namespace folianto::codepage {

namespace {

using tables::ByteMap;
using tables::UpperHalf;

// Unicode (BMP) to byte for one page; a character not in the page maps to '?'.
using ReverseMap = std::array<std::uint8_t, 0x10000>;

ReverseMap makeReverse(const UpperHalf& upper)
{
    ReverseMap map;
    map.fill(std::uint8_t('?'));
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

// All 256 bytes of a page as Unicode, so that decoding is one look-up per byte.
using FullTable = std::array<char16_t, 256>;

constexpr FullTable makeFull(const UpperHalf& upper)
{
    FullTable table{};
    for (int b = 0; b < 256; ++b)
        table[b] = b < 0x80 ? char16_t(b) : upper[b - 0x80];
    return table;
}

constexpr FullTable kFullCp1251 = makeFull(tables::kCp1251);
constexpr FullTable kFullCp866 = makeFull(tables::kCp866);
constexpr FullTable kFullKoi8r = makeFull(tables::kKoi8r);

QString decode(QByteArrayView bytes, const FullTable& table)
{
    QString text(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i)
        out[i] = table[in[i]];
    return text;
}

QByteArray encode(QStringView text, const ReverseMap& reverse)
{
    const char16_t* in = text.utf16();
    const qsizetype n = text.size();
    QByteArray bytes(n, Qt::Uninitialized);
    char* out = bytes.data();
    qsizetype written = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i];
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(in[i + 1]))
            ++i; // one character outside the BMP, one '?' (a surrogate is in no page)
        out[written++] = char(reverse[c]);
    }
    bytes.truncate(written);
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

QString fromCp1251(QByteArrayView bytes) { return decode(bytes, kFullCp1251); }
QByteArray toCp1251(QStringView text) { return encode(text, reverseCp1251()); }
QString fromCp866(QByteArrayView bytes) { return decode(bytes, kFullCp866); }
QByteArray toCp866(QStringView text) { return encode(text, reverseCp866()); }
QString fromKoi8r(QByteArrayView bytes) { return decode(bytes, kFullKoi8r); }

QByteArray dosToWin(QByteArrayView bytes) { return recodeUpToZero(bytes, tables::kDosToWin); }
QByteArray koiToWin(QByteArrayView bytes) { return recodeUpToZero(bytes, tables::kKoiToWin); }
qsizetype dosToWinInPlace(QByteArray& buffer) { return recodeInPlace(buffer, tables::kDosToWin); }
qsizetype koiToWinInPlace(QByteArray& buffer) { return recodeInPlace(buffer, tables::kKoiToWin); }

} // namespace folianto::codepage
