// The RTF writer: what it writes reads back the same, Cyrillic included.

#include "engines/rtf/RtfReader.h"
#include "engines/rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

namespace folianto::rtf {
namespace {

QString utf8(const char* s) { return QString::fromUtf8(s); }

// A run of text with its format, built step by step.
struct Run {
    explicit Run(QString t) : text(std::move(t)) {}
    Run& bold() { format.setFontWeight(QFont::Bold); return *this; }
    Run& italic() { format.setFontItalic(true); return *this; }
    Run& underline() { format.setFontUnderline(true); return *this; }
    Run& strike() { format.setFontStrikeOut(true); return *this; }
    Run& points(double p) { format.setFontPointSize(p); return *this; }
    Run& color(QColor c) { format.setForeground(c); return *this; }
    Run& family(const QString& f) { format.setFontFamilies(QStringList{f}); return *this; }

    QString text;
    QTextCharFormat format;
};

// A document of three paragraphs with every kind of format the writer keeps.
void fill(QTextDocument& doc)
{
    QTextCursor c(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    const Run title = Run(utf8("Заголовок «Ёлки»")).bold().points(16);
    c.insertText(title.text, title.format);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    c.insertBlock(justified);
    const Run runs[] = {
        Run(utf8("Обычный текст, ")),
        Run(utf8("курсив")).italic(),
        Run(utf8(" и подчёркнутый")).underline(),
        Run(utf8(" зачёркнутый")).strike(),
        Run(utf8(" красный")).color(QColor(200, 10, 20)),
        Run(utf8(" моноширинный")).family("Courier New"),
        Run(utf8(" {скобки} \\ и € α 😀")),
    };
    for (const Run& r : runs)
        c.insertText(r.text, r.format);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    c.insertBlock(right);
    c.insertText(QString("tab\there") + QChar(0x2028) + "next line" + QChar(0x00A0) + "end", QTextCharFormat());
}

TEST(RtfWriter, RoundTripKeepsTextParagraphsAndFormats)
{
    QTextDocument original;
    fill(original);
    const QByteArray rtf = writeRtf(original);
    QTextDocument copy;
    readRtfInto(rtf, copy);

    ASSERT_EQ(copy.blockCount(), original.blockCount()) << rtf.constData();
    for (QTextBlock a = original.begin(), b = copy.begin(); a.isValid(); a = a.next(), b = b.next()) {
        EXPECT_EQ(b.text(), a.text());
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, a.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        auto ia = a.begin(), ib = b.begin();
        for (; !ia.atEnd() && !ib.atEnd(); ++ia, ++ib) {
            const QTextCharFormat fa = ia.fragment().charFormat(), fb = ib.fragment().charFormat();
            const std::string where = ia.fragment().text().toStdString();
            EXPECT_EQ(ib.fragment().text(), ia.fragment().text());
            EXPECT_EQ(fb.fontWeight() >= QFont::DemiBold, fa.fontWeight() >= QFont::DemiBold) << where;
            EXPECT_EQ(fb.fontItalic(), fa.fontItalic()) << where;
            EXPECT_EQ(fb.fontUnderline(), fa.fontUnderline()) << where;
            EXPECT_EQ(fb.fontStrikeOut(), fa.fontStrikeOut()) << where;
            EXPECT_DOUBLE_EQ(fb.fontPointSize(), fa.fontPointSize()) << where;
            EXPECT_EQ(fb.hasProperty(QTextFormat::ForegroundBrush), fa.hasProperty(QTextFormat::ForegroundBrush)) << where;
            if (fa.hasProperty(QTextFormat::ForegroundBrush)) {
                EXPECT_EQ(fb.foreground().color(), fa.foreground().color()) << where;
            }
            if (!fa.fontFamilies().toStringList().isEmpty()) {
                EXPECT_EQ(fb.fontFamilies().toStringList(), fa.fontFamilies().toStringList()) << where;
            }
        }
        EXPECT_TRUE(ia.atEnd() && ib.atEnd());
    }
}

TEST(RtfWriter, CyrillicIsWrittenAsWindows1251UnderACyrillicFont)
{
    QTextDocument doc;
    doc.setPlainText(utf8("Ёж и € {}\\"));
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
    EXPECT_TRUE(rtf.contains("\\fcharset204"));
    EXPECT_TRUE(rtf.contains("\\'a8\\'e6 \\'e8 \\'88 \\{\\}\\\\")) << rtf.constData();
    // Only ASCII in the file itself.
    for (const char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

TEST(RtfWriter, CharactersOutsideTheCodePageAreUnicodeWords)
{
    QTextDocument doc;
    doc.setPlainText(utf8("α😀"));
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.contains("\\u945?\\u-10179?\\u-8704?")) << rtf.constData();
    EXPECT_EQ(rtfPlainText(rtf), utf8("α😀"));
}

TEST(RtfWriter, EmptyDocument)
{
    QTextDocument doc;
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(looksLikeRtf(rtf));
    EXPECT_EQ(rtfPlainText(rtf), QString());
}

} // namespace
} // namespace folianto::rtf
