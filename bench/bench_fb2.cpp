// Unicode and FictionBook budgets: detecting the encoding of a 100 MB UTF-8 file (5 ms: only
// the sample is read), opening a 5 MB FictionBook novel in the rich view (1 s), reading the
// descriptions of 10,000 FictionBook files (2 s: only their heads).

#include "engines/codepage/TextDetect.h"
#include "engines/fb2/Fb2Description.h"
#include "engines/fb2/Fb2Document.h"
#include "reader/ReadingViews.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

const QString kSentence = QStringLiteral("Мороз и солнце; день чудесный! Ещё ты дремлешь, друг прелестный. ");

QString writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratch().filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QString description(int n)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<FictionBook "
                          "xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\" xmlns:l=\"http://www.w3.org/1999/xlink\">"
                          "<description><title-info><genre>prose_classic</genre><author><first-name>Лев</first-name>"
                          "<last-name>Толстой</last-name></author><book-title>Том %1</book-title>"
                          "<annotation><p>%2</p></annotation><coverpage><image l:href=\"#cover\"/></coverpage>"
                          "</title-info></description>\n")
        .arg(n)
        .arg(kSentence.repeated(4));
}

// A novel of about `bytes` bytes: chapters of paragraphs with emphasis, a poem, a picture.
QByteArray novel(qsizetype bytes)
{
    QImage image(400, 600, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QString xml = description(1) + QStringLiteral("<body><title><p>Том 1</p></title>");
    for (int chapter = 1; xml.size() * 2 < bytes; ++chapter) {
        xml += QStringLiteral("<section><title><p>Глава %1</p></title><epigraph><p>%2</p></epigraph>")
                   .arg(chapter)
                   .arg(kSentence);
        for (int p = 0; p < 40; ++p)
            xml += QStringLiteral("<p>%1<emphasis>%2</emphasis> %1</p>").arg(kSentence.repeated(3), kSentence);
        xml += QStringLiteral("<poem><stanza><v>%1</v><v>%1</v></stanza></poem></section>").arg(kSentence);
    }
    xml += QStringLiteral("</body><binary id=\"cover\" content-type=\"image/png\">%1</binary></FictionBook>\n")
               .arg(QString::fromLatin1(png.toBase64()));
    return xml.toUtf8();
}

void BM_DetectEncodingOf100MbUtf8(benchmark::State& state)
{
    static const QString path = writeFile(QStringLiteral("big.txt"), kSentence.toUtf8().repeated(100'000'000 / 120));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(folianto::codepage::plainTextEncodingCode(file));
    }
}
BENCHMARK(BM_DetectEncodingOf100MbUtf8)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// The views need an application; made on first use, offscreen.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_fb2";
    static char* argv[] = {name, nullptr};
    static const bool platform = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    (void)platform;
}

void BM_OpenFb2NovelInRichView(benchmark::State& state)
{
    ensureApplication();
    static const QByteArray book = novel(5'000'000);
    static const QString path = writeFile(QStringLiteral("novel.fb2"), book);
    folianto::reader::ReadingViews views;
    views.resize(900, 700);
    views.show();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        folianto::fb2::RenderLimits limits;
        limits.imageWidth = views.richView().pictureWidth();
        views.showRichDocument([&](QTextDocument& doc) { folianto::fb2::readFb2Into(file, doc, limits); });
        views.restorePosition(views.richView().textLength() / 2); // lays the text out up to there
        QApplication::processEvents();
    }
    state.counters["bytes"] = double(book.size());
}
BENCHMARK(BM_OpenFb2NovelInRichView)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ReadDescriptionsOf10000Files(benchmark::State& state)
{
    static const QStringList paths = [] {
        QDir(scratch().path()).mkdir(QStringLiteral("many"));
        QStringList list;
        const QString body = QStringLiteral("<body><section><p>%1</p></section></body></FictionBook>\n")
                                 .arg(kSentence.repeated(60));
        for (int i = 0; i < 10000; ++i)
            list << writeFile(QStringLiteral("many/%1.fb2").arg(i), (description(i) + body).toUtf8());
        return list;
    }();
    for (auto _ : state) {
        int found = 0;
        for (const QString& path : paths)
            found += folianto::fb2::readDescription(path).has_value();
        if (found != paths.size())
            state.SkipWithError("a description was not read");
    }
}
BENCHMARK(BM_ReadDescriptionsOf10000Files)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
