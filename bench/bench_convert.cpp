// Converting a 1 MB .docx of Russian text to RTF through LibreOffice and showing it in the
// rich view. Cold: a fresh LibreOffice profile each time (the first conversion of a run);
// warm: the profile of an earlier conversion. The .docx is made by LibreOffice at start.
#include "reader/LibreOfficeConverter.h"
#include "reader/ReadingViews.h"

#include "QtBenchMain.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* g_dir = nullptr;
QString g_docx;

// Words in a random order, so that the zipped document stays about as big as asked.
QString russianWords(qsizetype chars)
{
    const QStringList words = QStringLiteral(
        "широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства "
        "съешь же ещё этих мягких французских булок да выпей чаю в чащах юга жил бы цитрус "
        "но фальшивый экземпляр мой дядя самых честных правил когда не в шутку занемог")
                                  .split(u' ');
    QRandomGenerator random(7);
    QString text;
    while (text.size() < chars) {
        text += words[random.bounded(int(words.size()))];
        text += random.bounded(12) == 0 ? QStringLiteral(".</p><p>") : QStringLiteral(" ");
    }
    return text;
}

bool makeDocx()
{
    const QString html = g_dir->filePath(QStringLiteral("big.html"));
    QFile out(html);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write("<html><head><meta charset=\"utf-8\"></head><body><p>" + russianWords(2400000).toUtf8() + "</p></body></html>");
    out.close();
    QProcess office;
    office.start(QStringLiteral("soffice"),
                 {"--headless", "--norestore",
                  "-env:UserInstallation=" + QUrl::fromLocalFile(g_dir->filePath(QStringLiteral("p"))).toString(),
                  "--infilter=HTML (StarWriter)", "--convert-to", "docx", "--outdir", g_dir->path(), html});
    office.waitForFinished(-1);
    g_docx = g_dir->filePath(QStringLiteral("big.docx"));
    return QFileInfo(g_docx).size() > 0;
}

void convertAndShow(benchmark::State& state, const QString& work)
{
    QFile::remove(QDir(work).filePath(QStringLiteral("big.RTF")));
    QString file = g_docx;
    folianto::reader::LibreOfficeConverter converter;
    if (!converter.ConvertWithWord(file, true, false, work)) {
        state.SkipWithError("conversion failed");
        return;
    }
    folianto::reader::ReadingViews views;
    QFile rtf(file);
    rtf.open(QIODevice::ReadOnly);
    views.showRichRtf(rtf.readAll());
    benchmark::DoNotOptimize(views.richView().textLength());
}

void BM_ConvertDocxCold(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir work;
        state.ResumeTiming();
        convertAndShow(state, work.path());
    }
    state.counters["docxBytes"] = double(QFileInfo(g_docx).size());
}

void BM_ConvertDocxWarm(benchmark::State& state)
{
    QTemporaryDir work;
    QString warmUp = g_docx;
    folianto::reader::LibreOfficeConverter().ConvertWithWord(warmUp, true, false, work.path());
    for (auto _ : state)
        convertAndShow(state, work.path());
}

BENCHMARK(BM_ConvertDocxCold)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_ConvertDocxWarm)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    g_dir = &dir;
    return runQtBenchmarks(argc, argv, makeDocx);
}
