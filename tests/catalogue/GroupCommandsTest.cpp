// The group operations over the rows of the view and the path rewrite they use.

#include "CatalogueFixtures.h"
#include "CatalogueViewFixture.h"
#include "FakeCatalogueCommandsHost.h"
#include "catalogue/FilePathPage.h"
#include "catalogue/GroupCommands.h"
#include "catalogue/PathRewrite.h"
#include "support/FileSizeLimit.h"
#include "util/TFormTopic.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

namespace folianto::test {
namespace {

namespace f = catalogue::field;
using catalogue::GroupCommands;
using catalogue::PathRewrite;

TEST(PathRewrite, FolderOfALink)
{
    const struct {
        const char* link;
        const char* folder;
    } cases[] = {
        {"c:\\old\\a.txt", "c:\\old\\"},
        {"/home/u/a.txt", "/home/u/"},
        {"c:a.txt", "c:/"},
        {"a.txt", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(catalogue::linkFolder(QString::fromUtf8(c.link)), QString::fromUtf8(c.folder)) << c.link;
}

TEST(PathRewrite, WholeFolderAndLeftPart)
{
    auto whole = [](const char* newDir) {
        PathRewrite r;
        r.oldDir = QStringLiteral("c:\\old\\");
        r.newDir = QString::fromUtf8(newDir);
        return r;
    };
    auto left = [](const char* src, const char* dst, bool anyway) {
        PathRewrite r;
        r.whole = false;
        r.leftSrc = QString::fromUtf8(src);
        r.leftDst = QString::fromUtf8(dst);
        r.anyway = anyway;
        return r;
    };
    const struct {
        PathRewrite rule;
        const char* link;
        const char* result;
    } cases[] = {
        {whole("e:\\books\\"), "c:\\old\\a.txt", "e:\\books\\a.txt"},
        {whole("e:\\books\\"), "d:\\x\\b.txt", "e:\\books\\b.txt"},
        {whole("e:\\books"), "c:\\old\\a.txt", "e:\\booksa.txt"},
        {whole(""), "c:\\old\\a.txt", "a.txt"},
        {whole("/srv/"), "/home/u/b.txt", "/srv/b.txt"},
        {left("c:\\old\\", "e:\\new\\", false), "c:\\old\\a.txt", "e:\\new\\a.txt"},
        {left("c:\\old\\", "e:\\new\\", false), "C:\\OLD\\b.txt", "C:\\OLD\\b.txt"},
        {left("c:\\old\\", "e:\\new\\", true), "C:\\OLD\\b.txt", "e:\\new\\C:\\OLD\\b.txt"},
        {left("c:\\old\\", "", false), "c:\\old\\a.txt", "a.txt"},
        {left("", "e:\\", true), "a.txt", "e:\\a.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(catalogue::rewriteLink(c.rule, QString::fromUtf8(c.link)), QString::fromUtf8(c.result)) << c.link;
}

TEST(PathRewrite, InputThatIsNotEnoughStopsSilently)
{
    PathRewrite r;
    r.oldDir = QStringLiteral("c:\\old\\");
    r.newDir = QStringLiteral("e:\\");
    EXPECT_TRUE(catalogue::rewriteUseful(r));
    r.newDir = r.oldDir;
    EXPECT_FALSE(catalogue::rewriteUseful(r)); // the same folder
    r.newDir = QStringLiteral("e:\\");
    r.oldDir.clear();
    EXPECT_FALSE(catalogue::rewriteUseful(r)); // a link without a folder
    r.whole = false;
    EXPECT_FALSE(catalogue::rewriteUseful(r)); // no left part, no "anyway"
    r.anyway = true;
    EXPECT_TRUE(catalogue::rewriteUseful(r));
}

TEST(FilePathPage, ModesAndTheCutOfTheLeftPart)
{
    util::TFormTopic dialog;
    catalogue::FilePathPage page(dialog.addPage(catalogue::FilePathPage::name()));
    PathRewrite in;
    in.oldDir = QStringLiteral("c:\\old\\");
    page.setValues(in);
    EXPECT_TRUE(page.RgWhole()->isChecked());
    EXPECT_TRUE(page.PanLeft()->isHidden());
    EXPECT_FALSE(page.PanDst()->isHidden());
    page.RgLeft()->setChecked(true);
    EXPECT_FALSE(page.PanLeft()->isHidden());
    EXPECT_TRUE(page.PanDst()->isHidden());

    // A selection that does not begin at the first character stays.
    page.EdPathSrc()->setSelection(3, 3);
    page.ButCutLeftClick();
    EXPECT_EQ(page.EdPathSrc()->text(), QStringLiteral("c:\\old\\"));
    EXPECT_EQ(page.EdLeftSrc()->text(), QString());

    page.EdPathSrc()->setSelection(0, 3);
    page.ButCutLeftClick();
    EXPECT_EQ(page.EdPathSrc()->text(), QStringLiteral("old\\"));
    EXPECT_EQ(page.EdLeftSrc()->text(), QStringLiteral("c:\\"));
    const PathRewrite out = page.values();
    EXPECT_FALSE(out.whole);
    EXPECT_EQ(out.leftSrc, QStringLiteral("c:\\"));
    EXPECT_EQ(out.oldDir, QStringLiteral("old\\"));
}

struct Extra {
    QString link;
    QString oem;
    QDate first;
    int pos = 0;
};

class GroupOperations : public CatalogueViewTest {
protected:
    // Five books; the first three by Пушкин, one by ПУШКИН.
    void SetUp() override
    {
        open({{QStringLiteral("А"), QStringLiteral("Пушкин"), {}, 100, 10},
              {QStringLiteral("Б"), QStringLiteral("Пушкин"), {}, 200, 20},
              {QStringLiteral("В"), QStringLiteral("ПУШКИН"), {}, 300, 30},
              {QStringLiteral("Г"), QStringLiteral("Пушкин"), {}, 400, 40},
              {QStringLiteral("Д"), QStringLiteral("Толстой"), {}, 500, 50}});
        const char* links[] = {"c:\\old\\a.txt", "c:\\old\\b.txt", "d:\\x\\c.txt", "c:\\old\\d.txt", "e.txt"};
        int i = 0;
        for (ds().first(); !ds().eof(); ds().next(), ++i) {
            table::editAndPost(ds(), [&] {
                ds().setValue(f::FileName, QString::fromUtf8(links[i]));
                ds().setValue(f::Oem, i % 2 ? QStringLiteral("K") : QStringLiteral("Y"));
                ds().setValue(f::First, QDate(2003, 1, i + 1));
                ds().setValue(f::Pos, 1000 + i);
            });
        }
        ds().first();
    }
    // One field of every row in the file, in title order (the order they were stored in).
    QStringList stored(const QString& field) const
    {
        return readRows(cat.fileName(), [&field](const table::Dataset& row) -> QString {
            return row.asString(f::BookName) + u'=' + row.asString(field);
        });
    }
    void filterBy(const QString& title, const QString& field)
    {
        ds().locate(f::BookName, title);
        selectColumn(field);
        click(*mpFilter);
        ASSERT_TRUE(ds().filtered());
    }

    QString replaceAuthorOfB(bool filtered, const QString& typed);

    FakeCatalogueCommandsHost groupHost;
    GroupCommands group{cat, grid, groupHost};
};

TEST_F(GroupOperations, ReadingTracesGoFromEveryRowOfTheFilteredViewOnly)
{
    filterBy(QStringLiteral("А"), f::Author); // А, Б, Г
    ui.expectQuestion(GroupCommands::changeRowsQuestion(3), Answer::No);
    group.mpGroupDeleteClick(2);
    EXPECT_EQ(stored(f::Pos).join(u' '), QStringLiteral("А=1000 Б=1001 В=1002 Г=1003 Д=1004"));

    ui.expectQuestion(QStringLiteral("Изменить 3 строк?"), Answer::Yes);
    group.mpGroupDeleteClick(2);
    for (const QString& field : {f::First, f::Last, f::Percent, f::Pos, f::Oem})
        EXPECT_EQ(stored(field).filter(QRegularExpression(QStringLiteral("^[АБГ]=."))), QStringList()) << field.toStdString();
    EXPECT_EQ(stored(f::Pos).join(u' '), QStringLiteral("А= Б= В=1002 Г= Д=1004"));
    EXPECT_EQ(stored(f::Size).join(u' '), QStringLiteral("А=100 Б=200 В=300 Г=400 Д=500"));
    EXPECT_EQ(stored(f::FileName).first(), QStringLiteral("А=c:\\old\\a.txt"));
    EXPECT_FALSE(catalogueHost.progressShown);
    EXPECT_TRUE(cat.rowEventsOn());
    EXPECT_TRUE(ds().filtered()); // only the deletion switches the filter off
}

TEST_F(GroupOperations, DecodingAndFlagsComeFromTheCurrentRowEmptyIncluded)
{
    // The current row Д has no flags and the decoding "Y": every row gets them, even though a
    // filter on the decoding would let the changed rows leave the view.
    ds().locate(f::BookName, QStringLiteral("В"));
    table::editAndPost(ds(), [&] { ds().setValue(f::Alter, QStringLiteral("R")); });
    ds().locate(f::BookName, QStringLiteral("Д"));
    table::editAndPost(ds(), [&] { ds().setNull(f::Oem); });
    ui.expectQuestion(QStringLiteral("Изменить 5 строк?"), Answer::Yes);
    group.mpGroupDeleteClick(3);
    EXPECT_EQ(stored(f::Oem).join(u' '), QStringLiteral("А= Б= В= Г= Д="));
    ui.expectQuestion(QStringLiteral("Изменить 5 строк?"), Answer::Yes);
    group.mpGroupDeleteClick(4);
    EXPECT_EQ(stored(f::Alter).join(u' '), QStringLiteral("А= Б= В= Г= Д="));
    EXPECT_EQ(current(), QStringLiteral("Д"));
}

TEST_F(GroupOperations, AWalkThatMovesRowsInTheSortOrderVisitsEachOnce)
{
    // Sorted by link: each rewritten link moves behind the others.
    ds().addIndex(QStringLiteral("byLink"), f::FileName);
    ds().setIndexName(QStringLiteral("byLink"));
    ui.expectDialog(catalogue::FilePathPage::caption(), [](QDialog& d) {
        auto* page = d.findChild<QWidget*>(QStringLiteral("ShFile"));
        page->findChild<QRadioButton*>(QStringLiteral("RgFiles0"))->setChecked(true); // the left part
        page->findChild<QLineEdit*>(QStringLiteral("EdLeftSrc"))->setText(QStringLiteral("c:"));
        page->findChild<QLineEdit*>(QStringLiteral("EdLeftDst"))->setText(QStringLiteral("z:"));
        page->findChild<QCheckBox*>(QStringLiteral("ChLeft"))->setChecked(true);
    });
    ui.expectQuestion(GroupCommands::changeLinksQuestion(5), Answer::Yes);
    group.mpGroupDeleteClick(5);
    EXPECT_EQ(stored(f::FileName).join(u' '),
              QStringLiteral("А=z:\\old\\a.txt Б=z:\\old\\b.txt В=z:d:\\x\\c.txt Г=z:\\old\\d.txt Д=z:e.txt"));
}

TEST_F(GroupOperations, PathDialogCancelledOrNotEnoughChangesNothing)
{
    const QByteArray before = TempDir::read(cat.fileName());
    ui.expectDialog(catalogue::FilePathPage::caption(), {}, QDialog::Rejected);
    group.mpGroupDeleteClick(5);
    // The whole-path mode with the folder shown unchanged: a silent stop.
    ui.expectDialog(catalogue::FilePathPage::caption(), [](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("EdPathSrc"))->text(), QStringLiteral("c:\\old\\"));
        d.findChild<QLineEdit*>(QStringLiteral("EdPathDst"))->setText(QStringLiteral("c:\\old\\"));
    });
    group.mpGroupDeleteClick(5);
    ui.expectDialog(catalogue::FilePathPage::caption(),
                    [](QDialog& d) { d.findChild<QLineEdit*>(QStringLiteral("EdPathDst"))->setText(QStringLiteral("e:\\")); });
    ui.expectQuestion(GroupCommands::changeLinksQuestion(5), Answer::No);
    group.mpGroupDeleteClick(5);
    EXPECT_EQ(TempDir::read(cat.fileName()), before);
}

TEST_F(GroupOperations, FilteredDeletionRemovesTheViewAndSwitchesTheFilterOff)
{
    groupHost.open = true;
    filterBy(QStringLiteral("А"), f::Author);
    const int resets = catalogueHost.filterResets;
    ui.expectQuestion(QStringLiteral("Удалить 3 строк?"), Answer::Yes);
    group.mpGroupDeleteClick(1);
    EXPECT_EQ(groupHost.bookCloses, 1);
    EXPECT_FALSE(ds().filtered());
    EXPECT_EQ(ds().filterText(), QString());
    EXPECT_EQ(catalogueHost.filterResets, resets + 1);
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("В"), QStringLiteral("Д")}));
    EXPECT_EQ(stored(f::Author).join(u' '), QStringLiteral("В=ПУШКИН Д=Толстой"));
}

TEST_F(GroupOperations, DeletingAllWithoutAFilterAsksFirst)
{
    groupHost.open = true;
    ui.expectQuestion(GroupCommands::deleteAllQuestion(), Answer::No);
    group.mpGroupDeleteClick(1);
    EXPECT_EQ(stored(f::Author).size(), 5);
    EXPECT_EQ(groupHost.bookCloses, 0);
    ui.expectQuestion(QStringLiteral("Удалить все записи?"), Answer::Yes);
    group.mpGroupDeleteClick(1);
    EXPECT_EQ(groupHost.bookCloses, 1);
    EXPECT_EQ(ds().recordCount(), 0);
    EXPECT_EQ(stored(f::Author), QStringList());
}

// Replaces the author Пушкин of the row Б, with the filter by that cell on or off, and gives
// back the authors stored afterwards.
QString GroupOperations::replaceAuthorOfB(bool filtered, const QString& typed)
{
    if (filtered)
        filterBy(QStringLiteral("Б"), f::Author);
    else
        ds().locate(f::BookName, QStringLiteral("Б"));
    selectColumn(f::Author);
    const int resets = catalogueHost.filterResets;
    ui.expectInput(QStringLiteral("Заменить \"Пушкин\""), GroupCommands::replacePrompt(), typed, QStringLiteral("Пушкин"));
    group.mpReplaceClick();
    // A filter that kept only the changed rows is off now and its items reset.
    EXPECT_FALSE(ds().filtered());
    EXPECT_EQ(catalogueHost.filterResets, resets + (filtered ? 1 : 0));
    EXPECT_EQ(titles().size(), 5);
    return stored(f::Author).join(u' ');
}

TEST_F(GroupOperations, ReplacementWithoutAFilterChangesExactMatchesOnly)
{
    EXPECT_EQ(replaceAuthorOfB(false, QStringLiteral("Pushkin")), QStringLiteral("А=Pushkin Б=Pushkin В=ПУШКИН Г=Pushkin Д=Толстой"));
}

TEST_F(GroupOperations, ReplacementUnderTheCellFilterEmptiesTheViewAndEndsTheFilter)
{
    EXPECT_EQ(replaceAuthorOfB(true, QStringLiteral("Pushkin")), QStringLiteral("А=Pushkin Б=Pushkin В=ПУШКИН Г=Pushkin Д=Толстой"));
}

TEST_F(GroupOperations, ReplacementByAnEmptyTextEmptiesTheField)
{
    EXPECT_EQ(replaceAuthorOfB(false, QString()), QStringLiteral("А= Б= В=ПУШКИН Г= Д=Толстой"));
}

TEST_F(GroupOperations, ReplacementInsideAWiderFilterAndOnANonTextColumn)
{
    // The filter keeps А, Б and Д; only the books of Пушкин among them change (Г stays), and
    // the view keeps its rows.
    ds().setFilterText(QStringLiteral("_Size<'201' or _Size='500'"));
    ds().setFiltered(true);
    ds().first();
    selectColumn(f::Author);
    ui.expectInput(QStringLiteral("Заменить \"Пушкин\""), GroupCommands::replacePrompt(), QStringLiteral("П."));
    group.mpReplaceClick();
    EXPECT_EQ(stored(f::Author).join(u' '), QStringLiteral("А=П. Б=П. В=ПУШКИН Г=Пушкин Д=Толстой"));
    EXPECT_TRUE(ds().filtered());

    selectColumn(f::Size);
    ui.expectMessage(GroupCommands::textFieldsOnly());
    group.mpReplaceClick();
    // The same text again changes nothing and asks nothing more.
    selectColumn(f::Author);
    ui.expectInput(QStringLiteral("Заменить \"П.\""), GroupCommands::replacePrompt(), QStringLiteral("П."));
    group.mpReplaceClick();
}

TEST_F(GroupOperations, UnreadClearsTheCurrentRowAfterTheQuestion)
{
    ds().locate(f::BookName, QStringLiteral("Б"));
    ui.expectQuestion(GroupCommands::unreadQuestion(), Answer::No);
    group.mpUnreadClick();
    EXPECT_EQ(stored(f::Pos).at(1), QStringLiteral("Б=1001"));
    ui.expectQuestion(QStringLiteral("Удалить отметки о чтении (позицию, процент, даты) ?"), Answer::Yes);
    group.mpUnreadClick();
    EXPECT_EQ(stored(f::Pos).join(u' '), QStringLiteral("А=1000 Б= В=1002 Г=1003 Д=1004"));
    EXPECT_EQ(stored(f::Oem).at(1), QStringLiteral("Б="));
    EXPECT_EQ(stored(f::Size).at(1), QStringLiteral("Б=200"));
}

TEST_F(GroupOperations, AFailedWriteIsReportedAndTheFileKeepsItsContent)
{
    ErrorCollector errors;
    InstalledInteraction collecting(errors);
    const QByteArray before = TempDir::read(cat.fileName());
    errors.expectQuestion(QStringLiteral("Изменить 5 строк?"), Answer::Yes);
    {
        FileSizeLimit full(64);
        group.mpGroupDeleteClick(2);
    }
    EXPECT_EQ(errors.errors.size(), 1);
    EXPECT_EQ(TempDir::read(cat.fileName()), before);
    // Memory holds the change; the program goes on.
    EXPECT_TRUE(ds().isNull(f::Pos));
    EXPECT_TRUE(cat.rowEventsOn());
    EXPECT_FALSE(catalogueHost.progressShown);
}

} // namespace
} // namespace folianto::test
