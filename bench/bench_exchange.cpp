// Export and DBF import at 100,000 rows: the catalogue to delimited text, CSV and a dBase III
// table (each written to a file); a 100,000-record table imported into an empty catalogue; and
// the import page opened on that table.

#include "catalogue/CatalogueRecord.h"
#include "engines/dbf/DbfReader.h"
#include "engines/table/Dataset.h"
#include "exchange/CatalogueExport.h"
#include "exchange/DbfImport.h"
#include "exchange/ImportDbfPage.h"

#include "QtBenchMain.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folianto;
namespace field = catalogue::field;

namespace {

constexpr int kRows = 100000;

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

const table::Dataset& catalogue100k()
{
    static const auto ds = [] {
        auto d = std::make_unique<table::Dataset>();
        d->setFieldDefs(catalogue::catalogueFieldDefs());
        d->createEmpty();
        for (int i = 0; i < kRows; ++i) {
            d->append();
            d->setValue(field::BookName, QStringLiteral("Книга номер %1: роман в двух частях").arg(i));
            d->setValue(field::Author, QStringLiteral("Автор %1 И.О.").arg(i % 997));
            d->setValue(field::Topic, QStringLiteral("Тема %1").arg(i % 13));
            d->setValue(field::Comment, QStringLiteral("Прочитать летом, %1").arg(i));
            d->setValue(field::FileName, QStringLiteral("/home/reader/Книги/%1/book%2.txt").arg(i % 50).arg(i));
            if (i % 5)
                d->setValue(field::Size, 1000 + i);
            d->post();
        }
        return d;
    }();
    return *ds;
}

QString table100k()
{
    static const QString path = [] {
        exchange::ExportRequest r;
        r.type = exchange::ExportType::Dbf;
        r.target = workDir().filePath(QStringLiteral("in.dbf"));
        r.when = QDateTime::currentDateTime();
        exchange::runExport(catalogue100k(), r);
        return r.target;
    }();
    return path;
}

void runExportBench(benchmark::State& state, exchange::ExportType type, const char* name)
{
    const table::Dataset& ds = catalogue100k();
    exchange::ExportRequest r;
    r.type = type;
    r.target = workDir().filePath(QString::fromLatin1(name));
    r.when = QDateTime::currentDateTime();
    for (auto _ : state)
        exchange::runExport(ds, r);
}

void BM_ExportText(benchmark::State& state) { runExportBench(state, exchange::ExportType::Text, "out.txt"); }
void BM_ExportCsv(benchmark::State& state) { runExportBench(state, exchange::ExportType::CsvUtf8, "out.csv"); }
void BM_ExportDbf(benchmark::State& state) { runExportBench(state, exchange::ExportType::Dbf, "out.dbf"); }

void BM_ImportDbf(benchmark::State& state)
{
    const QString path = table100k();
    const auto mapping = exchange::parseImportMap(
        QStringLiteral("Книга=BOOKNAME,Автор=AUTHOR,Тема=TOPIC,Комментарий=COMMENT,Файл=FILENAME,Размер=SIZE"), nullptr);
    for (auto _ : state) {
        table::Dataset ds;
        ds.setFieldDefs(catalogue::catalogueFieldDefs());
        ds.createEmpty();
        dbf::DbfReader tab;
        tab.open(path);
        const exchange::DbfImportResult result = exchange::importDbfRecords(ds, tab, *mapping);
        if (result.added != kRows)
            state.SkipWithError("not every record was imported");
    }
}

void BM_OpenImportPage(benchmark::State& state)
{
    const QString path = table100k();
    for (auto _ : state) {
        dbf::DbfReader tab;
        tab.open(path);
        exchange::ImportDbfPage page(tab);
        benchmark::DoNotOptimize(&page);
    }
}

} // namespace

BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ExportDbf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ImportDbf)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1)->ReportAggregatesOnly();
BENCHMARK(BM_OpenImportPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv);
}
