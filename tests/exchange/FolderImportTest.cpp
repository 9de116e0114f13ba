// The folder import and dropped files on a tree made in the test.

#include "ImportFixture.h"
#include "exchange/FileDropTarget.h"
#include "exchange/FolderImport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <sys/stat.h>
#include <unistd.h>

using namespace folianto;
using namespace folianto::test;
using exchange::ImportCommands;
namespace field = catalogue::field;

namespace {

class FolderImportTest : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        root = dir.file(QStringLiteral("books"));
        makeFile(root + QStringLiteral("/a.TXT"), "aaaa");
        makeFile(root + QStringLiteral("/b.txt"));
        makeFile(root + QStringLiteral("/noext"));
        makeFile(root + QStringLiteral("/.hidden.txt"));
        makeFile(root + QStringLiteral("/.dotdir/x.txt"));
        makeFile(root + QStringLiteral("/sub1/c.txt"));
        makeFile(root + QStringLiteral("/sub1/deep/d.txt"));
        makeFile(root + QStringLiteral("/sub2/e.rtf"));
        makeFile(root + QStringLiteral("/sub2/f.DOC"));
    }

    // Runs the import of `root` answering the question with `answer`.
    void importRoot(Answer answer, int expectedCount)
    {
        ui.expectQuestion(ImportCommands::folderQuestion(expectedCount), answer, Question::YesNoCancel);
        commands.ImportFiles(root);
    }

    QString root;
};

