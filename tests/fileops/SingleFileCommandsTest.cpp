// The current row's file: open its folder, copy or move, rename, delete.

#include "FileOpsFixture.h"
#include "support/FileSizeLimit.h"

namespace folianto::test {
namespace {

using fileops::FileCommands;

const QString kRenamePrompt = QStringLiteral("Новое название:");

QString copyCaption(const QString& source) { return QStringLiteral("Копирование файла ") + source; }

TEST_F(FileOps, OpenFolderOpensAnExistingFolderOfTheStoredLinkOnly)
{
    const QString a = book(QStringLiteral("sub/a.txt"));
    open({a, dir.file(QStringLiteral("gone/b.txt")), QStringLiteral("C:\\Книги\\c.txt"), QStringLiteral("d.txt")});
    for (int row = 1; row <= 4; ++row) {
        window.cat.Ds().setRecNo(row);
        commands.mpOpenFolderClick();
    }
    EXPECT_EQ(shell.opened, QStringList{dir.file(QStringLiteral("sub"))});
}

TEST_F(FileOps, CopyAnswersDecideTheLinkAndTheSource)
{
    struct Case {
        const char* name;
        Answer copy;            // the three-way question
        std::optional<Answer> deleteSource; // the question after the copy
        bool linkFollows, sourceKept, copied;
    };
    const Case cases[] = {
        {"yes, keep source", Answer::Yes, Answer::No, true, true, true},
        {"yes, move", Answer::Yes, Answer::Yes, true, false, true},
        {"no, keep source", Answer::No, Answer::No, false, true, true},
        // The link keeps naming the deleted file: the user chose both answers.
        {"no, delete source", Answer::No, Answer::Yes, false, false, true},
        {"cancel", Answer::Cancel, std::nullopt, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir target;
        const QString src = book(QStringLiteral("a.txt"));
        const QString to = target.file(QStringLiteral("copy.txt"));
        open({src});
        ui.expectSaveFile(copyCaption(src), to);
        ui.expectQuestion(FileCommands::copyQuestion(src, to), c.copy, Question::YesNoCancel);
        if (c.deleteSource)
            ui.expectQuestion(FileCommands::deleteSourceQuestion(), *c.deleteSource, Question::YesNo);
        commands.mpCopyFileClick(FileCommands::CopyTag);
        ui.verifyAllConsumed();
        EXPECT_EQ(storedLinks(), QStringList{c.linkFollows ? to : src});
        EXPECT_EQ(exists(src), c.sourceKept);
        EXPECT_EQ(exists(to), c.copied);
        if (c.copied) {
            EXPECT_EQ(contentOf(to), bookBytes(QStringLiteral("a.txt")));
        }
        EXPECT_EQ(filesIn(target.path()).size(), c.copied ? 1 : 0);
    }
}

TEST_F(FileOps, CopyProposesTheNameInTheHomeFolderAndReplacesAnExistingTarget)
{
    const QString src = book(QStringLiteral("a.txt"));
    const QString old = dir.write(QStringLiteral("there/a.txt"), "older and longer content");
    open({src});
    ui.expectSaveFile(copyCaption(src), old);
    ui.expectQuestion(FileCommands::copyQuestion(src, old), Answer::Yes);
    ui.expectQuestion(FileCommands::deleteSourceQuestion(), Answer::No);
    commands.mpCopyFileClick(FileCommands::CopyTag);
    EXPECT_EQ(ui.prompts().front().request.directory, QDir(QDir::homePath()).filePath(QStringLiteral("a.txt")));
    EXPECT_EQ(contentOf(old), bookBytes(QStringLiteral("a.txt")));
    EXPECT_EQ(link(), old);
}

TEST_F(FileOps, CopyThatFailsChangesNothing)
{
    const QString src = book(QStringLiteral("a.txt"), 200000);
    struct Case {
        const char* name;
        QString target;
        qint64 sizeLimit; // 0: none
    };
    const QString kept = dir.write(QStringLiteral("full/a.txt"), "the file that was there");
    const Case cases[] = {
        {"onto itself", src, 0},
        {"no write permission", unwritableFolder() + QStringLiteral("/a.txt"), 0},
        {"the disk fills", kept, 100000},
        {"a folder as the target", dir.path(), 0},
    };
    open({src});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.expectSaveFile(copyCaption(src), c.target);
        ui.expectQuestion(FileCommands::copyQuestion(src, c.target), Answer::Yes);
        ui.expectMessage(FileCommands::copyFailedText());
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit)
                limit.emplace(rlim_t(c.sizeLimit));
            commands.mpCopyFileClick(FileCommands::CopyTag);
        }
        ui.verifyAllConsumed();
        EXPECT_EQ(storedLinks(), QStringList{src});
        EXPECT_EQ(contentOf(src), bookBytes(QStringLiteral("a.txt"), 200000));
    }
    EXPECT_EQ(contentOf(kept), QByteArray("the file that was there"));
    EXPECT_EQ(filesIn(dir.file(QStringLiteral("full"))).size(), 1);
}

