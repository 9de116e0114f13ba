// The description of a FictionBook found in a book file, plain or zipped, read in memory.

#include "ImportFixture.h"
#include "archive/ArchiveFixtures.h"
#include "exchange/BookDescription.h"
#include "fb2/Fb2Fixture.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace folianto;
using namespace folianto::test;

namespace {

QByteArray fb2Book(const char* encoding = "utf-8")
{
    const QString body = QStringLiteral("<section><p>%1</p></section>").arg(proseParagraphs(40).join(u' '));
    return encodedAs(fb2Xml(body, QString::fromLatin1(encoding)), encoding);
}

TEST(BookDescription, FoundInPlainAndZippedBooks)
{
    TempDir dir;
    const QByteArray prose = proseParagraphs(3).join(u'\n').toUtf8();
    struct Case {
        const char* name;
        std::function<QString(const QString&)> make; // writes the file under the given path
        bool found;
    } cases[] = {
        {"plain", [](const QString& p) { return makeFile(p, fb2Book()); }, true},
        {"zipped, windows-1251",
         [](const QString& p) { return makeZip(p, {{"book.fb2", fb2Book("windows-1251")}}), p; }, true},
        {"stored, not named as a FictionBook, after a text entry",
         [&](const QString& p) {
             return makeZip(p, {{"readme.txt", prose}, {"book.xml", fb2Book(), false, false, {}, true}}), p;
         },
         true},
        {"a zip of text", [&](const QString& p) { return makeZip(p, {{"book.txt", prose}}), p; }, false},
        {"an encrypted entry is passed over",
         [](const QString& p) { return makeZip(p, {{"book.fb2", fb2Book(), false, false, "secret"}}), p; }, false},
        {"a truncated zip",
         [](const QString& p) {
             makeZip(p, {{"book.fb2", fb2Book()}});
             QFile f(p);
             f.resize(f.size() / 2);
             return p;
         },
         false},
        {"plain text", [&](const QString& p) { return makeFile(p, prose); }, false},
        {"missing", [](const QString& p) { return p; }, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = c.make(dir.file(QStringLiteral("книга%1.fb2.zip").arg(++n)));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        const auto description = exchange::readBookDescription(file);
        ASSERT_EQ(description.has_value(), c.found);
        if (c.found) {
            EXPECT_EQ(description->title, QStringLiteral("Анна Каренина"));
            EXPECT_EQ(description->author, QStringLiteral("Толстой Лев"));
            EXPECT_EQ(description->genre, QStringLiteral("Классическая проза"));
        }
        // Nothing is unpacked beside the archive.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }
}

} // namespace
