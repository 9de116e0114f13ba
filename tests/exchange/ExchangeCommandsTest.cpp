// The save-as/export and DBF import commands driven through a fake window and scripted prompts.

#include "../dbf/DbfBytes.h"
#include "ExchangeFixtures.h"
#include "FakeExchangeHost.h"
#include "catalogue/CatalogueFixtures.h"
#include "engines/archive/Vzp.h"
#include "engines/codepage/CodePages.h"
#include "exchange/ExchangeCommands.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <gtest/gtest.h>

using namespace folianto;
using exchange::ExchangeCommands;
using exchange::ImportDbfPage;
using test::Answer;
using test::RawField;

namespace {

class ExchangeCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file("books.bon");
        test::saveThreeBooks(path);
        ASSERT_TRUE(host.cat.SwitchCatalogue(path));
        host.cat.setRowEventsOn(true);
    }

    void filterNovels()
    {
        host.cat.Ds().setFilterText("_Topic = 'Роман'");
        host.cat.Ds().setFiltered(true);
    }

    QStringList storedRows() { return test::bookRowsOfFile(path); }

    test::TempDir dir;
    test::ErrorCollector ui;
    test::InstalledInteraction installed{ui};
    test::FakeExchangeHost host;
    ExchangeCommands commands{host};
    QString path;
};

} // namespace

TEST_F(ExchangeCommandsTest, TextExportAsksForTheDelimiterAndRemembersIt)
{
    filterNovels();
    host.cat.Ds().last();
    const QString out = dir.file("novels.dbf"); // the type chosen wins over the extension
    ui.expectSaveFile(ExchangeCommands::saveCaption(), out, 2);
    ui.expectInput(ExchangeCommands::delimiterCaption(), ExchangeCommands::delimiterPrompt(), QString("T"), QString("t"));
    commands.mSaveCatAsClick();
    EXPECT_EQ(test::TempDir::read(out),
              codepage::toCp1251(u"1TБесыTДостоевскийTРоманTTbesy.txtT1200\r\n2TВойнаTТолстойTРоманTTT7\r\n"));
    EXPECT_EQ(host.delimiter, QChar(u'T'));
    EXPECT_EQ(host.cat.Ds().recNo(), 1);
    EXPECT_FALSE(host.progressShown);
    EXPECT_EQ(host.progressShows, 1);
    EXPECT_TRUE(ui.errors.isEmpty());
    EXPECT_EQ(ui.prompts()[0].request.filter, ExchangeCommands::saveFilter());

    // Next time the prompt offers "T"; an empty answer ends the command without a file.
    ui.expectSaveFile(ExchangeCommands::saveCaption(), dir.file("b.txt"), 2);
    ui.expectInput(ExchangeCommands::delimiterCaption(), ExchangeCommands::delimiterPrompt(), QString(), QString("T"));
    commands.mSaveCatAsClick();
    EXPECT_FALSE(QFileInfo::exists(dir.file("b.txt")));
}

TEST_F(ExchangeCommandsTest, CatalogueIsWrittenBeforeTheExport)
{
    host.cat.setRowEventsOn(false); // a change not yet in the file
    ASSERT_TRUE(host.cat.Ds().locate(catalogue::field::BookName, "Бесы"));
    table::editAndPost(host.cat.Ds(), [&] { host.cat.Ds().setValue(catalogue::field::BookName, "Бесы II"); });
    host.cat.setRowEventsOn(true);
    ui.expectSaveFile(ExchangeCommands::saveCaption(), dir.file("copy.bon"), 1);
    commands.mSaveCatAsClick();
    EXPECT_EQ(storedRows().first(), "Бесы II|Достоевский|Роман||besy.txt|1200");
    EXPECT_EQ(test::TempDir::read(dir.file("copy.bon")), test::TempDir::read(path));
    EXPECT_EQ(host.cat.fileName(), path);
}

TEST_F(ExchangeCommandsTest, FilteredCopyOntoItsOwnFileKeepsEveryRow)
{
    filterNovels();
    ui.expectSaveFile(ExchangeCommands::saveCaption(), path, 1);
    commands.mSaveCatAsClick();
    EXPECT_EQ(storedRows().size(), 3);
}