TEST_F(FolderImportTest, CountsByMaskAndScanDepth)
{
    struct Case {
        QStringList mask;
        bool scan;
        QStringList titles; // sorted
    } cases[] = {
        {{QStringLiteral("txt")}, false, {QStringLiteral("a.TXT"), QStringLiteral("b.txt")}},
        {{QStringLiteral("txt")}, true, {QStringLiteral("a.TXT"), QStringLiteral("b.txt"), QStringLiteral("c.txt")}},
        {{QStringLiteral("doc"), QStringLiteral("rtf")}, true, {QStringLiteral("e.rtf"), QStringLiteral("f.DOC")}},
        {{}, false, {QStringLiteral("a.TXT"), QStringLiteral("b.txt"), QStringLiteral("noext")}},
        {{}, true,
         {QStringLiteral("a.TXT"), QStringLiteral("b.txt"), QStringLiteral("c.txt"), QStringLiteral("e.rtf"),
          QStringLiteral("f.DOC"), QStringLiteral("noext")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask.join(u',').toStdString() + (c.scan ? " scan" : ""));
        exchange::FolderImport counter({.extMask = c.mask, .scan = c.scan});
        EXPECT_EQ(counter.count(root), c.titles.size());

        // The adding pass takes exactly what the count accepted.
        host.defaults.extMask = c.mask;
        host.defaults.scan = c.scan;
        const int before = ds().recordCount();
        importRoot(Answer::No, int(c.titles.size()));
        QStringList titles = column(field::BookName).mid(before);
        titles.sort();
        EXPECT_EQ(titles, c.titles);
    }
}

TEST_F(FolderImportTest, RowFieldsFollowTheOptions)
{
    host.defaults = {.extMask = {QStringLiteral("txt")}, .impExt = true, .impFolder = true, .impPath = true, .impDate = true};
    importRoot(Answer::Yes, 2);
    ASSERT_TRUE(ds().locate(field::BookName, QStringLiteral("a.TXT")));
    const QString path = QDir(root).absoluteFilePath(QStringLiteral("a.TXT"));
    EXPECT_EQ(ds().asString(field::Author), QStringLiteral("TXT")); // as found on disk
    EXPECT_EQ(ds().asString(field::Topic), QStringLiteral("books"));
    EXPECT_EQ(ds().asString(field::Comment), QDir(root).absolutePath() + u'/');
    EXPECT_EQ(ds().asDate(field::First), QFileInfo(path).lastModified().date());
    EXPECT_EQ(ds().asString(field::FileName), path);
    EXPECT_EQ(ds().asInt(field::Size), 4);
    EXPECT_TRUE(ds().isNull(field::Last));

    // "No": the name alone; the options off leave their fields empty.
    host.defaults = {.extMask = {QStringLiteral("txt")}, .impExt = false, .impFolder = false, .impPath = false, .impDate = false};
    importRoot(Answer::No, 2);
    ds().last();
    EXPECT_EQ(ds().asString(field::FileName), ds().asString(field::BookName));
    for (const QString& f : {field::Author, field::Topic, field::Comment, field::First})
        EXPECT_TRUE(ds().isNull(f)) << f.toStdString();
}

TEST_F(FolderImportTest, DefaultsWinOverTheCheckBoxes)
{
    host.defaults = {.scan = true, .author = QStringLiteral("Автор"), .topic = QStringLiteral("Тема"), .impExt = true, .impFolder = true};
    host.window.author = host.defaults.author; // the catalogue's new-row defaults
    host.window.topic = host.defaults.topic;
    importRoot(Answer::Yes, 6);
    EXPECT_EQ(column(field::Author), QStringList(6, QStringLiteral("Автор")));
    EXPECT_EQ(column(field::Topic), QStringList(6, QStringLiteral("Тема")));
}

TEST_F(FolderImportTest, WritesOnceAndRestoresTheWindow)
{
    host.defaults.extMask = {QStringLiteral("txt")};
    const int clearsBefore = host.window.topicCacheClears;
    importRoot(Answer::Yes, 2);
    EXPECT_EQ(rowsOnDisk(), 2);
    EXPECT_TRUE(host.cat.rowEventsOn());
    EXPECT_FALSE(host.window.progressShown);
    EXPECT_EQ(host.window.topicCacheClears, clearsBefore + 1);
    EXPECT_GE(host.window.viewStateUpdates, 1);
    EXPECT_TRUE(host.window.position().endsWith(QStringLiteral("/2")));

    // The same folder again: every file again.
    importRoot(Answer::Yes, 2);
    EXPECT_EQ(rowsOnDisk(), 4);
}

TEST_F(FolderImportTest, CancelAndNothingToAdd)
{
    importRoot(Answer::Cancel, 3);
    EXPECT_EQ(ds().recordCount(), 0);
    EXPECT_EQ(rowsOnDisk(), -1); // never written

    host.defaults.extMask = {QStringLiteral("pdf")};
    ui.expectMessage(ImportCommands::noFilesText());
    commands.ImportFiles(root);
    ui.expectMessage(ImportCommands::noFilesText());
    commands.ImportFiles(dir.file(QStringLiteral("missing")));
    EXPECT_EQ(ds().recordCount(), 0);
}

TEST_F(FolderImportTest, FolderBrowserStartsTheImport)
{
    ui.expectFolder(ImportCommands::folderBrowserTitle(), root);
    ui.expectQuestion(ImportCommands::folderQuestion(3), Answer::No);
    commands.mImportFoldersClick();
    EXPECT_EQ(ds().recordCount(), 3);

    ui.expectFolder(ImportCommands::folderBrowserTitle(), QString());
    commands.mImportFoldersClick();
    EXPECT_EQ(ds().recordCount(), 3);
}

// Answers the question after removing the folder, as if the disk changed between the passes.
class VanishingInteraction : public ScriptedInteraction {
public:
    Answer ask(const QString& text, Question question, MessageKind kind) override
    {
        QDir(folder).removeRecursively();
        return ScriptedInteraction::ask(text, question, kind);
    }
    QString folder;
};

TEST_F(FolderImportTest, AFolderThatVanishesBeforeTheAddingPassAddsNothing)
{
    VanishingInteraction vanishing;
    InstalledInteraction use(vanishing);
    vanishing.folder = root;
    vanishing.expectQuestion(ImportCommands::folderQuestion(3), Answer::Yes);
    commands.ImportFiles(root);
    EXPECT_EQ(ds().recordCount(), 0);
    EXPECT_EQ(rowsOnDisk(), 0); // the single write still happens
}

TEST_F(FolderImportTest, LinksLoopsAndBadNamesAreSkippedSilently)
{
    const QByteArray base = QFile::encodeName(root);
    ASSERT_EQ(::symlink("loop", QByteArray(base + "/loop").constData()), 0);              // points at itself
    ASSERT_EQ(::symlink(base.constData(), QByteArray(base + "/sub1/up").constData()), 0); // a cycle upwards
    ASSERT_EQ(::symlink("nowhere.txt", QByteArray(base + "/dangling.txt").constData()), 0);
    // A name that is not valid UTF-8 cannot be looked up again by its decoded name.
    const QByteArray bad = QByteArray(base + "/bad\xff\xfe.txt");
    FILE* f = std::fopen(bad.constData(), "w");
    ASSERT_TRUE(f);
    std::fclose(f);
    struct Unlink { // the temporary folder's clean-up cannot name it either
        QByteArray path;
        ~Unlink() { ::unlink(path.constData()); }
    } unlinkBad{bad};

    host.defaults.extMask = {QStringLiteral("txt")};
    host.defaults.scan = true;
    // a.TXT, b.txt and sub1/c.txt; the link sub1/up is a folder two levels down, never listed.
    exchange::FolderImport counter(host.defaults);
    const int n = counter.count(root);
    EXPECT_EQ(n, 3);
    importRoot(Answer::Yes, n);
    EXPECT_EQ(ds().recordCount(), n);
}

TEST_F(FolderImportTest, AnUnreadableSubfolderAddsNothingOfItsOwn)
{
    const QString locked = root + QStringLiteral("/sub1");
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    const bool readable = QDir(locked).entryList(QDir::Files).size() > 0;
    host.defaults.extMask = {QStringLiteral("txt")};
    host.defaults.scan = true;
    if (!readable) {
        importRoot(Answer::Yes, 2);
        EXPECT_EQ(ds().recordCount(), 2);
    }
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    if (readable)
        GTEST_SKIP() << "running with rights that read any folder";
}

// --- dropped files ---------------------------------------------------------------------------

TEST_F(FolderImportTest, OneDroppedFileOpensTheCard)
{
    const QString file = root + QStringLiteral("/a.TXT");
    commands.WMDropFiles({file});
    EXPECT_EQ(host.cardFiles, QStringList{file});
    EXPECT_EQ(ds().recordCount(), 0);
    EXPECT_EQ(host.raised, 1);
}

TEST_F(FolderImportTest, DroppedFoldersAndSeveralFilesAreImported)
{
    host.defaults.extMask = {QStringLiteral("txt")};
    // One folder; two files (one of them a dot-name, skipped); a missing path skipped.
    ui.expectQuestion(ImportCommands::folderQuestion(2), Answer::Yes);
    commands.WMDropFiles({root});
    ui.expectQuestion(ImportCommands::folderQuestion(2), Answer::Yes);
    commands.WMDropFiles({root + QStringLiteral("/a.TXT"), root + QStringLiteral("/.hidden.txt"),
                          root + QStringLiteral("/sub1/c.txt"), root + QStringLiteral("/gone.txt")});
    EXPECT_EQ(column(field::BookName).mid(2), (QStringList{QStringLiteral("a.TXT"), QStringLiteral("c.txt")}));
    EXPECT_TRUE(host.cardFiles.isEmpty());
}

TEST_F(FolderImportTest, DropsAreIgnoredUnlessTheCatalogueIsInFront)
{
    const QString file = root + QStringLiteral("/a.TXT");
    host.shown = false;
    commands.WMDropFiles({file});
    host.shown = true;
    host.dialogOpen = true;
    commands.WMDropFiles({root});
    host.dialogOpen = false;
    host.cat.SwitchCatalogue(QString());
    commands.WMDropFiles({file});
    EXPECT_TRUE(host.cardFiles.isEmpty());
    EXPECT_EQ(host.raised, 3);
}

TEST_F(FolderImportTest, ASynthesizedDropReachesTheHandler)
{
    QWidget view;
    QStringList received;
    new exchange::FileDropTarget(&view, [&](const QStringList& paths) { received = paths; });
    EXPECT_TRUE(view.acceptDrops());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(root), QUrl::fromLocalFile(root + QStringLiteral("/b.txt")),
                  QUrl(QStringLiteral("https://example.org/x.txt"))});
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &drop);
    EXPECT_EQ(received, (QStringList{root, root + QStringLiteral("/b.txt")}));

    // Text without files is not taken.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QDragEnterEvent textEnter(QPoint(1, 1), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    textEnter.ignore();
    QCoreApplication::sendEvent(&view, &textEnter);
    EXPECT_FALSE(textEnter.isAccepted());
}

} // namespace
