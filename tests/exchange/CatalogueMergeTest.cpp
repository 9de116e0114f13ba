// Merging another catalogue file into the open one.

#include "ImportFixture.h"
#include "exchange/CatalogueMerge.h"
#include "support/CatalogueRows.h"

using namespace folianto;
using namespace folianto::test;
using exchange::ImportCommands;
namespace field = catalogue::field;

namespace {

class CatalogueMergeTest : public ImportTest {
protected:
    // Three rows with reading state; marks that belong to the other catalogue.
    QString makeOther()
    {
        table::Dataset other;
        newCatalogueTable(other);
        for (int i = 1; i <= 3; ++i) {
            other.append();
            other.setValue(field::BookName, QStringLiteral("Книга %1").arg(i));
            other.setValue(field::First, QDate(2020, 1, i));
            other.setValue(field::Last, QDate(2021, 2, i));
            other.setValue(field::Pos, 1000 * i);
            other.setValue(field::Percent, 10 * i);
            other.setValue(field::Comment, QStringLiteral("прим %1").arg(i));
            other.setValue(field::FileName, QStringLiteral("/книги/%1.txt").arg(i));
            other.setValue(field::Oem, QStringLiteral("Y"));
            other.setValue(field::Cur, i == 1 ? catalogue::mark::OpenBook : catalogue::mark::LastCurrent);
            other.post();
        }
        const QString path = dir.file(QStringLiteral("other.bon"));
        other.saveToFile(path);
        return path;
    }

    void merge(const QString& path, int announced, Answer answer)
    {
        ui.expectOpenFile(ImportCommands::mergeDialogTitle(), path);
        ui.expectQuestion(ImportCommands::mergeQuestion(announced), answer, Question::OkCancel);
        commands.mImportBonClick();
    }
};

TEST_F(CatalogueMergeTest, CopiesEveryStoredFieldButTheMarks)
{
    host.window.author = QStringLiteral("по умолчанию"); // overwritten by the empty author
    const QString other = makeOther();
    merge(other, 3, Answer::Ok);
    ASSERT_EQ(ds().recordCount(), 3);
    EXPECT_EQ(rowsOnDisk(), 3);
    ds().first();
    for (int i = 1; i <= 3; ++i, ds().next()) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ds().asString(field::BookName), QStringLiteral("Книга %1").arg(i));
        EXPECT_EQ(ds().asDate(field::First), QDate(2020, 1, i));
        EXPECT_EQ(ds().asDate(field::Last), QDate(2021, 2, i));
        EXPECT_EQ(ds().asInt(field::Pos), 1000 * i);
        EXPECT_EQ(ds().asInt(field::Percent), 10 * i);
        EXPECT_EQ(ds().asString(field::Comment), QStringLiteral("прим %1").arg(i));
        EXPECT_EQ(ds().asString(field::FileName), QStringLiteral("/книги/%1.txt").arg(i));
        EXPECT_EQ(ds().asString(field::Oem), QStringLiteral("Y"));
        EXPECT_TRUE(ds().isNull(field::Author));
        EXPECT_TRUE(ds().isNull(field::Cur));
    }

    // The open catalogue's own file: a copy of every saved row.
    merge(catalogueFile, 3, Answer::Ok);
    EXPECT_EQ(ds().recordCount(), 6);
    EXPECT_EQ(rowsOnDisk(), 6);
}

TEST_F(CatalogueMergeTest, CancelDamagedAndEmpty)
{
    const QString other = makeOther();
    merge(other, 3, Answer::Cancel);
    EXPECT_EQ(ds().recordCount(), 0);
    EXPECT_EQ(rowsOnDisk(), -1);

    // A damaged file: cut in half, and garbage.
    QByteArray bytes = TempDir::read(other);
    const QString cut = dir.write(QStringLiteral("cut.bon"), bytes.left(bytes.size() / 2));
    const QString junk = dir.write(QStringLiteral("junk.bon"), QByteArray(5000, '\x7f'));
    for (const QString& bad : {cut, junk}) {
        ui.expectOpenFile(ImportCommands::mergeDialogTitle(), bad);
        ui.expectMessage(catalogue::Catalogue::accessErrorText(), MessageKind::Error);
        commands.mImportBonClick();
    }
    // No file chosen, or one that does not exist: nothing is asked.
    ui.expectOpenFile(ImportCommands::mergeDialogTitle(), QString());
    commands.mImportBonClick();
    ui.expectOpenFile(ImportCommands::mergeDialogTitle(), dir.file(QStringLiteral("none.bon")));
    commands.mImportBonClick();
    EXPECT_EQ(ds().recordCount(), 0);

    // An empty catalogue: 0 announced, nothing added, the catalogue still written.
    table::Dataset empty;
    empty.setFieldDefs(catalogue::catalogueFieldDefs());
    empty.createEmpty();
    const QString emptyPath = dir.file(QStringLiteral("empty.bon"));
    empty.saveToFile(emptyPath);
    merge(emptyPath, 0, Answer::Ok);
    EXPECT_EQ(rowsOnDisk(), 0);
}

} // namespace
