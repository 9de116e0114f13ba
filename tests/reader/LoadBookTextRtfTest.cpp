// RTF books: always in the rich view, never divided, never detected.
#include "LoadBookTextFixture.h"

using namespace folianto;
using folianto::test::LoadBookTextTest;
namespace field = catalogue::field;

TEST_F(LoadBookTextTest, FastReadChoosesTheFastViewButRtfIsAlwaysRich)
{
    const QString text = QStringLiteral("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}"
                                        "\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, {\\b \\'ec\\'e8\\'f0}!\\par}");
    const QString rtf = dir.write(QStringLiteral("Letter.RTF"), text.toLatin1());
    const QString txt = dir.write(QStringLiteral("letter.txt"), "plain");
    addBookRow(rtf);
    loader.setFastRead(true);
    loader.setPartSize(10); // an RTF file is never divided

    ASSERT_TRUE(load(rtf));
    EXPECT_FALSE(views.fastViewInUse());
    EXPECT_EQ(views.currentWidget(), &views.richView());
    EXPECT_EQ(views.richView().toPlainText().trimmed(), QStringLiteral("Привет, мир!"));
    EXPECT_EQ(field(field::Oem), QStringLiteral("N"));
    EXPECT_FALSE(pages.isShown());
    EXPECT_EQ(pages.count(), 0);

    ASSERT_TRUE(load(txt));
    EXPECT_TRUE(views.fastViewInUse());
    EXPECT_EQ(views.currentWidget(), &views.fastView());
    EXPECT_EQ(views.fastView().toPlainText(), QStringLiteral("plain"));
}

TEST_F(LoadBookTextTest, AHandSetCodeIsAppliedToRtfBytes)
{
    // "Й" in KOI8-R is 0xEA; read as KOI the RTF byte \xEA gives Windows-1251 0xC9.
    QByteArray rtf("{\\rtf1\\ansi\\ansicpg1251 ");
    rtf += char(0xEA);
    rtf += "\\par}";
    const QString path = dir.write(QStringLiteral("koi.rtf"), rtf);
    addBookRow(path, QStringLiteral("K"));
    ASSERT_TRUE(load(path));
    EXPECT_EQ(views.richView().toPlainText().trimmed(), QStringLiteral("Й"));
    EXPECT_EQ(field(field::Oem), QStringLiteral("K"));
}

