#pragma once
// Small archives made in the tests: HA and stored RAR 4 archives byte by byte, zip archives
// through libzip. Names are given as the raw bytes to store (CP866 for DOS names). Shared by
// the archive engine tests and the reader's extractor tests.

#include "engines/archive/Crc32.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <zip.h>

namespace folianto::test {

inline void putLe16(QByteArray& out, std::uint32_t v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

inline void putLe32(QByteArray& out, std::uint32_t v)
{
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

// ---- HA ----------------------------------------------------------------------------------

struct HaItem {
    QByteArray path;  // folders, each followed by 0xFF
    QByteArray name;
    QByteArray data;  // packed data as stored
    int method = 0;   // 0 stored, 1 and 2 compressed
    bool dos = true;  // false: machine information of a Unix archiver
    std::optional<std::uint32_t> packedSize = {};   // defaults to data.size()
    std::optional<std::uint32_t> unpackedSize = {}; // defaults to data.size()
    std::optional<std::uint32_t> crc = {};          // defaults to the CRC of data
};

inline QByteArray haArchive(const QList<HaItem>& items, std::optional<int> count = std::nullopt)
{
    QByteArray out("HA");
    putLe16(out, std::uint32_t(count.value_or(int(items.size()))));
    for (const HaItem& it : items) {
        out.append(char(0x20 | it.method));
        putLe32(out, it.packedSize.value_or(std::uint32_t(it.data.size())));
        putLe32(out, it.unpackedSize.value_or(std::uint32_t(it.data.size())));
        putLe32(out, it.crc.value_or(archive::crc32(it.data)));
        putLe32(out, 1577836800); // 2020-01-01
        out.append(it.path).append('\0').append(it.name).append('\0');
        if (it.dos)
            out.append(QByteArray::fromHex("020120"));
        else
            out.append(QByteArray::fromHex("0302a481"));
        out.append(it.data);
    }
    return out;
}

// ---- RAR 4, stored ---------------------------------------------------------------------------

struct RarItem {
    QByteArray name;   // raw bytes, '\' between folders
    QByteArray data;
    bool folder = false;
    bool corruptData = false; // stores data whose CRC does not match
    int hostOs = 0;           // 0 MS-DOS, 2 Windows, 3 Unix
};

inline void putRarBlock(QByteArray& out, const QByteArray& body)
{
    putLe16(out, archive::crc32(body) & 0xFFFF);
    out.append(body);
}

inline QByteArray rar4Archive(const QList<RarItem>& items)
{
    QByteArray out = QByteArray::fromHex("526172211a0700");
    QByteArray main;
    main.append(char(0x73));
    putLe16(main, 0);
    putLe16(main, 13);
    putLe16(main, 0);
    putLe32(main, 0);
    putRarBlock(out, main);
    for (const RarItem& it : items) {
        QByteArray head;
        head.append(char(0x74));
        putLe16(head, 0x8000 | (it.folder ? 0xE0 : 0));
        putLe16(head, std::uint32_t(32 + it.name.size()));
        putLe32(head, std::uint32_t(it.data.size()));
        putLe32(head, std::uint32_t(it.data.size()));
        head.append(char(it.hostOs));
        putLe32(head, archive::crc32(it.data));
        putLe32(head, 0x50210000); // 2020-01-01 00:00 as a DOS time
        head.append(char(20));     // version 2.0 to unpack
        head.append(char(0x30));   // stored
        putLe16(head, std::uint32_t(it.name.size()));
        putLe32(head, it.folder ? 0x10 : 0x20);
        head.append(it.name);
        putRarBlock(out, head);
        QByteArray data = it.data;
        if (it.corruptData && !data.isEmpty())
            data[0] = char(data[0] ^ 0x55);
        out.append(data);
    }
    QByteArray end;
    end.append(char(0x7B));
    putLe16(end, 0x4000);
    putLe16(end, 7);
    putRarBlock(out, end);
    return out;
}

// ---- zip through libzip ------------------------------------------------------------------------

struct ZipItem {
    QByteArray name;          // UTF-8, or raw DOS bytes when `dosName`
    QByteArray data;
    bool folder = false;
    bool dosName = false;     // stored without the UTF-8 flag, bytes as given
    QByteArray password = {}; // traditional encryption when not empty
    bool stored = false;      // no compression
};

inline void makeZip(const QString& path, const QList<ZipItem>& items)
{
    int error = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!za)
        throw std::runtime_error("zip_open failed");
    for (const ZipItem& it : items) {
        const zip_flags_t enc = it.dosName ? ZIP_FL_ENC_CP437 : ZIP_FL_ENC_UTF_8;
        zip_int64_t idx = -1;
        if (it.folder) {
            idx = zip_dir_add(za, it.name.constData(), enc);
        } else {
            // libzip keeps the pointer until zip_close: give it its own copy.
            void* copy = std::malloc(std::size_t(qMax<qsizetype>(1, it.data.size())));
            std::memcpy(copy, it.data.constData(), std::size_t(it.data.size()));
            zip_source_t* src = zip_source_buffer(za, copy, zip_uint64_t(it.data.size()), 1);
            idx = zip_file_add(za, it.name.constData(), src, enc);
            if (idx >= 0 && it.stored)
                zip_set_file_compression(za, zip_uint64_t(idx), ZIP_CM_STORE, 0);
            if (idx >= 0 && !it.password.isEmpty())
                zip_file_set_encryption(za, zip_uint64_t(idx), ZIP_EM_TRAD_PKWARE, it.password.constData());
        }
        if (idx < 0)
            throw std::runtime_error("zip_file_add failed");
    }
    if (zip_close(za) != 0)
        throw std::runtime_error("zip_close failed");
}

// Flips one byte of the first occurrence of `marker` in a file (to damage stored data).
inline void damageFile(const QString& path, const QByteArray& marker)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        throw std::runtime_error("cannot open file to damage");
    QByteArray bytes = f.readAll();
    const qsizetype at = bytes.indexOf(marker);
    if (at < 0)
        throw std::runtime_error("marker not found");
    bytes[at] = char(bytes[at] ^ 0x20);
    f.seek(0);
    f.write(bytes);
}

// The folianto-ha program of this build: FOLIANTO_HA when set, else the app folder of the build.
inline QString foliantoHaProgram()
{
    const QString fromEnv = qEnvironmentVariable("FOLIANTO_HA");
    if (!fromEnv.isEmpty())
        return fromEnv;
    const QString built = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../app/folianto-ha"));
    return QFileInfo(built).isExecutable() ? QFileInfo(built).absoluteFilePath() : QString();
}

} // namespace folianto::test
