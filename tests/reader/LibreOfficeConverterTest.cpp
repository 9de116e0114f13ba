// The converter's contract without LibreOffice itself: where the result goes, what it refuses
// to convert, and what counts as failure. Small scripts stand in for soffice; each writes
// what LibreOffice would write (a file named after the source in --outdir) or fails.

#include "reader/LibreOfficeConverter.h"

#include "support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace folianto::reader {
namespace {

using test::TempDir;

class LibreOfficeConverterTest : public ::testing::Test {
protected:
    // A stand-in for soffice running `body` with the arguments soffice gets; $OUT is the
    // --outdir folder and $SRC the source.
    QString office(const char* body)
    {
        const QByteArray script = QByteArray("#!/bin/sh\nOUT=\nSRC=\n"
                                             "while [ $# -gt 0 ]; do case \"$1\" in --outdir) OUT=\"$2\"; shift;; "
                                             "-*) ;; *) SRC=\"$1\";; esac; shift; done\n"
                                             "NAME=$(basename \"$SRC\"); NAME=\"${NAME%.*}\"\n")
            + body + "\n";
        const QString path = dir.write(QStringLiteral("office.sh"), script);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QString work() const
    {
        QDir().mkpath(dir.file(QStringLiteral("work")));
        return dir.file(QStringLiteral("work"));
    }

    TempDir dir;
};

TEST_F(LibreOfficeConverterTest, TheTargetTakesTheNewExtensionInTheWorkFolderOrBesideAnUnpackedSource)
{
    EXPECT_EQ(LibreOfficeConverter::targetFile("/books/Отчёт.docx", true, false, "/work"), "/work/Отчёт.RTF");
    EXPECT_EQ(LibreOfficeConverter::targetFile("/books/page.htm", false, false, "/work"), "/work/page.TXT");
    EXPECT_EQ(LibreOfficeConverter::targetFile("/work/a.b.doc", true, true, "/other"), "/work/a.b.RTF");
    EXPECT_EQ(LibreOfficeConverter::targetFile("/books/noext", false, false, "/work"), "/work/noext.TXT");
}

TEST_F(LibreOfficeConverterTest, ARefusedOrFailedConversionLeavesTheBookFileAsItWas)
{
    const QString converts = office("printf '{\\\\rtf1 x}' > \"$OUT/$NAME.rtf\"");
    struct Case {
        const char* name;
        QString file;
        bool fromArchive;
        QString program;
    };
    const QString doc = dir.write(QStringLiteral("report.doc"), "document");
    const QString unpacked = dir.write(QStringLiteral("work/X.RTF"), "{\\rtf1 as it is}");
    const Case cases[] = {
        {"missing source", dir.file(QStringLiteral("none.doc")), false, converts},
        {"source is the target", unpacked, true, converts},
        {"no soffice", doc, false, dir.file(QStringLiteral("no-such-office"))},
        {"soffice fails", doc, false, office("exit 1")},
        {"empty result", doc, false, office(": > \"$OUT/$NAME.rtf\"")},
        {"no result", doc, false, office("exit 0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LibreOfficeConverter converter({c.program, 20000, {}});
        QString file = c.file;
        EXPECT_FALSE(converter.ConvertWithWord(file, true, c.fromArchive, work()));
        EXPECT_EQ(file, c.file);
        EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("work/report.RTF"))));
    }
    EXPECT_EQ(TempDir::read(unpacked), QByteArray("{\\rtf1 as it is}"));

    // An existing target is not overwritten.
    const QString existing = dir.write(QStringLiteral("work/report.RTF"), "older");
    LibreOfficeConverter converter({converts, 20000, {}});
    QString file = doc;
    EXPECT_FALSE(converter.ConvertWithWord(file, true, false, work()));
    EXPECT_EQ(file, doc);
    EXPECT_EQ(TempDir::read(existing), QByteArray("older"));
}

TEST_F(LibreOfficeConverterTest, AConvertedUnpackedSourceIsDeletedAnOutsideOneIsKept)
{
    const QString program = office("printf '{\\\\rtf1 converted}' > \"$OUT/$NAME.rtf\"");
    for (const bool fromArchive : {false, true}) {
        SCOPED_TRACE(fromArchive ? "from an archive" : "outside");
        const QString source = dir.write(fromArchive ? QStringLiteral("work/in.doc") : QStringLiteral("in.doc"), "doc");
        LibreOfficeConverter converter({program, 20000, {}});
        QString file = source;
        ASSERT_TRUE(converter.ConvertWithWord(file, true, fromArchive, work()));
        EXPECT_EQ(file, QDir(work()).filePath(QStringLiteral("in.RTF")));
        EXPECT_EQ(TempDir::read(file), QByteArray("{\\rtf1 converted}"));
        EXPECT_EQ(QFileInfo::exists(source), !fromArchive);
        QFile::remove(file);
    }
    // The folder the result was written to is gone with the run.
    EXPECT_EQ(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

TEST_F(LibreOfficeConverterTest, AConversionThatHangsIsEndedAtTheTimeLimitWhileTheWindowIsRepainted)
{
    int repaints = 0;
    LibreOfficeConverter converter({office("sleep 30"), 500, [&repaints] { ++repaints; }});
    const QString doc = dir.write(QStringLiteral("slow.doc"), "doc");
    QString file = doc;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(converter.ConvertWithWord(file, false, false, work()));
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_GE(repaints, 3);
    EXPECT_EQ(file, doc);
}

} // namespace
} // namespace folianto::reader
