// Our reader's text against LibreOffice's: Russian documents made here are turned into RTF by
// LibreOffice, and each RTF (LibreOffice's and ours) is exported by LibreOffice as UTF-8 text.
// Skipped when soffice is not installed.

#include "engines/rtf/RtfReader.h"
#include "engines/rtf/RtfWriter.h"

#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace folianto::rtf {
namespace {

const char* const kHtmlDocuments[] = {
    "<p>Съешь же ещё этих мягких <b>французских</b> булок, да <i>выпей</i> чаю.</p>"
    "<p align=\"center\">«Ёлка» — это <u>дерево</u>; α, € и № тоже.</p>"
    "<p>Строка<br>вторая строка</p>",
    "<h1>Глава первая</h1><p align=\"right\">Эпиграф, <s>зачёркнутый</s> частично.</p>"
    "<p align=\"justify\">Мой дядя самых честных правил, когда не в шутку занемог, "
    "он уважать себя заставил и лучше выдумать не мог.</p>",
    "<p><font color=\"#c00000\" size=\"5\">Красный крупный текст</font> и обычный: ёжик, Ёжик, ЪЬЭЮЯ.</p>"
    "<p>Tab\tи English words mixed with русскими.</p>",
};

// Runs soffice with a private profile; true when it exits cleanly.
bool runOffice(const QString& profile, const QStringList& args)
{
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.start(QStringLiteral("soffice"),
                 QStringList{"--headless", "--norestore", "-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString()} + args);
    if (!office.waitForFinished(180000)) {
        office.kill();
        office.waitForFinished();
        return false;
    }
    return office.exitStatus() == QProcess::NormalExit && office.exitCode() == 0;
}

QString normalised(QString text)
{
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace("\r\n", "\n");
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QByteArray documentWrittenByUs()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QString::fromUtf8("Наш писатель: "), QTextCharFormat());
    c.insertText(QString::fromUtf8("жирный «текст»"), bold);
    c.insertBlock();
    c.insertText(QString::fromUtf8("Второй абзац — с {фигурными} скобками, \\ и €."));
    return writeRtf(doc);
}

// Word-style RTF: Cyrillic as \'hh under a \fcharset204 font, no \u.
const QByteArray kWordStyle = R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\froman\fcharset204 Times New Roman;}})"
                              R"({\colortbl;\red255\green0\blue0;}\pard\qc\b \'c3\'eb\'e0\'e2\'e0 \'b8\b0\par)"
                              R"(\pard\'dd\'f2\'ee {\i \'f2\'e5\'ea\'f1\'f2}, \cf1 \'ea\'f0\'e0\'f1\'ed\'fb\'e9\cf0 .\par})";

TEST(RtfLibreOffice, PlainTextMatchesLibreOfficesExport)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "soffice (LibreOffice) is not installed";
    test::TempDir dir;
    const QString profile = dir.file("profile");

    QStringList html;
    for (int i = 0; i < int(std::size(kHtmlDocuments)); ++i)
        html << dir.write(QString("doc%1.html").arg(i),
                          QByteArray("<html><head><meta charset=\"utf-8\"></head><body>") + kHtmlDocuments[i] + "</body></html>");
    ASSERT_TRUE(runOffice(profile, QStringList{"--infilter=HTML (StarWriter)", "--convert-to", "rtf:Rich Text Format",
                                               "--outdir", dir.file("rtf")} + html));

    QStringList rtfs;
    for (int i = 0; i < html.size(); ++i)
        rtfs << dir.file(QString("rtf/doc%1.rtf").arg(i));
    rtfs << dir.write("rtf/ours.rtf", documentWrittenByUs()) << dir.write("rtf/wordstyle.rtf", kWordStyle);
    ASSERT_TRUE(runOffice(profile, QStringList{"--convert-to", "txt:Text (encoded):UTF8", "--outdir", dir.file("txt")} + rtfs));

    for (const QString& rtfPath : rtfs) {
        const QByteArray rtf = test::TempDir::read(rtfPath);
        ASSERT_TRUE(looksLikeRtf(rtf)) << rtfPath.toStdString();
        const QString txtPath = dir.file("txt/" + QFileInfo(rtfPath).completeBaseName() + ".txt");
        ASSERT_TRUE(QFileInfo::exists(txtPath)) << txtPath.toStdString();
        const QString theirs = normalised(QString::fromUtf8(test::TempDir::read(txtPath)));
        const QString ours = normalised(rtfPlainText(rtf));
        EXPECT_TRUE(ours.contains(QRegularExpression(QStringLiteral("[а-яё]{4}")))) << ours.toStdString();
        EXPECT_EQ(ours, theirs) << rtfPath.toStdString();
    }
}

} // namespace
} // namespace folianto::rtf