TEST_F(FileOps, AMissingFileIsReportedByTheLocatedPathOrTheStoredLink)
{
    const QString folderLink = dir.file(QStringLiteral("folder"));
    QDir().mkpath(folderLink);
    const QString missing = dir.file(QStringLiteral("nowhere/a.txt"));
    open({missing, folderLink});
    for (int tag : {1, 2, 3}) {
        window.cat.Ds().setRecNo(1);
        ui.expectMessage(FileCommands::notFoundText(missing));
        commands.mpCopyFileClick(tag);
        window.cat.Ds().setRecNo(2);
        ui.expectMessage(FileCommands::notFoundText(folderLink));
        commands.mpCopyFileClick(tag);
    }
    EXPECT_TRUE(QFileInfo(folderLink).isDir());
}

TEST_F(FileOps, AStaleLinkIsFoundThroughTheSubstitutionPath)
{
    const QString real = book(QStringLiteral("moved/a.txt"));
    const QString stale = QStringLiteral("C:\\Старое\\a.txt");
    open({stale});
    window.location.substitutionPath = dir.file(QStringLiteral("moved")) + u'/';

    ui.expectInput(real, kRenamePrompt, QStringLiteral("b.txt"), QStringLiteral("a.txt"));
    commands.mpCopyFileClick(FileCommands::RenameTag);
    const QString renamed = dir.file(QStringLiteral("moved/b.txt"));
    EXPECT_TRUE(exists(renamed));
    EXPECT_FALSE(exists(real));
    EXPECT_EQ(storedLinks(), QStringList{renamed});
}

TEST_F(FileOps, RenameTakesANameInTheSameFolder)
{
    struct Case {
        const char* name;
        std::optional<QString> answer;
        QString expectedName; // the file's name afterwards
        bool fails;
    };
    const Case cases[] = {
        {"new name", QStringLiteral("b.txt"), QStringLiteral("b.txt"), false},
        {"letter case only", QStringLiteral("A.txt"), QStringLiteral("A.txt"), false},
        {"same name", QStringLiteral("a.txt"), QStringLiteral("a.txt"), false},
        {"cancel", std::nullopt, QStringLiteral("a.txt"), false},
        {"another file's name", QStringLiteral("other.txt"), QStringLiteral("a.txt"), true},
        {"a path", QStringLiteral("../b.txt"), QStringLiteral("a.txt"), true},
        {"empty", QString(), QStringLiteral("a.txt"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        const QString src = folder.write(QStringLiteral("a.txt"), "book");
        const QString other = folder.write(QStringLiteral("other.txt"), "other");
        open({QStringLiteral("/no/such/a.txt"), src});
        window.cat.Ds().setRecNo(2);
        ui.expectInput(src, kRenamePrompt, c.answer, QStringLiteral("a.txt"));
        if (c.fails)
            ui.expectMessage(FileCommands::renameFailedText());
        commands.mpCopyFileClick(FileCommands::RenameTag);
        ui.verifyAllConsumed();
        const QString now = folder.file(c.expectedName);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
                  (QStringList{c.expectedName, QStringLiteral("other.txt")}));
        EXPECT_EQ(contentOf(now), QByteArray("book"));
        EXPECT_EQ(contentOf(other), QByteArray("other"));
        EXPECT_EQ(storedLinks().at(1), c.expectedName == QStringLiteral("a.txt") ? src : now);
    }
}

TEST_F(FileOps, DeleteWithYesRemovesTheRowAndStepsBack)
{
    struct Case {
        int row, currentAfter;
    };
    for (const Case c : {Case{1, 1}, Case{2, 1}, Case{3, 2}, Case{5, 4}}) {
        SCOPED_TRACE(c.row);
        QStringList links;
        for (int i = 1; i <= 6; ++i)
            links.append(book(QStringLiteral("b%1.txt").arg(i)));
        open(links);
        window.cat.Ds().setRecNo(c.row);
        const QString victim = links[c.row - 1];
        const int closes = window.host.bookCloses;
        ui.expectQuestion(FileCommands::deleteQuestion(victim), Answer::Yes, Question::YesNoCancel);
        commands.mpCopyFileClick(FileCommands::DeleteTag);
        EXPECT_FALSE(exists(victim));
        links.removeAt(c.row - 1);
        EXPECT_EQ(storedLinks(), links);
        EXPECT_EQ(window.cat.Ds().recNo(), c.currentAfter);
        EXPECT_EQ(window.host.bookCloses, closes + 1);
    }
}

TEST_F(FileOps, DeleteWithNoOrCancelKeepsTheRow)
{
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        const QString a = book(QStringLiteral("a.txt"));
        open({a});
        ui.expectQuestion(FileCommands::deleteQuestion(a), answer);
        commands.mpCopyFileClick(FileCommands::DeleteTag);
        EXPECT_EQ(exists(a), answer == Answer::Cancel);
        EXPECT_EQ(storedLinks(), QStringList{a});
        EXPECT_EQ(window.host.bookCloses, 0);
    }
}

TEST_F(FileOps, AFileThatCannotBeDeletedKeepsItsRow)
{
    const QString systemFile = QStringLiteral("/proc/version");
    if (!QFileInfo(systemFile).isFile())
        GTEST_SKIP() << "no /proc file system";
    open({systemFile});
    ui.expectQuestion(FileCommands::deleteQuestion(systemFile), Answer::Yes);
    ui.expectMessage(FileCommands::deleteFailedText());
    commands.mpCopyFileClick(FileCommands::DeleteTag);
    EXPECT_EQ(storedLinks(), QStringList{systemFile});
}

} // namespace
} // namespace folianto::test
