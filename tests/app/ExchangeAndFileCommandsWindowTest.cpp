// The import, export, group and file items of the window's menus reach their commands: each one,
// answered Cancel at its first prompt, asks that prompt and leaves the catalogue as it was.

#include "BookCardFixture.h"
#include "WindowTestSupport.h"
#include "catalogue/GroupCommands.h"
#include "exchange/DescriptionImportPage.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ImportCommands.h"
#include "exchange/ImportDbfPage.h"
#include "fileops/FileCommands.h"
#include "util/Paths.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTableView>
#include <QUrl>

namespace folianto::test {
namespace {

using ExchangeAndFileItems = BookCardTest;

TEST_F(ExchangeAndFileItems, EachItemAsksItsFirstPromptAndCancelChangesNothing)
{
    struct Case {
        const char* item;
        std::function<void(ScriptedInteraction&)> expectFirstPrompt;
    };
    const Case cases[] = {
        {"mSaveCatAs", [](ScriptedInteraction& ui) { ui.expectSaveFile(exchange::ExchangeCommands::saveCaption(), {}); }},
        {"mImport", [](ScriptedInteraction& ui) { ui.expectOpenFile(exchange::ImportDbfPage::caption(), {}); }},
        {"mImportFolders",
         [](ScriptedInteraction& ui) { ui.expectFolder(exchange::ImportCommands::folderBrowserTitle(), {}); }},
        {"mImportBon",
         [](ScriptedInteraction& ui) { ui.expectOpenFile(exchange::ImportCommands::mergeDialogTitle(), {}); }},
        {"mImportBBS",
         [](ScriptedInteraction& ui) { ui.expectOpenFile(exchange::ImportCommands::descriptionDialogTitle(), {}); }},
        {"mpCopyFileGroup", [](ScriptedInteraction& ui) { ui.expectFolder(QStringLiteral("Выбор папки:"), {}); }},
        {"mpGroupDelete",
         [](ScriptedInteraction& ui) { ui.expectQuestion(catalogue::GroupCommands::deleteAllQuestion(), Answer::Cancel); }},
        {"mpUnread",
         [](ScriptedInteraction& ui) { ui.expectQuestion(catalogue::GroupCommands::unreadQuestion(), Answer::Cancel); }},
        {"mDefFiles", [](ScriptedInteraction& ui) { ui.expectDialog(QStringLiteral("Работа с файлами"), {}, QDialog::Rejected); }},
    };
    open({{QStringLiteral("Книга 1")}, {QStringLiteral("Книга 2")}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        c.expectFirstPrompt(ui);
        triggerCommand(*form, c.item);
        ui.verifyAllConsumed();
        EXPECT_EQ(ds().recordCount(), 2);
    }
}

TEST_F(ExchangeAndFileItems, DeletingTheRowsFileWithYesRemovesTheFileAndTheRow)
{
    const QString file = bookFile(QStringLiteral("a.txt"));
    open({{QStringLiteral("Книга 1"), {}, file}, {QStringLiteral("Книга 2")}});
    ui.expectQuestion(fileops::FileCommands::deleteQuestion(util::nativeSeparators(file)), Answer::Yes,
                      Question::YesNoCancel);
    triggerCommand(*form, "mpDeleteFile");
    ui.verifyAllConsumed();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(ds().recordCount(), 1);
}

TEST_F(ExchangeAndFileItems, TheDescriptionImportPageCanBeResized)
{
    open({{QStringLiteral("Книга 1")}});
    const QString descriptions = dir.write(QStringLiteral("books/files.bbs"), "a.txt  A book about nothing\r\n");
    ui.expectOpenFile(exchange::ImportCommands::descriptionDialogTitle(), descriptions);
    ui.expectDialog(exchange::DescriptionImportPage::caption(), [](QDialog& d) {
        EXPECT_TRUE(d.isSizeGripEnabled());
        EXPECT_EQ(d.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }, QDialog::Rejected);
    triggerCommand(*form, "mImportBBS");
    ui.verifyAllConsumed();
    EXPECT_EQ(ds().recordCount(), 1);
}

TEST_F(ExchangeAndFileItems, FilesDroppedOnTheGridBecomeRowsAfterTheQuestion)
{
    open({{QStringLiteral("Книга 1")}});
    const QStringList files{bookFile(QStringLiteral("a.txt")), bookFile(QStringLiteral("b.txt"))};
    form->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(files[0]), QUrl::fromLocalFile(files[1])});
    QWidget* viewport = form->findChild<QTableView*>(QStringLiteral("DBG"))->viewport();
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    ASSERT_TRUE(enter.isAccepted());

    ui.expectQuestion(exchange::ImportCommands::folderQuestion(2), Answer::Yes, Question::YesNoCancel);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    ui.verifyAllConsumed();
    EXPECT_EQ(ds().recordCount(), 3);
}

} // namespace
} // namespace folianto::test
