#pragma once
// The table header and field descriptors: what the reader takes from the first bytes of a file
// and the writer puts there. All numbers are little-endian.

#include "engines/dbf/DbfField.h"

#include <QByteArray>
#include <QDateTime>
#include <cstdint>

namespace folianto::dbf {

namespace version {
constexpr std::uint8_t DBase3 = 0x03;
constexpr std::uint8_t VisualFoxPro = 0x30;
constexpr std::uint8_t DBase3Memo = 0x83;
constexpr std::uint8_t DBase4Memo = 0x8B;
constexpr std::uint8_t FoxProMemo = 0xF5;
} // namespace version

enum class MemoKind { None, Dbt512, Dbt4, Fpt };

struct DbfHeader {
    static constexpr int kSize = 32;
    static constexpr int kDescriptorSize = 32;
    static constexpr int kMaxFields = 4096;
    static constexpr int kFoxProBacklink = 263; // bytes after the descriptors of version 0x30

    std::uint8_t version = version::DBase3;
    std::uint32_t storedCount = 0; // the count in the header (informative only on reading)
    int headerLength = 0;
    int recordLength = 0;
    bool enciphered = false;
    bool foxProMemoFlag = false;   // version 0x30: bit 1 of byte 28

    MemoKind memoKind() const;
    int fieldCountFromLength() const; // from the header length, as the version lays it out
};

// Parses the 32-byte header; throws DbfError for fewer bytes.
DbfHeader parseHeader(const QByteArray& bytes);
// Parses `count` descriptors starting at offset 32 and places the fields in the record;
// throws DbfError when a descriptor is missing or the fields overrun the record length.
DbfFields parseDescriptors(const QByteArray& bytes, int count, int recordLength);

// The header bytes the writer keeps current: date (bytes 1-3), count (4), time (16).
void stampHeader(QByteArray& file, std::uint32_t count, const QDateTime& when);
QByteArray descriptorBytes(const DbfField& field);

std::uint16_t readLe16(const char* p);
std::uint32_t readLe32(const char* p);
std::uint32_t readBe32(const char* p);
void writeLe16(char* p, std::uint16_t v);
void writeLe32(char* p, std::uint32_t v);

} // namespace folianto::dbf
