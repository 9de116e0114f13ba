// FictionBook descriptions filling the rows of the folder import, per the import options.

#include "ImportFixture.h"
#include "archive/ArchiveFixtures.h"
#include "exchange/FolderImport.h"
#include "exchange/ImportSink.h"
#include "fb2/Fb2Fixture.h"

#include <map>

using namespace folianto;
using namespace folianto::test;
using exchange::ImportCommands;
namespace field = catalogue::field;

namespace {

struct Row {
    QString book, author, topic;
    friend bool operator==(const Row&, const Row&) = default;
};

void PrintTo(const Row& r, std::ostream* os)
{
    *os << '{' << r.book.toStdString() << " | " << r.author.toStdString() << " | " << r.topic.toStdString() << '}';
}

class FolderImportFb2Test : public ImportTest {
protected:
    void SetUp() override
    {
        ImportTest::SetUp();
        root = dir.file(QStringLiteral("полка"));
        const QString body = QStringLiteral("<section><p>%1</p></section>").arg(proseParagraphs(1).front());
        makeFile(root + QStringLiteral("/utf8.fb2"), fb2Xml(body).toUtf8());
        makeFile(root + QStringLiteral("/cp1251.fb2"),
                 encodedAs(fb2Xml(body, QStringLiteral("windows-1251")), "windows-1251"));
        // Recognised by what it holds, not by its name.
        makeFile(root + QStringLiteral("/named.txt"), fb2Xml(body).toUtf8());
        makeFile(root + QStringLiteral("/plain.fb2"), proseParagraphs(2).join(u'\n').toUtf8());
        makeZip(root + QStringLiteral("/zipped.fb2.zip"),
                {{"zipped.fb2", encodedAs(fb2Xml(body, QStringLiteral("windows-1251")), "windows-1251")}});
    }

    // The rows the import of `root` adds, by file name.
    std::map<QString, Row> importRows()
    {
        const int before = ds().recordCount();
        ui.expectQuestion(ImportCommands::folderQuestion(5), Answer::No, Question::YesNoCancel);
        commands.ImportFiles(root);
        const QStringList books = column(field::BookName).mid(before);
        const QStringList authors = column(field::Author).mid(before);
        const QStringList topics = column(field::Topic).mid(before);
        const QStringList files = column(field::FileName).mid(before);
        std::map<QString, Row> rows;
        for (qsizetype i = 0; i < files.size(); ++i)
            rows[QFileInfo(files[i]).fileName()] = {books[i], authors[i], topics[i]};
        return rows;
    }

    QString root;
};

TEST_F(FolderImportFb2Test, DescriptionFillsTitleAuthorAndTopicUnlessDefaultsOrOff)
{
    const QString title = QStringLiteral("Анна Каренина");
    const QString author = QStringLiteral("Толстой Лев");
    const QString genre = QStringLiteral("Классическая проза");
    const QString folder = QStringLiteral("полка");
    struct Case {
        const char* name;
        bool fb2;
        QString defaultAuthor, defaultTopic;
        Row fb2Row; // for each of the four FictionBooks, the name standing for the file's own
    } cases[] = {
        {"on", true, {}, {}, {title, author, genre}},
        {"on, default author", true, QStringLiteral("Автор"), {}, {title, QStringLiteral("Автор"), genre}},
        {"on, default topic", true, {}, QStringLiteral("Тема"), {title, author, QStringLiteral("Тема")}},
        {"on, both defaults", true, QStringLiteral("Автор"), QStringLiteral("Тема"),
         {title, QStringLiteral("Автор"), QStringLiteral("Тема")}},
        {"off", false, {}, {}, {{}, {}, folder}},
        {"off, defaults", false, QStringLiteral("Автор"), QStringLiteral("Тема"),
         {{}, QStringLiteral("Автор"), QStringLiteral("Тема")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.defaults.fb2Description = c.fb2;
        host.defaults.author = c.defaultAuthor;
        host.defaults.topic = c.defaultTopic;
        const std::map<QString, Row> rows = importRows();
        ASSERT_EQ(rows.size(), 5u);
        for (const QString& name : {QStringLiteral("utf8.fb2"), QStringLiteral("cp1251.fb2"), QStringLiteral("named.txt"),
                                    QStringLiteral("zipped.fb2.zip")}) {
            SCOPED_TRACE(name.toStdString());
            Row expected = c.fb2Row;
            if (expected.book.isEmpty())
                expected.book = name;
            EXPECT_EQ(rows.at(name), expected);
        }
        // A file that is not a FictionBook keeps what the options give it.
        const Row plain{QStringLiteral("plain.fb2"), c.defaultAuthor,
                        c.defaultTopic.isEmpty() ? folder : c.defaultTopic};
        EXPECT_EQ(rows.at(QStringLiteral("plain.fb2")), plain);
    }
}

TEST_F(FolderImportFb2Test, DroppedFileTakesItsDescription)
{
    table::Dataset& table = ds();
    exchange::TableSink sink(table);
    exchange::FileDefaults options;
    options.impFolder = false;
    const int before = table.recordCount();
    ASSERT_EQ(exchange::FolderImport(options).addList({root + QStringLiteral("/cp1251.fb2")}, true, sink), 1);
    EXPECT_EQ(column(field::BookName).mid(before), QStringList{QStringLiteral("Анна Каренина")});
    EXPECT_EQ(column(field::Author).mid(before), QStringList{QStringLiteral("Толстой Лев")});
    EXPECT_EQ(column(field::Topic).mid(before), QStringList{QStringLiteral("Классическая проза")});
}

} // namespace
