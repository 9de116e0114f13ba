#include "engines/dbf/DbfHeader.h"

#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfError.h"

#include <QtEndian>
#include <cstring>

namespace folianto::dbf {

bool DbfField::offered() const
{
    return QByteArrayView("CNFDLMITBG").contains(type);
}

std::uint16_t readLe16(const char* p) { return qFromLittleEndian<std::uint16_t>(p); }
std::uint32_t readLe32(const char* p) { return qFromLittleEndian<std::uint32_t>(p); }
std::uint32_t readBe32(const char* p) { return qFromBigEndian<std::uint32_t>(p); }
void writeLe16(char* p, std::uint16_t v) { qToLittleEndian(v, p); }
void writeLe32(char* p, std::uint32_t v) { qToLittleEndian(v, p); }

MemoKind DbfHeader::memoKind() const
{
    switch (version) {
    case version::DBase3Memo:
        return MemoKind::Dbt512;
    case version::DBase4Memo:
        return MemoKind::Dbt4;
    case version::FoxProMemo:
        return MemoKind::Fpt;
    case version::VisualFoxPro:
        return foxProMemoFlag ? MemoKind::Fpt : MemoKind::None;
    default:
        return MemoKind::None;
    }
}

int DbfHeader::fieldCountFromLength() const
{
    const int fixed = version == version::VisualFoxPro ? kSize + 1 + kFoxProBacklink : kSize + 1;
    return headerLength < fixed ? 0 : (headerLength - fixed) / kDescriptorSize;
}

DbfHeader parseHeader(const QByteArray& bytes)
{
    if (bytes.size() < DbfHeader::kSize)
        throw DbfError(QStringLiteral("file too short for a table header"));
    const char* p = bytes.constData();
    DbfHeader h;
    h.version = std::uint8_t(p[0]);
    h.storedCount = readLe32(p + 4);
    h.headerLength = readLe16(p + 8);
    h.recordLength = readLe16(p + 10);
    h.enciphered = p[15] != 0;
    h.foxProMemoFlag = (std::uint8_t(p[28]) & 2) != 0;
    return h;
}

DbfFields parseDescriptors(const QByteArray& bytes, int count, int recordLength)
{
    if (qsizetype(DbfHeader::kSize) + qsizetype(count) * DbfHeader::kDescriptorSize > bytes.size())
        throw DbfError(QStringLiteral("field descriptors cut short"));
    DbfFields fields;
    fields.reserve(count);
    int offset = 1;
    for (int i = 0; i < count; ++i) {
        const char* d = bytes.constData() + DbfHeader::kSize + i * DbfHeader::kDescriptorSize;
        DbfField f;
        f.name = codepage::fromCp1251(QByteArrayView(d, qsizetype(strnlen(d, 11)))).toUpper();
        f.type = char(QChar::fromLatin1(d[11]).toUpper().toLatin1());
        const int lo = std::uint8_t(d[16]);
        const int hi = std::uint8_t(d[17]);
        f.width = f.type == 'C' ? lo + 256 * hi : lo;
        f.decimals = f.type == 'C' ? 0 : hi;
        f.offset = offset;
        offset += f.width;
        if (offset > recordLength)
            throw DbfError(QStringLiteral("fields overrun the record length"));
        fields.append(f);
    }
    return fields;
}

void stampHeader(QByteArray& file, std::uint32_t count, const QDateTime& when)
{
    char* p = file.data();
    const QDate d = when.date();
    p[1] = char(d.year() % 100);
    p[2] = char(d.month());
    p[3] = char(d.day());
    writeLe32(p + 4, count);
    const QTime t = when.time();
    writeLe32(p + 16, std::uint32_t(((t.hour() * 64 + t.minute()) * 64 + t.second()) * 1024 + t.msec()));
}

QByteArray descriptorBytes(const DbfField& field)
{
    QByteArray d(DbfHeader::kDescriptorSize, '\0');
    const QByteArray name = codepage::toCp1251(field.name).left(10);
    std::memcpy(d.data(), name.constData(), size_t(name.size()));
    d[11] = field.type;
    if (field.type == 'C') {
        d[16] = char(field.width % 256);
        d[17] = char(field.width / 256);
    } else {
        d[16] = char(field.width);
        d[17] = char(field.decimals);
    }
    return d;
}

} // namespace folianto::dbf
