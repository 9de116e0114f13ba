#pragma once
// Tables written byte by byte for the tests, so that the reader meets layouts our writer
// never makes: other versions, memo files, deleted records, lying headers.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

namespace folianto::test {

struct RawField {
    QByteArray name;
    char type;
    int width;
    int decimals = 0; // for C: taken from width (its high byte)
};

inline void putLe16(QByteArray& b, int at, int v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

inline void putLe32(QByteArray& b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline void putBe32(QByteArray& b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * (3 - i))) & 0xFF);
}

// A table of the given version whose records are given as whole record bytes (status byte
// included). The header's record count is `claimed` (or the true count when negative).
inline QByteArray rawTable(std::uint8_t version, const QList<RawField>& fields, const QList<QByteArray>& records,
                           int claimed = -1, std::uint8_t flags28 = 0)
{
    const bool fox = version == 0x30;
    const int headerLength = 32 + 32 * int(fields.size()) + 1 + (fox ? 263 : 0);
    int recordLength = 1;
    for (const RawField& f : fields)
        recordLength += f.width;
    QByteArray b(32, '\0');
    b[0] = char(version);
    b[1] = char(124);
    b[2] = 1;
    b[3] = 2;
    putLe32(b, 4, quint32(claimed < 0 ? records.size() : claimed));
    putLe16(b, 8, headerLength);
    putLe16(b, 10, recordLength);
    b[28] = char(flags28);
    for (const RawField& f : fields) {
        QByteArray d(32, '\0');
        d.replace(0, f.name.size(), f.name);
        d[11] = f.type;
        d[16] = char(f.width % 256);
        d[17] = char(f.type == 'C' ? f.width / 256 : f.decimals);
        b += d;
    }
    b += '\x0D';
    if (fox)
        b += QByteArray(263, '\0');
    for (const QByteArray& r : records)
        b += r;
    b += '\x1A';
    return b;
}

// A record from its field texts, each padded with blanks (or cut) to its width.
inline QByteArray rawRecord(const QList<RawField>& fields, const QList<QByteArray>& values, bool deleted = false)
{
    QByteArray r(1, deleted ? '*' : ' ');
    for (int i = 0; i < fields.size(); ++i)
        r += values.value(i).leftJustified(fields[i].width, ' ', true);
    return r;
}

} // namespace folianto::test
