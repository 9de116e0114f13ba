// FictionBook books in the loader: known by content, read whole into the rich view in either
// declared encoding, also when unpacked from a zip; positions count the shown text.
#include "LoadBookTextFixture.h"

#include "archive/ArchiveFixtures.h"
#include "reader/ArchiveExtract.h"

#include <QStringEncoder>

using namespace folianto;
using folianto::test::LoadBookTextTest;
namespace field = catalogue::field;

namespace {

QByteArray fb2Book(const QString& prose, const char* encoding)
{
    QString body;
    for (const QString& line : prose.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        body += QStringLiteral("<p>%1</p>\n").arg(line.toHtmlEscaped());
    const QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"%1\"?>\n<FictionBook xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\">"
        "<description><title-info><book-title>Проза</book-title></title-info></description>"
        "<body><title><p>Глава первая</p></title><section>%2</section></body></FictionBook>\n")
                            .arg(QString::fromLatin1(encoding), body);
    QStringEncoder encoder(encoding);
    return encoder.encode(xml);
}

} // namespace

TEST_F(LoadBookTextTest, FictionBookIsShownFormattedWholeAndCountsTheShownText)
{
    const QString prose = test::russianProse(20000);
    loader.setPartSize(1000);  // never divided
    loader.setFastRead(true); // never the fast view
    for (const char* encoding : {"utf-8", "windows-1251"}) {
        // Named as plain text: the content decides.
        const QString path = dir.write(QStringLiteral("book-%1.txt").arg(QString::fromLatin1(encoding)),
                                       fb2Book(prose, encoding));
        addBookRow(path, {}, 5000);
        ASSERT_TRUE(load(path)) << encoding;
        EXPECT_FALSE(views.fastViewInUse());
        EXPECT_FALSE(pages.isShown());
        EXPECT_TRUE(loader.documentShown());
        EXPECT_EQ(field(field::Oem), QStringLiteral("N")) << "the book declares its encoding";
        const QString shown = views.richView().toPlainText();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Глава первая\n"))) << encoding;
        EXPECT_TRUE(shown.contains(prose.section(QLatin1Char('\n'), 3, 3).simplified())) << encoding;
        EXPECT_FALSE(shown.contains(QStringLiteral("<p>")));
        EXPECT_EQ(views.richView().document()->find(QStringLiteral("Глава первая")).charFormat().fontWeight(), QFont::Bold);
        // The position is a character of the shown text, as for RTF.
        EXPECT_LE(std::abs(views.richView().caretPosition() - 5000), 1) << encoding;
        EXPECT_EQ(loader.bookPositionOf(4321), 4321);
        catalogue.edit();
        catalogue.setNull(field::Cur);
        catalogue.post();
    }
}

TEST_F(LoadBookTextTest, FictionBookUnpackedFromAZipIsShownFormatted)
{
    const QString prose = test::russianProse(3000);
    const QString archive = dir.file(QStringLiteral("book.fb2.zip"));
    test::makeZip(archive, {{"book.fb2", fb2Book(prose, "windows-1251")}});
    reader::ArchiveRequest request;
    request.workFolder = dir.file(QStringLiteral("BOOKDATA"));
    request.arc = 0;
    const QString unpacked = reader::ExtractFromZip(archive, nullptr, request);
    ASSERT_FALSE(unpacked.isEmpty());
    addBookRow(unpacked);
    ASSERT_TRUE(load(unpacked));
    EXPECT_TRUE(loader.documentShown());
    EXPECT_TRUE(views.richView().toPlainText().startsWith(QStringLiteral("Глава первая\n")));
}
