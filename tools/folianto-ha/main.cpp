// folianto-ha ey <archive> <name>
//
// Writes the entry <name> of an HA archive into the current folder under its bare file name,
// replacing a file of that name. <name> is the entry's stored path (either separator) or its
// bare name; the first entry that matches is taken. Only entries stored without compression
// can be written: for any other, and for a damaged archive, nothing is written and the exit
// code is not zero.

#include "engines/archive/Crc32.h"
#include "engines/archive/EntryName.h"
#include "engines/archive/HaDirectory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

using folianto::archive::HaDirectory;
using folianto::archive::HaEntry;

namespace {

enum Exit { Ok = 0, Usage = 1, NotHa = 2, NoEntry = 3, Compressed = 4, BadName = 5, Damaged = 6, WriteFailed = 7 };

int fail(Exit code, const QString& text)
{
    std::fprintf(stderr, "folianto-ha: %s\n", text.toLocal8Bit().constData());
    return code;
}

QString slashed(QString path)
{
    return path.replace(u'\\', u'/');
}

const HaEntry* findEntry(const QList<HaEntry>& entries, const QString& name)
{
    const QString wanted = slashed(name);
    for (const HaEntry& e : entries)
        if (slashed(e.path) == wanted)
            return &e;
    for (const HaEntry& e : entries)
        if (e.displayName == wanted)
            return &e;
    return nullptr;
}

// Copies the stored data to `target`, checking its size and CRC; nothing is left on failure.
int writeStored(const QString& archive, const HaEntry& e, const QString& target)
{
    QFile in(archive);
    if (!in.open(QIODevice::ReadOnly) || !in.seek(e.dataOffset))
        return fail(Damaged, QStringLiteral("cannot read the archive"));
    if (e.packedSize != e.unpackedSize || e.dataOffset + qint64(e.packedSize) > in.size())
        return fail(Damaged, QStringLiteral("the entry's data is damaged or truncated"));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(WriteFailed, QStringLiteral("cannot write ") + target);
    std::uint32_t crc = 0;
    qint64 left = e.packedSize;
    while (left > 0) {
        const QByteArray chunk = in.read(qMin<qint64>(left, 65536));
        if (chunk.isEmpty()) {
            out.cancelWriting();
            return fail(Damaged, QStringLiteral("the archive ends inside the entry"));
        }
        crc = folianto::archive::crc32(chunk, crc);
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return fail(WriteFailed, QStringLiteral("cannot write ") + target);
        }
        left -= chunk.size();
    }
    if (crc != e.crc) {
        out.cancelWriting();
        return fail(Damaged, QStringLiteral("CRC error in ") + e.path);
    }
    if (!out.commit())
        return fail(WriteFailed, QStringLiteral("cannot write ") + target);
    QFile written(target);
    if (written.open(QIODevice::ReadWrite))
        written.setFileTime(QDateTime::fromSecsSinceEpoch(e.time), QFileDevice::FileModificationTime);
    return Ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || args.at(1) != u"ey")
        return fail(Usage, QStringLiteral("usage: folianto-ha ey <archive> <name>"));
    const QString archive = args.at(2);
    const auto entries = HaDirectory::readFile(archive);
    if (!entries)
        return fail(NotHa, archive + QStringLiteral(" is not an HA archive"));
    const HaEntry* entry = findEntry(*entries, args.at(3));
    if (!entry)
        return fail(NoEntry, QStringLiteral("no entry ") + args.at(3));
    if (!entry->stored())
        return fail(Compressed, entry->path + QStringLiteral(" is compressed; only stored entries can be extracted"));
    const QString name = folianto::archive::bareFileName(entry->displayName);
    if (name.isEmpty())
        return fail(BadName, QStringLiteral("the entry has no file name"));
    return writeStored(archive, *entry, QDir::current().filePath(name));
}
