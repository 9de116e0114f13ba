// Description files (.bbs, .ion): splitting, joining, links, and the command with its page.

#include "ImportFixture.h"
#include "engines/codepage/CodePages.h"
#include "exchange/DescriptionImport.h"
#include "exchange/DescriptionImportPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace folianto;
using namespace folianto::test;
using exchange::DescriptionImportPage;
using exchange::FieldTarget;
using exchange::ImportCommands;
using exchange::LinkChoice;
namespace field = catalogue::field;

namespace {

using Fields = std::array<QString, 4>;
using Seps = std::array<QString, 3>;

TEST(DescriptionSplit, FieldsOfALine)
{
    const QString tab = QStringLiteral("\t");
    struct Case {
        const char* line;
        Seps seps;
        Fields fields;
    } cases[] = {
        {"BOOK.TXT A. Author", {" "}, {"BOOK.TXT", "A. Author"}},
        // No first separator: the whole line is f1.
        {"BOOK.TXT A. Author", {}, {"BOOK.TXT A. Author"}},
        // Starting with the separator: empty f1 (and nothing further).
        {" BOOK.TXT", {" "}, {""}},
        // The only occurrence on the last character: f1 whole, trimmed.
        {"BOOK.TXT|", {"|"}, {"BOOK.TXT|"}},
        {"a|b|c|d|e", {"|", "|", "|"}, {"a", "b", "c", "d|e"}},
        {"a|b|c", {"|", "|", "|"}, {"a", "b", "c"}},
        // An empty second separator: f2 is the rest.
        {"a|b|c", {"|", "", "|"}, {"a", "b|c"}},
        // An empty f2 stops the split.
        {"a||c|d", {"|", "|", "|"}, {"a", "", ""}},
        // Separators of several characters; blanks and controls trimmed.
        {"  a :: b\x01 :: c ", {"::", "::"}, {"a", "b", "c"}},
        // "t" and "T" (and anything beginning with them) mean Tab.
        {"a\tb c\td", {"t", "Tab"}, {"a", "b c", "d"}},
        {"atb", {"t"}, {"atb"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Fields expected;
        for (size_t i = 0; i < 4; ++i)
            expected[i] = c.fields[i];
        const Fields got = exchange::splitDescriptionLine(QString::fromUtf8(c.line), c.seps);
        EXPECT_EQ(got, expected);
    }
    EXPECT_EQ(exchange::effectiveSeparator(QStringLiteral("T")), tab);
    EXPECT_EQ(exchange::effectiveSeparator(QStringLiteral(" ")), QStringLiteral(" "));
}

TEST(DescriptionSplit, LinesAndContinuations)
{
    const QString text = QStringLiteral("BOOK.TXT Part one\r\n continued\n  more\rNEXT.TXT x\r\n\r\n");
    EXPECT_EQ(exchange::descriptionLines(text, QString()),
              (QStringList{"BOOK.TXT Part one", " continued", "  more", "NEXT.TXT x", ""}));
    // Blanks after the continuation text stay in the joined line.
    EXPECT_EQ(exchange::descriptionLines(text, QStringLiteral(" ")),
              (QStringList{"BOOK.TXT Part one continued  more", "NEXT.TXT x", ""}));
    // A continuation on the first line has nothing to join to and stays as it is.
    EXPECT_EQ(exchange::descriptionLines(QStringLiteral("+a\n+b"), QStringLiteral("+")),
              (QStringList{"+a b"}));
}

TEST(DescriptionSplit, EncodingOfTheFile)
{
    const QString russian = QStringLiteral("КНИГА.TXT Пушкин Александр Сергеевич, повести и рассказы\r\n");
    EXPECT_EQ(exchange::decodeDescriptionBytes(codepage::toCp866(russian.repeated(20))), russian.repeated(20));
    EXPECT_EQ(exchange::decodeDescriptionBytes(codepage::toCp1251(russian.repeated(20))), russian.repeated(20));
    EXPECT_EQ(exchange::decodeDescriptionBytes(russian.toUtf8()), russian);
}

class DescriptionImportTest : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        books = dir.file(QStringLiteral("books"));
        makeFile(books + QStringLiteral("/BOOK.TXT"), "12345");
        makeFile(books + QStringLiteral("/EMPTY.TXT"), "");
        QDir().mkpath(books + QStringLiteral("/FOLDER"));
        makeFile(books + QStringLiteral("/.DOT.TXT"), "abc");
    }

    // The description file with these bytes, imported with the page set up by `fill`.
    void importWith(const QByteArray& bytes, const std::function<void(DescriptionImportPage&)>& fill)
    {
        const QString path = makeFile(books + QStringLiteral("/files.bbs"), bytes);
        ui.expectOpenFile(ImportCommands::descriptionDialogTitle(), path);
        ui.expectDialog(DescriptionImportPage::caption(), [&](QDialog& d) {
            auto* page = d.findChild<DescriptionImportPage*>();
            ASSERT_TRUE(page);
            preview = page->MBBS()->toPlainText();
            fill(*page);
        });
        commands.mImportBBSClick();
    }

    static void setSeparators(DescriptionImportPage& page, const QStringList& seps)
    {
        for (int i = 0; i < seps.size(); ++i)
            page.EdSeparator(i + 1)->setText(seps[i]);
    }

    QString books;
    QString preview;
};

TEST_F(DescriptionImportTest, LinksFollowTheChoiceAndThePresenceCheck)
{
    const QByteArray text = "BOOK.TXT A. Author\r\nEMPTY.TXT B. Author\r\nMISSING.TXT C\r\nFOLDER D\r\n.DOT.TXT E\r\n";
    const QString base = QDir(books).absolutePath() + u'/';
    struct Case {
        int choice;
        QStringList links;
        QStringList sizes;
    } cases[] = {
        {0, {base + "BOOK.TXT", "EMPTY.TXT", "MISSING.TXT", "FOLDER", ".DOT.TXT"}, {"5", "", "", "", ""}},
        {1, {"BOOK.TXT", "EMPTY.TXT", "MISSING.TXT", "FOLDER", ".DOT.TXT"}, {"5", "", "", "", ""}},
        {2, {"BOOK.TXT", "EMPTY.TXT", "MISSING.TXT", "FOLDER", ".DOT.TXT"}, {"", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        const int before = ds().recordCount();
        importWith(text, [&](DescriptionImportPage& page) {
            setSeparators(page, {QStringLiteral(" ")});
            page.RgFileItem(c.choice)->setChecked(true);
        });
        EXPECT_EQ(column(field::FileName).mid(before), c.links);
        EXPECT_EQ(column(field::Size).mid(before), c.sizes);
    }
    EXPECT_EQ(column(field::Author).first(), QStringLiteral("A. Author"));
    EXPECT_EQ(column(field::BookName).first(), QString()); // Cb1 on the empty item
    EXPECT_EQ(rowsOnDisk(), 15);
}

TEST_F(DescriptionImportTest, TargetsSkipsAndContinuations)
{
    const QByteArray text = "; comment\r\n# another\r\nBOOK.TXT\tTitle one\tAuthor one\tNote\r\n"
                            "+ continued\r\n   \r\n\tno name\r\nX.TXT\tTitle two\r\n";
    importWith(text, [](DescriptionImportPage& page) {
        setSeparators(page, {QStringLiteral("t"), QStringLiteral("T"), QStringLiteral("tab")});
        page.Cb(1)->setCurrentIndex(3); // f1 → "Прим"
        page.Cb(2)->setCurrentIndex(0); // f2 → "Книга"
        page.Cb(3)->setCurrentIndex(1); // f3 → "Автор"
        page.Cb(4)->setCurrentIndex(2); // f4 → "Прим", overwriting f1
        page.RgFileItem(2)->setChecked(true);
        page.EdSkip1()->setText(QStringLiteral(";"));
        page.EdSkip2()->setText(QStringLiteral("#"));
        page.EdMerge()->setText(QStringLiteral("+"));
    });
    EXPECT_EQ(column(field::BookName), (QStringList{"Title one", "Title two"}));
    EXPECT_EQ(column(field::Author), (QStringList{"Author one", ""}));
    EXPECT_EQ(column(field::Comment), (QStringList{"Note  continued", "X.TXT"}));
    EXPECT_EQ(column(field::FileName), (QStringList{"BOOK.TXT", "X.TXT"}));
    EXPECT_EQ(column(field::Topic), (QStringList{"", ""})); // no topic from the file
}

TEST_F(DescriptionImportTest, DosTextIsShownConverted)
{
    const QString line = QStringLiteral("BOOK.TXT Лев Николаевич Толстой, Война и мир, роман-эпопея\r\n");
    importWith(codepage::toCp866(line.repeated(10)), [](DescriptionImportPage& page) {
        setSeparators(page, {QStringLiteral(" ")});
    });
    EXPECT_TRUE(preview.startsWith(QStringLiteral("BOOK.TXT Лев Николаевич")));
    EXPECT_EQ(ds().recordCount(), 10);
    EXPECT_EQ(column(field::Author).first(), QStringLiteral("Лев Николаевич Толстой, Война и мир, роман-эпопея"));
}

TEST_F(DescriptionImportTest, NothingHappensWithoutAUsableFileOrOnCancel)
{
    // An empty file: no dialog.
    const QString empty = makeFile(books + QStringLiteral("/empty.bbs"), "");
    ui.expectOpenFile(ImportCommands::descriptionDialogTitle(), empty);
    commands.mImportBBSClick();
    ui.expectOpenFile(ImportCommands::descriptionDialogTitle(), books + QStringLiteral("/none.bbs"));
    commands.mImportBBSClick();
    ui.expectOpenFile(ImportCommands::descriptionDialogTitle(), QString());
    commands.mImportBBSClick();
    // Cancel in the dialog.
    const QString path = makeFile(books + QStringLiteral("/files.bbs"), "BOOK.TXT x\r\n");
    ui.expectOpenFile(ImportCommands::descriptionDialogTitle(), path);
    ui.expectDialog(DescriptionImportPage::caption(), {}, QDialog::Rejected);
    commands.mImportBBSClick();
    EXPECT_EQ(ds().recordCount(), 0);
    EXPECT_EQ(rowsOnDisk(), -1);
}

TEST_F(DescriptionImportTest, GarbageAndLongLinesNeverBreakTheImport)
{
    QByteArray garbage;
    quint32 x = 12345;
    for (int i = 0; i < 200000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage.append(char(x >> 24));
    }
    importWith(garbage, [](DescriptionImportPage& page) { setSeparators(page, {QStringLiteral(" ")}); });
    EXPECT_LE(preview.size(), DescriptionImportPage::previewLimit);
    const int rows = ds().recordCount();
    EXPECT_EQ(rowsOnDisk(), rows);

    const QByteArray longLine = "LONG.TXT " + QByteArray(1 << 20, 'a') + "\r\n";
    importWith(longLine + longLine, [](DescriptionImportPage& page) {
        setSeparators(page, {QStringLiteral(" ")});
        page.Cb(2)->setCurrentIndex(0); // "Книга": cut to the field's width
    });
    EXPECT_EQ(ds().recordCount(), rows + 2);
    ds().last();
    EXPECT_EQ(ds().asString(field::BookName), QString(100, u'a'));
}

TEST(DescriptionImportPageTest, VisibilityChainAndInitialState)
{
    QWidget widget;
    DescriptionImportPage page(&widget);
    EXPECT_EQ(page.settings(), exchange::DescriptionSettings{});
    auto shown = [&] {
        QString s;
        for (int i = 2; i <= 4; ++i)
            s += page.Cb(i)->isHidden() ? u'-' : u'C';
        for (int i = 2; i <= 3; ++i)
            s += page.EdSeparator(i)->isHidden() ? u'-' : u'E';
        for (int i = 1; i <= 3; ++i)
            s += page.Hint(i)->isHidden() ? u'-' : u'H';
        return s;
    };
    EXPECT_EQ(shown(), QStringLiteral("-----H--"));
    page.EdSeparator(1)->setText(QStringLiteral(" "));
    EXPECT_EQ(shown(), QStringLiteral("C--E--H-"));
    page.EdSeparator(2)->setText(QStringLiteral(","));
    EXPECT_EQ(shown(), QStringLiteral("CC-EE--H"));
    page.EdSeparator(3)->setText(QStringLiteral(";"));
    EXPECT_EQ(shown(), QStringLiteral("CCCEE---"));
    page.EdSeparator(1)->clear();
    EXPECT_EQ(shown(), QStringLiteral("-----H--"));

    page.setText(QString(70000, u'x'));
    EXPECT_EQ(page.MBBS()->toPlainText().size(), DescriptionImportPage::previewLimit);
}

} // namespace
