// The RTF reader: text of small RTFs, and the formatting they carry into a text document.

#include "engines/rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

namespace folianto::rtf {
namespace {

QString utf8(const char* s) { return QString::fromUtf8(s); }

TEST(RtfPlainText, Cases)
{
    struct Case {
        const char* what;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"plain words", R"({\rtf1\ansi Hello, world})", "Hello, world"},
        {"paragraphs and a line break", R"({\rtf1 one\par two\line three\par})", "one\ntwo\nthree\n"},
        {"line breaks in the file mean nothing", "{\\rtf1 a\r\nb\nc}", "abc"},
        {"backslash before a line break is a paragraph", "{\\rtf1 a\\\nb}", "a\nb"},
        {"escaped braces and backslash", R"({\rtf1 \{x\} \\})", "{x} \\"},
        {"tabs", "{\\rtf1 a\\tab b\tc}", "a\tb\tc"},
        {"control word eats one space", R"({\rtf1\b  bold})", " bold"},
        {"Cyrillic by \\ansicpg1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", utf8("Привет")},
        {"Cyrillic by the font's \\fcharset204",
         R"({\rtf1\ansi{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Times;}}\f1 \'c0\'e1\f0 \'c0})",
         utf8("Аб") + QChar(0xC0)},
        {"default font's charset", R"({\rtf1\ansi\deff1{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset204 B;}}\'e0})", utf8("а")},
        {"font table without subgroups", R"({\rtf1{\fonttbl\f0\fcharset204 A;\f1\fcharset0 B;}\f0\'e0\f1\'e0})",
         utf8("а") + QChar(0xE0)},
        {"\\cpg of a font", R"({\rtf1{\fonttbl{\f0\cpg866 A;}}\f0\'8f})", utf8("П")},
        {"KOI8-R by \\ansicpg20866", R"({\rtf1\ansi\ansicpg20866 \'f0\'d2\'c9})", utf8("При")},
        {"\\u with its fallback", R"({\rtf1 \u1055?\u1088\'3f!})", utf8("Пр!")},
        {"negative \\u", R"({\rtf1 \u-3913?})", QString(QChar(0xF0B7))},
        {"\\uc2 skips two", R"({\rtf1\uc2 \u1055\'cf\'cfx})", utf8("Пx")},
        {"\\uc0 skips none", R"({\rtf1\uc0 \u1055 x})", utf8("Пx")},
        {"\\uc is per group", R"({\rtf1 {\uc2 \u1055 ab}\u1056 cd})", utf8("ПРd")},
        {"fallback stops at a group end", R"({\rtf1\uc3 {\u1055 a}b})", utf8("Пb")},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", utf8("\xF0\x9F\x98\x80")},
        {"named characters", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\~})",
         utf8("—–•‘’“”\xC2\xA0")},
        {"optional hyphen shows nothing", R"({\rtf1 ab\-cd})", "abcd"},
        {"ignorable destination", R"({\rtf1 a{\*\unknown hidden {\deeper x}}b})", "ab"},
        {"skipped destinations", R"({\rtf1{\info{\title T}}{\stylesheet{\s0 Normal;}}{\pict\pngblip 89504e47}{\header H}x})", "x"},
        {"binary data skipped", "{\\rtf1 a{\\pict\\bin4 }}{x}b}", "ab"},
        {"binary data in the body skipped", "{\\rtf1 a\\bin3 {}}b}", "ab"},
        {"field result shown, instruction not", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
        {"field instruction without star", R"({\rtf1 {\field{\fldinst PAGE}{\fldrslt 7}}})", "7"},
        {"hidden text", R"({\rtf1 a{\v secret}b\v c\v0 d})", "abd"},
        {"table cells and rows", R"({\rtf1 a\cell b\cell\row c})", "a\tb\t\nc"},
        {"text after the document's group is ignored", R"({\rtf1 a}b)", "a"},
        {"unknown control words ignored", R"({\rtf1\foo12\bar-3 a\zzz b})", "ab"},
        {"not RTF: Windows-1251 plain text", "\xcf\xf0\xe8 {x}", utf8("При {x}")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfPlainText(c.rtf), c.text) << c.what;
}

TEST(LooksLikeRtf, Prefix)
{
    EXPECT_TRUE(looksLikeRtf("{\\rtf1 x}"));
    EXPECT_TRUE(looksLikeRtf("{\\rtf"));
    EXPECT_FALSE(looksLikeRtf(" {\\rtf1"));
    EXPECT_FALSE(looksLikeRtf("{\\rt"));
    EXPECT_FALSE(looksLikeRtf(""));
}

// The fragments of a document as (text, format) pairs, in order.
std::vector<std::pair<QString, QTextCharFormat>> fragments(const QTextDocument& doc)
{
    std::vector<std::pair<QString, QTextCharFormat>> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out.emplace_back(it.fragment().text(), it.fragment().charFormat());
    return out;
}

QTextCharFormat formatOf(const QTextDocument& doc, const QString& text)
{
    for (const auto& [t, f] : fragments(doc))
        if (t == text)
            return f;
    ADD_FAILURE() << "no fragment " << text.toStdString();
    return {};
}

TEST(RtfDocument, CharacterFormatting)
{
    QTextDocument doc;
    readRtfInto(R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset204 Arial;}{\f1\fcharset204 Courier New;}})"
                R"({\colortbl;\red255\green0\blue0;\red0\green0\blue128;})"
                R"(n{\b b}{\i i}{\ul u}{\ulnone x}{\uldb d}{\strike s}{\fs36 big}{\cf1 red}{\cf2\b navy}{\f1 mono})"
                R"({\b\i\plain p}{\b\b0 off})"
                "}",
                doc);
    EXPECT_EQ(doc.toPlainText(), "nbiuxdsbigrednavymonopoff");
    EXPECT_EQ(formatOf(doc, "b").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(doc, "i").fontItalic());
    EXPECT_TRUE(formatOf(doc, "u").fontUnderline());
    EXPECT_FALSE(formatOf(doc, "x").fontUnderline());
    EXPECT_TRUE(formatOf(doc, "d").fontUnderline());
    EXPECT_TRUE(formatOf(doc, "s").fontStrikeOut());
    EXPECT_DOUBLE_EQ(formatOf(doc, "big").fontPointSize(), 18.0);
    EXPECT_EQ(formatOf(doc, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(doc, "navy").foreground().color(), QColor(0, 0, 128));
    EXPECT_EQ(formatOf(doc, "navy").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(doc, "mono").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(formatOf(doc, "n").fontFamilies().toStringList(), QStringList{"Arial"});
    const QTextCharFormat plain = formatOf(doc, "poff"); // \plain and \b0: one unformatted run
    EXPECT_NE(plain.fontWeight(), QFont::Bold);
    EXPECT_FALSE(plain.fontItalic());
    EXPECT_FALSE(formatOf(doc, "n").hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RtfDocument, ParagraphAlignmentAndBreaks)
{
    QTextDocument doc;
    readRtfInto(R"({\rtf1 \qc centred\par\pard right?\qr\par\pard\qj just\line on\par plain})", doc);
    ASSERT_EQ(doc.blockCount(), 4);
    const auto alignment = [&](int i) { return doc.findBlockByNumber(i).blockFormat().alignment() & Qt::AlignHorizontal_Mask; };
    EXPECT_EQ(alignment(0), Qt::AlignHCenter);
    EXPECT_EQ(alignment(1), Qt::AlignRight); // the alignment in force at the paragraph's end
    EXPECT_EQ(alignment(2), Qt::AlignJustify);
    EXPECT_EQ(alignment(3), Qt::AlignJustify); // \par keeps paragraph properties until \pard
    EXPECT_EQ(doc.findBlockByNumber(2).text(), QString("just") + QChar(0x2028) + "on");
}

TEST(RtfDocument, ReplacesWhatTheDocumentHeld)
{
    QTextDocument doc;
    doc.setPlainText("old text");
    readRtfInto(R"({\rtf1 new})", doc);
    EXPECT_EQ(doc.toPlainText(), "new");
    readRtfInto("plain \xe0", doc);
    EXPECT_EQ(doc.toPlainText(), utf8("plain а"));
}

} // namespace
} // namespace folianto::rtf
