// Word and HTML books converted by LibreOffice when their row asks for it: a .docx to RTF, a
// .doc to text, an HTML page to RTF, each shown with its Russian words. The documents are made
// once per run by LibreOffice from Russian prose. Skipped when soffice is not installed.

#include "OpenBookFixture.h"
#include "reader/LoadBookTextFixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace folianto::test {
namespace {

namespace field = catalogue::field;

// The documents of the run: page.html written here, page.docx and page.doc made from it.
struct OfficeDocuments {
    QTemporaryDir dir;
    QString html, docx, doc;
    QStringList words; // Russian words of the prose, to look for in what is shown
};

bool convertWithOffice(const QString& profile, const QString& format, const QString& source, const QString& outDir)
{
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.start(QStringLiteral("soffice"),
                 {"--headless", "--norestore", "-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                  "--infilter=HTML (StarWriter)", "--convert-to", format, "--outdir", outDir, source});
    return office.waitForFinished(300000) && office.exitCode() == 0;
}

const OfficeDocuments* officeDocuments()
{
    static std::unique_ptr<OfficeDocuments> made = [] {
        auto d = std::make_unique<OfficeDocuments>();
        const QString prose = russianProse(2000).left(2000);
        QString body;
        for (const QString& line : prose.split(u'\n', Qt::SkipEmptyParts))
            body += QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>\n");
        d->html = d->dir.filePath(QStringLiteral("page.html"));
        QFile out(d->html);
        if (!out.open(QIODevice::WriteOnly))
            return std::unique_ptr<OfficeDocuments>();
        out.write("<html><head><meta charset=\"utf-8\"></head><body>\n" + body.toUtf8() + "</body></html>\n");
        out.close();
        const QString profile = d->dir.filePath(QStringLiteral("profile"));
        if (!convertWithOffice(profile, QStringLiteral("docx"), d->html, d->dir.path())
            || !convertWithOffice(profile, QStringLiteral("doc"), d->html, d->dir.path()))
            return std::unique_ptr<OfficeDocuments>();
        d->docx = d->dir.filePath(QStringLiteral("page.docx"));
        d->doc = d->dir.filePath(QStringLiteral("page.doc"));
        const QRegularExpression word(QStringLiteral("[А-Яа-яЁё]{7,}"));
        for (auto it = word.globalMatch(prose); it.hasNext() && d->words.size() < 5;)
            d->words << it.next().captured();
        return d;
    }();
    return made.get();
}

class OpenOfficeBook : public OpenBookTest {
protected:
    void SetUp() override
    {
        OpenBookTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            GTEST_SKIP() << "soffice is not installed";
        docs = officeDocuments();
        ASSERT_TRUE(docs) << "LibreOffice could not make the test documents";
    }
    QString shownText()
    {
        return views().fastViewInUse() ? views().fastView().toPlainText() : views().richView().toPlainText();
    }
    const OfficeDocuments* docs = nullptr;
};

TEST_F(OpenOfficeBook, WordAndHtmlBooksAreShownConverted)
{
    struct Case {
        const char* name;
        QString source;
        const char* alter;
        const char* convertedName;
    };
    const Case cases[] = {
        {"docx to RTF", docs->docx, "R", "page.RTF"},
        {"doc to text", docs->doc, "T", "page.TXT"},
        {"html to RTF", docs->html, "R", "page.RTF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString source = dir.file(QFileInfo(c.source).fileName());
        QFile::remove(source);
        ASSERT_TRUE(QFile::copy(c.source, source));
        startWith({{QStringLiteral("Документ"), {}, source}});
        setField(QStringLiteral("Документ"), field::Alter, QString::fromLatin1(c.alter));
        if (!c.source.endsWith(QLatin1String(".doc")) && !c.source.endsWith(QLatin1String(".html")))
            ui.expectQuestion(QStringLiteral("Тип файла .DOCX Продолжить ?"), Answer::Yes, Question::YesNo);
        open(QStringLiteral("Документ"));
        ui.verifyAllConsumed();
        ASSERT_TRUE(form->bookOpen());
        const QString converted = session().currentBookFile();
        EXPECT_EQ(QFileInfo(converted).fileName(), QString::fromLatin1(c.convertedName));
        const QString shown = shownText();
        for (const QString& word : docs->words)
            EXPECT_TRUE(shown.contains(word)) << word.toStdString() << " not in " << shown.left(300).toStdString();
        trigger("TlBtClose");
        EXPECT_FALSE(QFileInfo::exists(converted));
        EXPECT_TRUE(QFileInfo::exists(source));
        form.reset();
    }
}

// Needs no LibreOffice: the conversion is refused before it would start.
class OpenArchivedRtf : public OpenBookTest {};

TEST_F(OpenArchivedRtf, AnRtfInAnArchiveAskedToBecomeRtfIsNotConvertedAndLoadsAsItIs)
{
    const QString archive = dir.file(QStringLiteral("book.zip"));
    makeZip(archive, {{"X.RTF", "{\\rtf1\\ansi Plain RTF words\\par}"}});
    startWith({{QStringLiteral("Архив"), {}, archive}});
    setField(QStringLiteral("Архив"), field::Alter, QStringLiteral("R"));
    ui.expectQuestion(QStringLiteral("Тип файла .RTF Продолжить ?"), Answer::Yes, Question::YesNo);
    open(QStringLiteral("Архив"));
    ui.verifyAllConsumed();
    ASSERT_TRUE(form->bookOpen());
    EXPECT_EQ(QFileInfo(session().currentBookFile()).fileName(), QStringLiteral("X.RTF"));
    EXPECT_EQ(views().richView().toPlainText().trimmed(), QStringLiteral("Plain RTF words"));
}

} // namespace
} // namespace folianto::test
