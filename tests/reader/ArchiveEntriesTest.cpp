#include "archive/ExtractFixture.h"

namespace folianto::test {
namespace {

using reader::ArchiveKind;

TEST(ArchiveKindOf, ChosenByExtensionAlone)
{
    const struct {
        const char16_t* name;
        ArchiveKind kind;
    } cases[] = {
        {u"a.ZIP", ArchiveKind::Zip},      {u"/x/b.zip", ArchiveKind::Zip},
        {u"C:\\Книги\\c.Rar", ArchiveKind::Rar}, {u"d.ha", ArchiveKind::Ha},
        {u"e.HA", ArchiveKind::Ha},        {u"f.zip.txt", ArchiveKind::None},
        {u"ha", ArchiveKind::None},        {u"g.txt", ArchiveKind::None},
        {u"", ArchiveKind::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reader::archiveKindOf(QString::fromUtf16(c.name)), c.kind) << QString::fromUtf16(c.name).toStdString();
}

class ArchiveEntriesTest : public ExtractFixture {};

TEST_F(ArchiveEntriesTest, ListForTheCard)
{
    const QString one = dir.file(u"one.zip"_qs);
    makeZip(one, {{"dir/", {}, true}, {"dir/only.txt", "x"}});
    const QString three = dir.file(u"three.zip"_qs);
    makeZip(three, {{"a.txt", "a"}, {"b.txt", "b"}, {"c.txt", "c"}});

    request.arc = 0;
    auto single = reader::ListArchiveEntries(one, request);
    EXPECT_EQ(single.items, QStringList({u"only.txt"_qs}));
    EXPECT_TRUE(single.visible);
    EXPECT_FALSE(single.dropDown);
    EXPECT_EQ(single.selected, 0);

    request.arc = 2;
    auto several = reader::ListArchiveEntries(three, request);
    EXPECT_EQ(several.items.size(), 3);
    EXPECT_TRUE(several.dropDown);
    EXPECT_EQ(several.selected, 2);

    request.arc = 7;
    EXPECT_EQ(reader::ListArchiveEntries(three, request).selected, 0);

    for (const QString& nothing : {QString(), dir.file(u"missing.zip"_qs), dir.write(u"plain.txt"_qs, "text")}) {
        const auto none = reader::ListArchiveEntries(nothing, request);
        EXPECT_TRUE(none.items.isEmpty());
        EXPECT_FALSE(none.visible);
        EXPECT_EQ(none.selected, -1);
    }
    EXPECT_TRUE(ui.prompts().empty());
}

TEST_F(ArchiveEntriesTest, WorkFolderThatCannotBeCreated)
{
    const QString zip = dir.file(u"one.zip"_qs);
    makeZip(zip, {{"a.txt", "a"}});
    request.workFolder = dir.write(u"a-file"_qs, "x") + u"/BOOKDATA"_qs;
    for (auto extractor : {&reader::ExtractFromZip, &reader::ExtractFromRar, &reader::ExtractFromHa}) {
        try {
            extractor(zip, nullptr, request);
            ADD_FAILURE() << "no failure raised";
        } catch (const reader::ArchiveFailure& failure) {
            EXPECT_EQ(failure.text(), u"Невозможно создать временную папку !"_qs);
        }
    }
    // The card's listing swallows it.
    EXPECT_TRUE(reader::ListArchiveEntries(zip, request).items.isEmpty());
    EXPECT_TRUE(ui.prompts().empty());
}

TEST_F(ArchiveEntriesTest, ClearUnpackFolderDeletesFilesOnly)
{
    dir.write(u"BOOKDATA/book.txt"_qs, "1");
    dir.write(u"BOOKDATA/.hidden"_qs, "2");
    dir.write(u"BOOKDATA/sub/kept.txt"_qs, "3");
    reader::ClearUnpackFolder(request.workFolder);
    EXPECT_EQ(workEntries(), QStringList({u"sub"_qs}));
    reader::ClearUnpackFolder(dir.file(u"absent"_qs));
    reader::ClearUnpackFolder({});
}

} // namespace
} // namespace folianto::test
