// The catalogue's row commands driven without the main window: deleting the current row and
// taking a default from the grid's selected column.

#include "CatalogueFixtures.h"
#include "FakeCatalogueCommandsHost.h"
#include "catalogue/BookCardRowCommands.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCommands.h"
#include "catalogue/CatalogueRecord.h"
#include "engines/table/DatasetModel.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QTableView>
#include <gtest/gtest.h>

namespace folianto::test {
namespace {

namespace f = catalogue::field;

class CatalogueCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file(QStringLiteral("c.bon"));
        writeCatalogue(path, {{QStringLiteral("А")}, {QStringLiteral("Б")}, {QStringLiteral("В")}, {QStringLiteral("Г")}});
        ASSERT_TRUE(cat.SwitchCatalogue(path));
        cat.setRowEventsOn(true);
        grid.setModel(&model);
    }
    QString current() const { return cat.Ds().asString(f::BookName); }

    TempDir dir;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
    FakeCatalogueCommandsHost host;
    catalogue::Catalogue cat{host};
    table::DatasetModel model{cat.Ds()};
    QTableView grid;
    QComboBox topics;
    catalogue::CatalogueCommands commands{cat, {grid, topics}, host};
    QString path;
};

TEST_F(CatalogueCommandsTest, DeleteAsksClosesTheBookAndLeavesTheCursorOnTheRowBefore)
{
    struct Case {
        const char* title;
        util::Answer answer;
        int rowsAfter;
        const char* currentAfter;
    };
    for (const Case& c : {Case{"В", util::Answer::Yes, 3, "Б"}, Case{"Б", util::Answer::Yes, 2, "А"},
                          Case{"Г", util::Answer::No, 2, "Г"}}) {
        SCOPED_TRACE(c.title);
        const int closes = host.bookCloses;
        ASSERT_TRUE(cat.Ds().locate(f::BookName, QString::fromUtf8(c.title)));
        ui.expectQuestion(catalogue::deleteRowQuestion(), c.answer);
        commands.mDeleteClick();
        ui.verifyAllConsumed();
        EXPECT_EQ(cat.Ds().recordCount(), c.rowsAfter);
        EXPECT_EQ(current(), QString::fromUtf8(c.currentAfter));
        EXPECT_EQ(host.bookCloses - closes, c.answer == util::Answer::Yes ? 1 : 0);
    }
    // Each deletion was written through at once.
    EXPECT_EQ(readTitlesAndMarks(path).size(), 2);
}

TEST_F(CatalogueCommandsTest, TheDefaultComesFromTheAuthorOrTopicColumnOnly)
{
    cat.Ds().edit();
    cat.Ds().setValue(f::Author, QStringLiteral("Гоголь"));
    cat.Ds().setValue(f::Topic, QStringLiteral("Повести"));
    cat.Ds().post();
    for (const QString& column : {f::BookName, f::Author, f::Topic}) {
        grid.setCurrentIndex(model.index(cat.Ds().recNo() - 1, cat.Ds().fieldIndex(column)));
        EXPECT_EQ(commands.mpDefOffered(), column != f::BookName) << column.toStdString();
        commands.mpDefClick();
        if (column == f::BookName) {
            EXPECT_TRUE(host.author.isEmpty() && host.topic.isEmpty());
        }
    }
    EXPECT_EQ(host.author, QStringLiteral("Гоголь"));
    EXPECT_EQ(host.topic, QStringLiteral("Повести"));
}

TEST_F(CatalogueCommandsTest, TheInfoLabelOpensTheCatalogueDialogOnlyWhenItShowsAText)
{
    host.info.clear();
    commands.LabInfoClick(); // nothing asked
    host.info = QStringLiteral("Каталог");
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), QString());
    commands.LabInfoClick();
    ui.verifyAllConsumed();
    EXPECT_EQ(cat.fileName(), path);
}

} // namespace
} // namespace folianto::test
