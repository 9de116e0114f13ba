// A FictionBook chosen for a new card fills the title, the author and the topic from its
// description, also when the book is packed in a zip; a default author or topic stays.

#include "BookCardFixture.h"
#include "archive/ArchiveFixtures.h"

#include <QStringEncoder>

namespace folianto::test {
namespace {

using CardFromFb2 = BookCardTest;

QByteArray fb2Book(const char* encoding)
{
    const QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"%1\"?>\n<FictionBook xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\">"
        "<description><title-info><genre>prose_rus_classic</genre><author><first-name>Николай</first-name>"
        "<last-name>Гоголь</last-name></author><book-title>Мёртвые души</book-title></title-info></description>"
        "<body><section><p>В ворота гостиницы губернского города NN въехала довольно красивая рессорная "
        "небольшая бричка.</p></section></body></FictionBook>\n").arg(QString::fromLatin1(encoding));
    QStringEncoder encoder(encoding);
    return encoder.encode(xml);
}

TEST_F(CardFromFb2, TheDescriptionFillsTheEmptyDefaults)
{
    struct Case {
        const char* name;
        const char* encoding;
        bool zipped;
        QString defaultAuthor, defaultTopic, author, topic;
    };
    const Case cases[] = {
        {"no defaults, utf-8", "utf-8", false, {}, {}, QStringLiteral("Гоголь Николай"),
         QStringLiteral("Русская классическая проза")},
        {"no defaults, windows-1251", "windows-1251", false, {}, {}, QStringLiteral("Гоголь Николай"),
         QStringLiteral("Русская классическая проза")},
        {"zipped, windows-1251", "windows-1251", true, {}, {}, QStringLiteral("Гоголь Николай"),
         QStringLiteral("Русская классическая проза")},
        {"defaults stay", "utf-8", false, QStringLiteral("Толстой"), QStringLiteral("Проза"), QStringLiteral("Толстой"),
         QStringLiteral("Проза")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open({{QStringLiteral("Один")}}, [&](settings::ProgramSettings& s) {
            s.defaultAuthor = c.defaultAuthor;
            s.defaultTopic = c.defaultTopic;
        });
        QString file;
        if (c.zipped) {
            QDir().mkpath(dir.file(QStringLiteral("books")));
            file = dir.file(QStringLiteral("books/souls.fb2.zip"));
            makeZip(file, {{"souls.fb2", fb2Book(c.encoding)}});
        } else {
            file = dir.write(QStringLiteral("books/souls.fb2"), fb2Book(c.encoding));
        }
        expectFileDialog(file);
        expectCard(true, [&](QDialog& d) {
            EXPECT_EQ(card(d).DBEBook->text(), QStringLiteral("Мёртвые души"));
            EXPECT_EQ(card(d).DBEAuthor->text(), c.author);
            EXPECT_EQ(card(d).topicText(), c.topic);
        });
        EXPECT_TRUE(form->catalogueCommands().ShowBookCard(true));
        ui.verifyAllConsumed();
        auto rows = stored();
        ASSERT_TRUE(rows->locate(field::BookName, QStringLiteral("Мёртвые души")));
        EXPECT_EQ(rows->asString(field::Author), c.author);
        EXPECT_EQ(rows->asString(field::Topic), c.topic);
        closeForm();
    }
}

} // namespace
} // namespace folianto::test
