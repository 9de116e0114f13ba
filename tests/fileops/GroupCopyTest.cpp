// Copying or moving the files of every row of the view into one folder.

#include "FileOpsFixture.h"
#include "fileops/GroupCopy.h"
#include "support/FileSizeLimit.h"

namespace folianto::test {
namespace {

using fileops::FileCommands;

const QString kFolderCaption = QStringLiteral("Выбор папки:");

class GroupCopy : public FileOps {
protected:
    void SetUp() override { QDir().mkpath(target()); }
    QString target(const QString& name = {}) const
    {
        return name.isEmpty() ? dir.file(QStringLiteral("target")) : dir.file(QStringLiteral("target/") + name);
    }
    // Runs the command with these answers; `report` is the closing message, if any.
    void run(int found, Answer links, Answer mode, const QString& report = {}, const QString& folder = {})
    {
        ui.expectFolder(kFolderCaption, folder.isEmpty() ? target() : folder);
        ui.expectQuestion(FileCommands::groupFoundQuestion(found), links, Question::YesNoCancel);
        if (links != Answer::Cancel)
            ui.expectQuestion(FileCommands::groupModeQuestion(), mode, Question::YesNoCancel);
        if (!report.isEmpty())
            ui.expectMessage(report);
        commands.mpCopyFileGroupClick();
        ui.verifyAllConsumed();
    }
};

TEST_F(GroupCopy, CountsOnlyStoredLinksThatNameFiles)
{
    const QString subst = book(QStringLiteral("subst/only.txt"));
    open({QStringLiteral("C:\\Старое\\only.txt"), dir.file(QStringLiteral("subst")), dir.file(QStringLiteral("gone.txt")), {}});
    window.location.substitutionPath = dir.file(QStringLiteral("subst/"));
    ui.expectFolder(kFolderCaption, target());
    ui.expectMessage(FileCommands::groupNothingFoundText());
    commands.mpCopyFileGroupClick();

    ui.expectFolder(kFolderCaption, {}); // cancelled
    ui.expectFolder(kFolderCaption, dir.file(QStringLiteral("no such folder")));
    commands.mpCopyFileGroupClick();
    commands.mpCopyFileGroupClick();
    EXPECT_TRUE(exists(subst));
    EXPECT_TRUE(filesIn(target()).isEmpty());
}

TEST_F(GroupCopy, AnswersDecideLinksAndSources)
{
    struct Case {
        const char* name;
        Answer links, mode;
        bool linksFollow, sourcesKept, copied;
    };
    const Case cases[] = {
        {"copy, links follow", Answer::Yes, Answer::Yes, true, true, true},
        {"copy, links stay", Answer::No, Answer::Yes, false, true, true},
        {"move, links follow", Answer::Yes, Answer::No, true, false, true},
        // The user asked for links that name the moved-away files.
        {"move, links stay", Answer::No, Answer::No, false, false, true},
        {"cancel the mode", Answer::Yes, Answer::Cancel, false, true, false},
        {"cancel the links", Answer::Cancel, Answer::Cancel, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(target()).removeRecursively();
        QDir().mkpath(target());
        const QString a = book(QStringLiteral("one/a.txt"));
        const QString b = book(QStringLiteral("two/b.txt"));
        const QString missing = dir.file(QStringLiteral("three/c.txt"));
        open({a, missing, b});
        window.cat.Ds().setRecNo(2);
        run(2, c.links, c.mode);
        EXPECT_EQ(storedLinks(), c.linksFollow ? (QStringList{target("a.txt"), missing, target("b.txt")})
                                               : (QStringList{a, missing, b}));
        EXPECT_EQ(exists(a) && exists(b), c.sourcesKept);
        EXPECT_EQ(exists(a) || exists(b), c.sourcesKept);
        EXPECT_EQ(filesIn(target()), c.copied ? (QStringList{"a.txt", "b.txt"}) : QStringList());
        if (c.copied) {
            EXPECT_EQ(contentOf(target("b.txt")), bookBytes(QStringLiteral("two/b.txt")));
        }
        EXPECT_EQ(window.cat.Ds().recNo(), 2);
        EXPECT_FALSE(window.host.progressShown);
        EXPECT_TRUE(window.cat.rowEventsOn());
    }
}

TEST_F(GroupCopy, SameNamesNeverOverwriteEachOther)
{
    const QString first = book(QStringLiteral("one/x.txt"));
    const QString second = book(QStringLiteral("two/x.txt"));
    const QString caseTwin = book(QStringLiteral("three/X.txt"));
    const QString other = book(QStringLiteral("two/y.txt"));
    // A file already in the folder keeps its name even when its row comes later.
    const QString resident = book(QStringLiteral("target/z.txt"));
    const QString outsider = book(QStringLiteral("four/z.txt"));
    open({first, second, caseTwin, other, outsider, resident});
    run(6, Answer::Yes, Answer::No,
        QStringLiteral("Пропущено из-за совпадения имён в папке 4 файлов:\r%1\r%2\r%3\r%4")
            .arg(second, caseTwin, outsider, resident));
    EXPECT_EQ(storedLinks(), (QStringList{target("x.txt"), second, caseTwin, target("y.txt"), outsider, resident}));
    EXPECT_FALSE(exists(first));
    EXPECT_FALSE(exists(other));
    for (const QString& kept : {second, caseTwin, outsider, resident})
        EXPECT_TRUE(exists(kept)) << kept.toStdString();
    EXPECT_EQ(contentOf(target("x.txt")), bookBytes(QStringLiteral("one/x.txt")));
    EXPECT_EQ(contentOf(resident), bookBytes(QStringLiteral("target/z.txt")));
}

TEST_F(GroupCopy, RowsThatShareAFileShareItsCopy)
{
    const QString a = book(QStringLiteral("one/a.txt"));
    open({a, a});
    run(2, Answer::Yes, Answer::No);
    EXPECT_EQ(storedLinks(), (QStringList{target("a.txt"), target("a.txt")}));
    EXPECT_FALSE(exists(a));
    EXPECT_EQ(contentOf(target("a.txt")), bookBytes(QStringLiteral("one/a.txt")));
}

TEST_F(GroupCopy, FailedCopiesKeepTheirSourcesAndLinks)
{
    const QString big = book(QStringLiteral("one/big.txt"), 300000);
    const QString small = book(QStringLiteral("two/small.txt"), 1000);
    open({big, small});
    {
        FileSizeLimit disk(100000); // the disk fills with the big file
        run(2, Answer::Yes, Answer::No, QStringLiteral("Не удалось копирование 1 файлов\rНе удалось удаление 1 файлов"));
    }
    EXPECT_EQ(storedLinks(), (QStringList{big, target("small.txt")}));
    EXPECT_EQ(contentOf(big), bookBytes(QStringLiteral("one/big.txt"), 300000));
    EXPECT_FALSE(exists(small));
    EXPECT_EQ(filesIn(target()), QStringList{"small.txt"}); // no leftovers of the failed copy
}

TEST_F(GroupCopy, AFolderWithoutWritePermissionCopiesNothing)
{
    const QString a = book(QStringLiteral("one/a.txt"));
    const QString b = book(QStringLiteral("two/b.txt"));
    open({a, b});
    run(2, Answer::Yes, Answer::No, QStringLiteral("Не удалось копирование 2 файлов\rНе удалось удаление 2 файлов"),
        unwritableFolder());
    EXPECT_EQ(storedLinks(), (QStringList{a, b}));
    EXPECT_TRUE(exists(a) && exists(b));
}

TEST_F(GroupCopy, ASourceThatVanishesAfterTheCountIsNotCopied)
{
    const QString a = book(QStringLiteral("one/a.txt"));
    const QString b = book(QStringLiteral("two/b.txt"));
    open({a, b});
    fileops::GroupCopy group(target() + u'/', {{window.cat.Ds().bookmarkAt(0), a}, {window.cat.Ds().bookmarkAt(1), b}});
    QFile::remove(a);
    group.copy({});
    group.deleteSources();
    EXPECT_EQ(group.result().copied, 1);
    EXPECT_EQ(group.result().deleted, 1);
    EXPECT_EQ(group.result().targets, (QStringList{QString(), target("b.txt")}));
    EXPECT_EQ(filesIn(target()), QStringList{"b.txt"});
}

} // namespace
} // namespace folianto::test