TEST_F(ExchangeCommandsTest, DbfTableAsksBeforeReplacingAnExistingOne)
{
    const QString out = dir.write("t.dbf", "old");
    ui.expectSaveFile(ExchangeCommands::saveCaption(), out, 3);
    ui.expectQuestion(ExchangeCommands::tableExistsText(), Answer::Cancel, util::Question::OkCancel);
    commands.mSaveCatAsClick();
    EXPECT_EQ(test::TempDir::read(out), "old");

    ui.expectSaveFile(ExchangeCommands::saveCaption(), out, 3);
    ui.expectQuestion(ExchangeCommands::tableExistsText(), Answer::Ok, util::Question::OkCancel);
    commands.mSaveCatAsClick();
    EXPECT_EQ(test::TempDir::read(out).size(), 225 + 3 * 626 + 1);
}

TEST_F(ExchangeCommandsTest, ZipAndCsvTypes)
{
    ui.expectSaveFile(ExchangeCommands::saveCaption(), dir.file("a.zip"), 4);
    commands.mSaveCatAsClick();
    archive::Vzp zip;
    zip.setArchiveName(dir.file("a.zip"));
    ASSERT_TRUE(zip.readDirectory());
    ASSERT_EQ(zip.count(), 1);
    EXPECT_EQ(zip.entry(0).path, "books.bon");
    zip.release();

    ui.expectSaveFile(ExchangeCommands::saveCaption(), dir.file("a.csv"), 5);
    commands.mSaveCatAsClick();
    EXPECT_TRUE(test::TempDir::read(dir.file("a.csv")).contains(QString("3,Война,Толстой,Роман,,,7\r\n").toUtf8()));
}

TEST_F(ExchangeCommandsTest, WriteErrorIsReportedAndNothingIsLeft)
{
    const QString out = dir.file("missing/a.txt");
    ui.expectSaveFile(ExchangeCommands::saveCaption(), out, 2);
    ui.expectInput(ExchangeCommands::delimiterCaption(), ExchangeCommands::delimiterPrompt(), QString("t"));
    commands.mSaveCatAsClick();
    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.errors[0].startsWith("Не удалось записать файл")) << ui.errors[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_FALSE(host.progressShown);
    EXPECT_EQ(storedRows().size(), 3);
}

TEST_F(ExchangeCommandsTest, NothingWithoutACatalogueOrOnCancel)
{
    ui.expectSaveFile(ExchangeCommands::saveCaption(), QString(), 1);
    commands.mSaveCatAsClick();
    host.cat.SwitchCatalogue({});
    commands.mSaveCatAsClick();
    commands.mImportClick();
    EXPECT_EQ(ui.prompts().size(), 1u);
}

namespace {

const QList<RawField> kTableFields = {{"TITLE", 'C', 12}, {"WHO", 'C', 12}, {"PAGES", 'N', 5}};

} // namespace

class DbfImportCommand : public ExchangeCommandsTest {
protected:
    void SetUp() override
    {
        ExchangeCommandsTest::SetUp();
        host.catalogueHost.author = "Автор по умолчанию";
        host.catalogueHost.topic = "Разное";
        const auto oem = [](const char16_t* t) { return codepage::toCp866(QStringView(t)); };
        table = dir.write("in.dbf", test::rawTable(0x03, kTableFields,
                                                   {test::rawRecord(kTableFields, {oem(u"Идиот"), oem(u"Ф.М."), "  300"}),
                                                    test::rawRecord(kTableFields, {"gone"}, true),
                                                    test::rawRecord(kTableFields, {oem(u"Нос"), "", "   20"})}));
    }

    static ImportDbfPage& pageOf(QDialog& d)
    {
        auto* page = d.findChild<ImportDbfPage*>();
        if (!page)
            throw std::runtime_error("no import page");
        return *page;
    }

    // Selects target and column, then assigns as a double click on the grid would.
    static void assign(ImportDbfPage& page, int target, int column)
    {
        page.LbImportDbf->setCurrentRow(target);
        page.DBGTab->setCurrentIndex(page.DBGTab->model()->index(0, column));
        page.DBGTabDblClick();
    }

    QString table;
};

