#include "archive/ArchiveFixtures.h"
#include "engines/archive/HaDirectory.h"
#include "engines/codepage/CodePages.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace folianto::archive {
namespace {

using test::HaItem;
using test::haArchive;

std::optional<QList<HaEntry>> readBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return HaDirectory::read(buffer);
}

QStringList names(const QList<HaEntry>& entries)
{
    QStringList out;
    for (const HaEntry& e : entries)
        out << e.displayName;
    return out;
}

TEST(HaDirectory, ListsStoredEntriesWithPathsAndDataOffsets)
{
    const QByteArray cp866Name = codepage::toCp866(u"Война.txt");
    const QByteArray bytes = haArchive({
        {"", "one.txt", "first book"},
        {"BOOKS\xFF" "OLD\xFF", cp866Name, "second", 2, true, std::nullopt, 40u},
    });
    const auto entries = readBytes(bytes);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2);
    EXPECT_EQ(names(*entries), QStringList({u"one.txt"_qs, u"Война.txt"_qs}));
    EXPECT_EQ(entries->at(1).path, u"BOOKS\\OLD\\Война.txt"_qs);
    EXPECT_EQ(entries->at(1).rawPath, QByteArray("BOOKS\\OLD\\") + cp866Name);
    EXPECT_TRUE(entries->at(0).stored());
    EXPECT_FALSE(entries->at(1).stored());
    EXPECT_EQ(entries->at(1).packedSize, 6u);
    EXPECT_EQ(entries->at(1).unpackedSize, 40u);
    EXPECT_EQ(bytes.mid(entries->at(0).dataOffset, 10), QByteArray("first book"));
    EXPECT_EQ(bytes.mid(entries->at(1).dataOffset, 6), QByteArray("second"));
}

TEST(HaDirectory, StopsAtZeroSizeEntryAndAfterNonDosEntry)
{
    const auto folderStops = readBytes(haArchive({
        {"", "a.txt", "aaa"},
        {"", "DIR", "", 14},
        {"", "b.txt", "bbb"},
    }));
    ASSERT_TRUE(folderStops);
    EXPECT_EQ(names(*folderStops), QStringList({u"a.txt"_qs}));

    // Reading on after a Unix entry would take its packed data for the next header.
    const auto unixStops = readBytes(haArchive({
        {"", "first.txt", "data one", 0, false},
        {"", "second.txt", "data two"},
    }));
    ASSERT_TRUE(unixStops);
    EXPECT_EQ(names(*unixStops), QStringList({u"first.txt"_qs}));
    EXPECT_FALSE(unixStops->at(0).madeUnderDos);
}

TEST(HaDirectory, EntryCountLimitsTheListing)
{
    const auto entries = readBytes(haArchive({{"", "a", "1"}, {"", "b", "2"}, {"", "c", "3"}}, 2));
    ASSERT_TRUE(entries);
    EXPECT_EQ(names(*entries), QStringList({u"a"_qs, u"b"_qs}));
}

TEST(HaDirectory, RejectsOtherSignatures)
{
    EXPECT_FALSE(readBytes("PK\x03\x04"));
    EXPECT_FALSE(readBytes("H"));
    EXPECT_FALSE(readBytes(""));
    const auto bare = readBytes("HA");
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare->isEmpty());
}

TEST(HaDirectory, TruncatedOrLyingArchivesYieldOnlyWhatPrecedesTheDamage)
{
    const QByteArray full = haArchive({{"", "a.txt", "alpha"}, {"D\xFF", "b.txt", "beta"}, {"", "c.txt", "gamma"}});
    const auto all = readBytes(full);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 3);
    for (qsizetype cut = 0; cut <= full.size(); ++cut) {
        const auto part = readBytes(full.left(cut));
        if (cut < 2) {
            EXPECT_FALSE(part);
            continue;
        }
        ASSERT_TRUE(part) << cut;
        ASSERT_LE(part->size(), all->size()) << cut;
        for (qsizetype i = 0; i < part->size(); ++i)
            EXPECT_EQ(part->at(i).path, all->at(i).path) << cut;
    }

    // A packed size pointing far beyond the file ends the listing after that entry.
    const auto lying = readBytes(haArchive({{"", "a.txt", "alpha", 0, true, 0x7FFFFFF0u}, {"", "b.txt", "beta"}}));
    ASSERT_TRUE(lying);
    EXPECT_EQ(names(*lying), QStringList({u"a.txt"_qs}));

    // A name without its ending zero byte is damage, not a name as long as the file.
    QByteArray unended("HA\x01\x00", 4);
    unended.append(QByteArray(17, '\x01')).append(QByteArray(5000, 'x'));
    const auto noZero = readBytes(unended);
    ASSERT_TRUE(noZero);
    EXPECT_TRUE(noZero->isEmpty());
}

} // namespace
} // namespace folianto::archive
