// The description of a FictionBook for the catalogue: title, "Фамилия Имя", first genre, read
// from the head of the file only.
#include "engines/fb2/Fb2Description.h"

#include "Fb2Fixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace folianto;

TEST(Fb2Description, TitleFirstAuthorAndFirstGenreInEachEncoding)
{
    const QString xml = test::fb2Xml(QStringLiteral("<section><p>Все счастливые семьи похожи друг на друга.</p></section>"));
    for (const char* encoding : {"utf-8", "windows-1251"}) {
        QString declared = xml;
        declared.replace(QStringLiteral("utf-8"), QString::fromLatin1(encoding));
        QByteArray bytes = test::encodedAs(declared, encoding);
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        const auto found = fb2::readDescription(device);
        ASSERT_TRUE(found) << encoding;
        EXPECT_EQ(found->title, QStringLiteral("Анна Каренина")) << encoding;
        EXPECT_EQ(found->author, QStringLiteral("Толстой Лев")) << encoding;
        EXPECT_EQ(found->genre, QStringLiteral("Классическая проза")) << encoding;
    }
}

TEST(Fb2Description, OnlyTheHeadIsReadAndOtherFilesGiveNothing)
{
    // A long book whose tail is not even XML: the description is still found, from the head.
    QByteArray bytes = test::fb2Xml(QStringLiteral("<p>x</p>")).toUtf8();
    bytes.insert(bytes.indexOf("<body>"), QByteArray("<body><p>") + QByteArray(4 << 20, 'y') + "</p></body>");
    bytes += QByteArray("\x00\x01<<<", 5);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const auto found = fb2::readDescription(device);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->title, QStringLiteral("Анна Каренина"));
    EXPECT_LT(device.pos(), 64 * 1024);

    const QString nickOnly = test::fb2Xml(QString()).replace(
        QRegularExpression(QStringLiteral("<author>.*</author>\\n")),
        QStringLiteral("<author><nickname>Аноним</nickname></author>\n"));
    QByteArray nick = nickOnly.toUtf8();
    QBuffer nickDevice(&nick);
    nickDevice.open(QIODevice::ReadOnly);
    const auto anonymous = fb2::readDescription(nickDevice);
    ASSERT_TRUE(anonymous);
    EXPECT_EQ(anonymous->author, QStringLiteral("Аноним"));

    for (QByteArray other : {QByteArray("plain text"), QByteArray("<?xml version=\"1.0\"?><html/>"), QByteArray()}) {
        QBuffer otherDevice(&other);
        otherDevice.open(QIODevice::ReadOnly);
        EXPECT_FALSE(fb2::readDescription(otherDevice)) << other.data();
    }
    EXPECT_FALSE(fb2::readDescription(QStringLiteral("/nonexistent/book.fb2")));
}

TEST(Fb2Description, GenreCodesOfTheListAreNamedOthersStayAsWritten)
{
    const struct {
        const char* written;
        QString topic;
    } cases[] = {
        {"sf_fantasy", QStringLiteral("Фэнтези")},
        {" PROSE_RUS_CLASSIC\n", QStringLiteral("Русская классическая проза")},
        {"det_irony", QStringLiteral("Иронический детектив")},
        {"my_own_shelf", QStringLiteral("my_own_shelf")},
        {"Проза", QStringLiteral("Проза")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        QByteArray bytes = test::fb2Xml(QString())
                               .replace(QStringLiteral("<genre>prose_classic</genre>"),
                                        QStringLiteral("<genre>%1</genre>").arg(QString::fromUtf8(c.written)))
                               .toUtf8();
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        const auto found = fb2::readDescription(device);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->genre, c.topic);
    }
}
