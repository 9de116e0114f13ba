// Feeds arbitrary bytes to the table reader: the first two bytes choose the version and how
// the rest splits between the table and its memo file. Opening either fails with DbfError or
// gives a table whose every value of every record reads as text or fails with DbfError.

#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

using namespace folianto::dbf;

namespace {

void writeFile(const QString& path, QByteArrayView bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes.data(), bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    if (size < 2 || !dir.isValid())
        return 0;
    static const std::uint8_t versions[] = {0x03, 0x30, 0x83, 0x8B, 0xF5, 0x04};
    const QByteArrayView input(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));
    const qsizetype split = std::min<qsizetype>(input.size(), qsizetype(data[1]) * 16);
    QByteArray table = input.first(split).toByteArray();
    if (!table.isEmpty())
        table[0] = char(versions[data[0] % 6]);
    const QString path = dir.filePath(QStringLiteral("t.dbf"));
    writeFile(path, table);
    writeFile(dir.filePath(QStringLiteral("t.dbt")), input.sliced(split));
    writeFile(dir.filePath(QStringLiteral("t.fpt")), input.sliced(split));

    DbfReader reader;
    try {
        reader.open(path);
    } catch (const DbfError&) {
        return 0;
    }
    reader.setTranslate(data[0] & 0x80);
    const int fields = int(reader.fields().size());
    for (reader.first(); !reader.eof(); reader.next())
        for (int f = 0; f < fields; ++f) {
            try {
                (void)reader.text(reader.current(), f);
            } catch (const DbfError&) {
            }
        }
    return 0;
}
