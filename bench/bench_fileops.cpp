// The group copy of 1,000 book files of 100 KB into a folder, the links following them: every
// file read, written beside its target, flushed, put in place, each row's link changed, and the
// catalogue written once. Each iteration copies the files the previous one made into a new,
// empty folder. (Nothing is deleted while it runs: the file system would then spend its time
// looking for inodes not recently freed, which measures the benchmark, not the copy.)
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "fileops/FileCommands.h"
#include "fileops/FileCommandsHost.h"
#include "util/Interaction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "BenchStand.h"
#include "QtBenchMain.h"

#include <benchmark/benchmark.h>

namespace {

using namespace folianto;

class Host : public fileops::FileCommandsHost {
public:
    catalogue::Catalogue& catalogue() override { return cat; }
    reader::LocationSettings locationSettings() override { return {}; }
    void repaintWindow() override {}
    bench::QuietCatalogueHost host;
    catalogue::Catalogue cat{host};
};

void BM_GroupCopy1000Files(benchmark::State& state)
{
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("bench-fileops-XXXXXX")));
    const QString a = dir.filePath(QStringLiteral("0"));
    QDir().mkpath(a);
    QByteArray bytes(100 * 1024, 'x');
    table::Dataset ds;
    ds.setFieldDefs(catalogue::catalogueFieldDefs());
    ds.createEmpty();
    for (int i = 0; i < 1000; ++i) {
        const QString file = QDir(a).filePath(QStringLiteral("книга%1.txt").arg(i));
        QFile f(file);
        bytes[0] = char(i);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            state.SkipWithError("cannot write the books");
        ds.append();
        ds.setValue(catalogue::field::BookName, QStringLiteral("Книга %1").arg(i));
        ds.setValue(catalogue::field::FileName, file);
        ds.post();
    }
    ds.saveToFile(dir.filePath(QStringLiteral("books.bon")));

    bench::FixedAnswers answers; // the folder chosen, Yes (links follow) and Yes (copy)
    answers.answer = util::Answer::Yes;
    util::setInteraction(&answers);
    Host host;
    host.cat.OpenCatalogue(dir.filePath(QStringLiteral("books.bon")));
    host.cat.setRowEventsOn(true);
    fileops::FileCommands commands(host);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        answers.folder = dir.filePath(QString::number(++round));
        QDir().mkpath(answers.folder);
        state.ResumeTiming();
        commands.mpCopyFileGroupClick();
    }
    if (!answers.messages.isEmpty())
        state.SkipWithError(answers.messages.first().toUtf8().constData());
    util::setInteraction(nullptr);
}
BENCHMARK(BM_GroupCopy1000Files)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv);
}
