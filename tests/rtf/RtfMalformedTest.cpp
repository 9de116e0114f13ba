// Malformed RTF: read as far as it goes, never a crash or a hang.

#include "engines/rtf/RtfParser.h"
#include "engines/rtf/RtfReader.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace folianto::rtf {
namespace {

TEST(RtfMalformed, ShowsWhatCanBeRead)
{
    struct Case {
        const char* what;
        QByteArray rtf;
        QString text;
    };
    const Case cases[] = {
        {"no closing brace", R"({\rtf1 abc)", "abc"},
        {"unclosed inner groups", R"({\rtf1 a{\b b{\i c)", "abc"},
        {"stray closing brace ends the document", R"({\rtf1 a}}} b)", "a"},
        {"truncated control word", R"({\rtf1 a\)", "a"},
        {"truncated hex byte (a control character, dropped)", R"({\rtf1 a\'c)", "a"},
        {"hex byte without digits", R"({\rtf1 a\'zz)", "azz"},
        {"truncated \\u", R"({\rtf1 a\u)", "a"},
        {"huge parameters", R"({\rtf1\fs99999999999999999999\cf88888888888888 a\u99999999999 bc\f-99999999999 d})", "acd"},
        {"huge \\uc", R"({\rtf1\uc99999999999 \u1055 abcdefghijklmnopqrstuvwxyz})", QString::fromUtf8("Пqrstuvwxyz")},
        {"huge \\bin", R"({\rtf1 a\bin999999999999 bc})", "a"},
        {"negative \\bin", R"({\rtf1 a\bin-5 b})", "ab"},
        {"unknown font and colour", R"({\rtf1\f77\cf9 \'e0})", QString(QChar(0xE0))},
        {"colour table without entries", R"({\rtf1{\colortbl}\cf1 x})", "x"},
        {"endless font name", "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(100000, 'n') + "}}x}", "x"},
        {"very long control word", "{\\rtf1\\" + QByteArray(10000, 'q') + " x}", "x"},
        {"zero bytes dropped", QByteArray("{\\rtf1 a\0b}", 11), "ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfPlainText(c.rtf), c.text) << c.what;
}

TEST(RtfMalformed, DeepNestingIsFlattenedNotRecursed)
{
    const int depth = 200000;
    const QByteArray rtf = "{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') + " after}";
    EXPECT_EQ(rtfPlainText(rtf), "deep after");
    QTextDocument doc;
    readRtfInto(rtf, doc);
    EXPECT_EQ(doc.toPlainText(), "deep after");
}

TEST(RtfMalformed, FormattingBeyondTheDepthLimitStaysWithinItsFlattenedGroup)
{
    // Groups beyond the limit share one state: the format set inside them is undone only when
    // the last group within the limit closes.
    const int inside = RtfParser::kMaxDepth - 1;
    const QByteArray rtf = "{\\rtf1 " + QByteArray(inside, '{') + "{{\\v hidden}shown?}" + QByteArray(inside, '}') + "end}";
    const QString text = rtfPlainText(rtf);
    EXPECT_TRUE(text.endsWith("end")) << text.toStdString();
    EXPECT_FALSE(text.contains("hidden"));
}

TEST(RtfMalformed, EveryPrefixOfADocumentReads)
{
    const QByteArray rtf = R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fcharset204 Times;}}{\colortbl;\red1\green2\blue3;})"
                           R"({\*\generator x;}\pard\qc{\b\cf1 \'cf\'f0\u1080?\'e2}\par{\pict\bin3 {{{}\line\tab end})";
    for (qsizetype n = 0; n <= rtf.size(); ++n) {
        QTextDocument doc;
        readRtfInto(rtf.left(n), doc);
        EXPECT_LE(doc.characterCount(), 40) << n;
    }
    EXPECT_EQ(rtfPlainText(rtf), QString::fromUtf8("Прив\n\n\tend"));
}

TEST(RtfMalformed, RandomBytesNeverCrash)
{
    quint32 seed = 12345;
    const char alphabet[] = "{}\\'abuc0123456789- \xcf;*";
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 0; i < 400; ++i) {
            seed = seed * 1103515245u + 12345u;
            rtf += alphabet[(seed >> 16) % (sizeof(alphabet) - 1)];
        }
        QTextDocument doc;
        readRtfInto(rtf, doc);
        EXPECT_LE(doc.toPlainText().size(), rtf.size());
    }
}

} // namespace
} // namespace folianto::rtf
