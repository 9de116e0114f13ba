// A book inside a zip, RAR or HA archive opens through the open command like any other: the
// row's entry is unpacked into the work folder, shown, and removed again when the book closes.

#include "OpenBookFixture.h"
#include "engines/codepage/CodePages.h"

#include <QDir>

namespace folianto::test {
namespace {

namespace f = catalogue::field;

class OpenArchivedBook : public OpenBookTest {};

TEST_F(OpenArchivedBook, EachKindOfArchiveIsUnpackedReadAndCleanedUp)
{
    const QString text = QStringLiteral("Глава первая. Дорога шла вдоль реки.");
    const QByteArray dos = codepage::toCp866(text) + "\r\n";
    struct Case {
        const char* name;
        std::function<QString()> make; // writes the archive, the book as its second file, returns its path
    };
    const Case cases[] = {
        {"zip",
         [&] {
             const QString path = dir.file(QStringLiteral("book.zip"));
             makeZip(path, {{"Книги/", {}, true}, {"readme.txt", "x"}, {"Книги/глава.txt", dos}});
             return path;
         }},
        {"rar",
         [&] {
             return dir.write(QStringLiteral("book.rar"),
                              rar4Archive({{"readme.txt", "x"}, {"BOOKS\\GLAVA.TXT", dos}}));
         }},
        {"ha",
         [&] {
             return dir.write(QStringLiteral("book.ha"),
                              haArchive({{"", "readme.txt", "x"}, {"BOOKS\xFF", "GLAVA.TXT", dos}}));
         }},
    };
    haProgram = foliantoHaProgram();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (QByteArray(c.name) == "ha" && haProgram.isEmpty()) {
            ADD_FAILURE() << "folianto-ha is not built next to the tests";
            continue;
        }
        const QString archive = c.make();
        startWith({{QStringLiteral("Глава"), {}, archive}});
        setField(QStringLiteral("Глава"), f::Arc, 1);

        open(QStringLiteral("Глава"));
        ASSERT_TRUE(form->bookOpen());
        EXPECT_TRUE(bookShown());
        const QString unpacked = session().currentBookFile();
        EXPECT_EQ(QFileInfo(unpacked).absolutePath(), QFileInfo(form->workFolder()).absoluteFilePath());
        EXPECT_TRUE(QFileInfo::exists(unpacked));
        const QString shown = views().fastViewInUse() ? views().fastView().toPlainText()
                                                      : views().richView().toPlainText();
        EXPECT_TRUE(shown.contains(text)) << shown.toStdString();
        EXPECT_EQ(value(QStringLiteral("Глава"), f::Oem), QStringLiteral("Y")); // detected as DOS text

        trigger("mFinishbook");
        EXPECT_FALSE(form->bookOpen());
        EXPECT_FALSE(QFileInfo::exists(unpacked));
        EXPECT_EQ(stored(QStringLiteral("Глава"), f::Percent), QStringLiteral("100"));
        EXPECT_EQ(stored(QStringLiteral("Глава"), f::Cur), QString());
        form.reset();
    }
}

} // namespace
} // namespace folianto::test