TEST_F(DbfImportCommand, MapsConfirmsAndAppendsWithOneWrite)
{
    // An assigned field replaces the default author even when it is blank; the topic keeps it.
    const int topicCacheClears = host.catalogueHost.topicCacheClears; // opening counted too
    ui.expectOpenFile(ImportDbfPage::caption(), table);
    ui.expectDialog(ImportDbfPage::caption(), [&](QDialog& d) {
        ImportDbfPage& page = pageOf(d);
        EXPECT_EQ(page.DBGTab->model()->rowCount(), 2);
        const QString before = page.DBGTab->model()->index(0, 0).data().toString();
        page.ChDos->click();
        EXPECT_NE(page.DBGTab->model()->index(0, 0).data().toString(), before);
        EXPECT_EQ(page.DBGTab->model()->index(0, 0).data().toString(), "Идиот");
        assign(page, 0, 0); // Книга=TITLE
        assign(page, 1, 0); // "Уже есть!"
        assign(page, 1, 1); // Автор=WHO
        assign(page, 5, 2); // Размер=PAGES
        page.LbImportDbf->setCurrentRow(2);
        page.LbImportDbfDblClick(); // PAGES is taken: "Уже есть!"
        page.LbImportDbf->setCurrentRow(5);
        page.LbImportDbfDblClick(); // releases Размер
        assign(page, 5, 2);
        EXPECT_EQ(page.LbImportDbf->item(0)->text(), "Книга=TITLE");
        EXPECT_EQ(page.LbImportDbf->item(1)->text(), "Автор=WHO");
        EXPECT_EQ(page.LbImportDbf->item(2)->text(), "Тема");
        page.EdExt->setText("txt");
    });
    ui.expectMessage(ImportDbfPage::alreadyAssignedText());
    ui.expectMessage(ImportDbfPage::alreadyAssignedText());
    ui.expectQuestion(ExchangeCommands::importCountText(3), Answer::Ok, util::Question::OkCancel);
    commands.mImportClick();
    ui.verifyAllConsumed();
    EXPECT_EQ(storedRows().mid(3), (QStringList{"Идиот|Ф.М.|Разное|||300", "Нос||Разное|||20"}));
    EXPECT_EQ(host.catalogueHost.topicCacheClears, topicCacheClears + 1);
    EXPECT_TRUE(host.cat.rowEventsOn());
    EXPECT_FALSE(host.catalogueHost.progressShown);
    EXPECT_GE(host.catalogueHost.viewStateUpdates, 1);
}

TEST_F(DbfImportCommand, CancelAtTheDialogOrTheCountAddsNothing)
{
    const QByteArray before = test::TempDir::read(path);
    ui.expectOpenFile(ImportDbfPage::caption(), table);
    ui.expectDialog(ImportDbfPage::caption(), {}, QDialog::Rejected);
    commands.mImportClick();
    ui.expectOpenFile(ImportDbfPage::caption(), table);
    ui.expectDialog(ImportDbfPage::caption(), [&](QDialog& d) { assign(pageOf(d), 0, 0); });
    ui.expectQuestion(ExchangeCommands::importCountText(3), Answer::Cancel);
    commands.mImportClick();
    EXPECT_EQ(host.cat.Ds().recordCount(), 3);
    EXPECT_EQ(test::TempDir::read(path), before);
}

TEST_F(DbfImportCommand, ATableThatCannotBeOpenedStopsSilently)
{
    const QString bad = dir.write("bad.dbf", QByteArray("\x04not a table at all, not even close....."));
    ui.expectOpenFile(ImportDbfPage::caption(), bad);
    commands.mImportClick();
    ui.expectOpenFile(ImportDbfPage::caption(), dir.file("none.dbf"));
    commands.mImportClick();
    EXPECT_EQ(host.cat.Ds().recordCount(), 3);
}

TEST_F(DbfImportCommand, EnterKeysAssignInTheGridAndReleaseInTheList)
{
    ui.expectOpenFile(ImportDbfPage::caption(), table);
    ui.expectDialog(ImportDbfPage::caption(), [&](QDialog& d) {
        ImportDbfPage& page = pageOf(d);
        page.LbImportDbf->setCurrentRow(6);
        page.DBGTab->setCurrentIndex(page.DBGTab->model()->index(0, 1));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(page.DBGTab, &enter);
        EXPECT_EQ(page.LbImportDbf->item(6)->text(), "Комментарий=WHO");
        QCoreApplication::sendEvent(page.LbImportDbf, &enter);
        EXPECT_EQ(page.LbImportDbf->item(6)->text(), "Комментарий");
    }, QDialog::Rejected);
    commands.mImportClick();
}
