// FictionBook shown formatted: structure, formats, pictures, encodings, and bad input that
// must end quickly in a partial document.
#include "engines/fb2/Fb2Document.h"
#include "engines/fb2/Fb2Stream.h"

#include "Fb2Fixture.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace folianto;

namespace {

struct Shown {
    bool complete = false;
    QString text;
};

Shown render(QByteArray bytes, QTextDocument& doc, fb2::RenderLimits limits = {})
{
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    Shown shown;
    shown.complete = fb2::readFb2Into(device, doc, limits);
    shown.text = doc.toPlainText();
    return shown;
}

// The format of the first character of `needle` in the document.
QTextCharFormat formatAt(const QTextDocument& doc, const QString& needle)
{
    const QTextCursor found = doc.find(needle);
    EXPECT_FALSE(found.isNull()) << needle.toStdString();
    QTextCursor at(const_cast<QTextDocument*>(&doc));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

const QStringList kParagraphs = test::proseParagraphs(6);

QString structuredBody()
{
    return QStringLiteral(
               "<title><p>Часть первая</p></title>"
               "<epigraph><p>Мне отмщение, и аз воздам.</p><text-author>Апостол</text-author></epigraph>"
               "<section><title><p>Глава I</p></title><p>%1 <emphasis>курсивом</emphasis> и "
               "<strong>жирным</strong><a l:href=\"#n1\" type=\"note\">1</a>.</p>"
               "<subtitle>* * *</subtitle><empty-line/><p>%2</p>"
               "<image l:href=\"#pic\"/>"
               "<poem><title><p>Стихи</p></title><stanza><v>Мороз и солнце;</v><v>день чудесный!</v></stanza>"
               "<stanza><v>Ещё ты дремлешь,</v></stanza></poem>"
               "<cite><p>%3</p></cite></section>")
        .arg(kParagraphs[0], kParagraphs[1], kParagraphs[2]);
}

QString notesAndBinaries()
{
    return QStringLiteral("<body name=\"notes\"><section id=\"n1\"><title><p>1</p></title><p>Текст сноски.</p>"
                          "</section></body><binary id=\"pic\" content-type=\"image/png\">%1</binary>")
        .arg(QString::fromLatin1(test::pngBase64(1200, 600)));
}

} // namespace

TEST(Fb2Document, ShowsTheStructureInOrderWithItsFormats)
{
    QTextDocument doc;
    const Shown shown = render(test::fb2Xml(structuredBody(), QStringLiteral("utf-8"), notesAndBinaries()).toUtf8(), doc);
    EXPECT_TRUE(shown.complete);
    const QStringList inOrder = {QStringLiteral("Часть первая"), QStringLiteral("Мне отмщение"), QStringLiteral("Апостол"),
                                 QStringLiteral("Глава I"), kParagraphs[0], QStringLiteral("курсивом"),
                                 QStringLiteral("* * *"), kParagraphs[1], QStringLiteral("Стихи"),
                                 QStringLiteral("Мороз и солнце;"), QStringLiteral("Ещё ты дремлешь,"), kParagraphs[2],
                                 QStringLiteral("Текст сноски.")};
    qsizetype at = 0;
    for (const QString& piece : inOrder) {
        const qsizetype found = shown.text.indexOf(piece, at);
        ASSERT_GE(found, at) << piece.toStdString();
        at = found + piece.size();
    }
    EXPECT_FALSE(shown.text.contains(QStringLiteral("prose_classic"))) << "the description is not shown";
    EXPECT_FALSE(shown.text.contains(QStringLiteral("Анна"))) << "the body has its own title";

    EXPECT_TRUE(formatAt(doc, QStringLiteral("курсивом")).fontItalic());
    EXPECT_FALSE(formatAt(doc, QStringLiteral("курсивом")).fontWeight() > QFont::Normal);
    EXPECT_EQ(formatAt(doc, QStringLiteral("жирным")).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(doc, QStringLiteral("Глава I")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(doc, QStringLiteral("Мне отмщение")).fontItalic());
    EXPECT_EQ(doc.find(QStringLiteral("Глава I")).blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(doc.find(QStringLiteral("Апостол")).blockFormat().alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_GT(doc.find(QStringLiteral("Мороз")).blockFormat().leftMargin(), 0);
    EXPECT_GT(doc.find(kParagraphs[2]).blockFormat().leftMargin(), 0) << "a citation is indented";
    // Each verse and each paragraph is a block of its own; the empty line is an empty block.
    EXPECT_NE(doc.find(QStringLiteral("Мороз")).block(), doc.find(QStringLiteral("день чудесный")).block());
    EXPECT_TRUE(doc.find(QStringLiteral("* * *")).block().next().text().isEmpty());

    // The picture stands where it was, with its resource, scaled to the view's width.
    int pictures = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            ++pictures;
            const QTextImageFormat image = f.toImageFormat();
            EXPECT_EQ(image.width(), 600);
            EXPECT_EQ(image.height(), 300);
            EXPECT_FALSE(doc.resource(QTextDocument::ImageResource, QUrl(image.name())).isNull());
            EXPECT_GT(it.fragment().position(), shown.text.indexOf(kParagraphs[1]));
        }
    }
    EXPECT_EQ(pictures, 1);
}

TEST(Fb2Document, TheCoverAndTheBookTitleComeFirstWhenTheBodyHasNoTitle)
{
    const QString withCover = test::fb2Xml(QStringLiteral("<section><p>%1</p></section>").arg(kParagraphs[0]),
                                           QStringLiteral("utf-8"),
                                           QStringLiteral("<binary id=\"c\" content-type=\"image/png\">%1</binary>")
                                               .arg(QString::fromLatin1(test::pngBase64(100, 150))))
                                  .replace(QStringLiteral("<lang>"),
                                           QStringLiteral("<coverpage><image l:href=\"#c\"/></coverpage><lang>"));
    QTextDocument doc;
    const Shown shown = render(withCover.toUtf8(), doc);
    EXPECT_TRUE(shown.complete);
    EXPECT_TRUE(doc.begin().begin().fragment().charFormat().isImageFormat()) << "the cover opens the book";
    EXPECT_EQ(doc.begin().begin().fragment().charFormat().toImageFormat().width(), 100) << "never scaled up";
    EXPECT_LT(shown.text.indexOf(QStringLiteral("Анна Каренина")), shown.text.indexOf(kParagraphs[0]));
}

TEST(Fb2Document, TheDeclaredEncodingIsHonoured)
{
    const QString body = structuredBody();
    QTextDocument utf8Doc;
    const QString utf8 = render(test::fb2Xml(body).toUtf8(), utf8Doc).text;
    ASSERT_TRUE(utf8.contains(kParagraphs[0]));
    struct Case { const char* declared; const char* encoding; };
    for (const Case c : {Case{"windows-1251", "windows-1251"}, Case{"Windows-1251", "windows-1251"},
                         Case{"koi8-r", "KOI8-R"}, Case{"utf-16", "UTF-16LE"}}) {
        QByteArray bytes = test::encodedAs(test::fb2Xml(body, QString::fromLatin1(c.declared)), c.encoding);
        if (QByteArray(c.encoding) == "UTF-16LE")
            bytes.prepend("\xFF\xFE");
        QTextDocument doc;
        const Shown shown = render(bytes, doc);
        EXPECT_TRUE(shown.complete) << c.declared;
        EXPECT_EQ(shown.text, utf8) << c.declared;
    }
}

TEST(Fb2Document, BadInputEndsQuicklyInWhatCouldBeRead)
{
    const QByteArray good = test::fb2Xml(structuredBody(), QStringLiteral("utf-8"), notesAndBinaries()).toUtf8();
    struct Case { const char* name; QByteArray bytes; const char* shows; const char* hides; };
    const QByteArray bomb = "<?xml version=\"1.0\"?><!DOCTYPE FictionBook [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaa\">"
                            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                            "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                            "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
                            "<FictionBook><body><p>&f;&f;&f;&f;</p></body></FictionBook>";
    QByteArray invalid = good;
    invalid.insert(invalid.indexOf(kParagraphs[1].toUtf8()) + 4, "\xFF\xFE\xC0");
    QByteArray claims = test::encodedAs(test::fb2Xml(structuredBody()), "windows-1251"); // says utf-8
    const Case cases[] = {
        {"truncated", good.left(good.indexOf(kParagraphs[1].toUtf8()) + 30), "Глава I", "Мороз"},
        {"entity bomb", bomb, "", "aaaa"},
        {"unclosed tags", "<FictionBook><body><section><p>Один<p>Два</section>", "Один", "</"},
        {"undeclared html entities", "<FictionBook><body><p>a&nbsp;&mdash;&zzz;b</p></body></FictionBook>",
         "a \u2014\uFFFDb", "&"}, // the plain text reads the no-break space as a blank
        {"invalid utf-8", invalid, "\uFFFD", "never"},
        {"claims utf-8 but is cp1251", claims, "\uFFFD", "Глава"},
        {"not xml", QByteArray("\x00\x01\x02 plain", 9), "", "plain"},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        QElapsedTimer timer;
        timer.start();
        const Shown shown = render(c.bytes, doc);
        EXPECT_LT(timer.elapsed(), 2000) << c.name;
        EXPECT_TRUE(shown.text.contains(QString::fromUtf8(c.shows))) << c.name << ": " << shown.text.left(300).toStdString();
        EXPECT_FALSE(shown.text.contains(QString::fromUtf8(c.hides))) << c.name;
    }
}

TEST(Fb2Document, HugeParagraphsAndPicturesStayWithinTheLimits)
{
    fb2::RenderLimits limits;
    limits.maxCharacters = 2'000'000;
    limits.maxImageBase64 = 1 << 20;
    const QString word = QStringLiteral("слово ");
    const QString paragraph = word.repeated(8'000'000 / word.size()); // 8 million characters, one paragraph
    const QString binary = QStringLiteral("<binary id=\"pic\" content-type=\"image/png\">%1</binary>")
                               .arg(QString(4'000'000, QLatin1Char('A')));
    const QByteArray bytes = test::fb2Xml(QStringLiteral("<p>%1</p><image l:href=\"#pic\"/>").arg(paragraph),
                                          QStringLiteral("utf-8"), binary).toUtf8();
    QTextDocument doc;
    QElapsedTimer timer;
    timer.start();
    const Shown shown = render(bytes, doc, limits);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_FALSE(shown.complete) << "stopped at the limit";
    EXPECT_LE(shown.text.size(), limits.maxCharacters + 1);
    EXPECT_GT(shown.text.size(), limits.maxCharacters / 2);
    EXPECT_GT(doc.blockCount(), 50) << "a long paragraph goes on in blocks a layout can handle";
    EXPECT_TRUE(shown.text.startsWith(QStringLiteral("Анна Каренина\nслово слово")));
}

TEST(Fb2Document, RecognisedByContent)
{
    struct Case { const char* head; bool fb2; };
    const Case cases[] = {
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<FictionBook xmlns=\"x\">", true},
        {"\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- made by hand --><FictionBook>", true},
        {"<fb:FictionBook xmlns:fb=\"x\">", true},
        {"<FictionBook\n xmlns=\"x\">", true},
        {"<?xml version=\"1.0\"?><html><body>FictionBook</body></html>", false},
        {"<FictionBookmark>", false},
        {"{\\rtf1 <FictionBook>", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fb2::looksLikeFb2(QByteArrayView(c.head)), c.fb2) << c.head;
    QByteArray utf16 = test::encodedAs(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?><FictionBook>"), "UTF-16LE");
    EXPECT_TRUE(fb2::looksLikeFb2(utf16.prepend("\xFF\xFE")));
    EXPECT_EQ(fb2::declaredEncoding("<?xml version='1.0' encoding='Windows-1251'?>"), QByteArray("windows-1251"));
    EXPECT_EQ(fb2::declaredEncoding("<FictionBook>"), QByteArray("utf-8"));
}
