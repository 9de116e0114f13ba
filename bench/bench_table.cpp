// The catalogue table at 100,000 and 1,000,000 rows of Russian titles and authors: bulk
// append, open, write back after one posted change, sort by title, a one-value and a like
// filter, locate by prefix, memory. The argument of each benchmark is the row count.

#include "catalogue/CatalogueRecord.h"
#include "engines/table/AtomicFile.h"
#include "engines/table/Dataset.h"
#include "engines/table/RowStore.h"
#include "engines/table/TableData.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>
#include <cstdio>
#include <map>

using namespace folianto::catalogue;
using folianto::table::Dataset;

namespace {


const QStringList kAdjectives = {
    "Тихий", "Красная", "Белые", "Последний", "Вечная", "Тёмные", "Золотой", "Старая", "Горячий",
    "Северная", "Зимняя", "Далёкие", "Ночной", "Забытая", "Новый", "Морская", "Весенний", "Чёрная"};
const QStringList kNouns = {
    "Дон", "роза", "ночи", "герой", "любовь", "аллеи", "телёнок", "крепость", "снег", "звезда",
    "дорога", "берега", "дозор", "мельница", "мир", "волна", "ветер", "книга", "сад", "город"};
const QStringList kTails = {
    "", "", " и другие рассказы", ": роман", " (сборник)", ". Часть вторая", " над рекой", " в огне"};
const QStringList kSurnames = {
    "Толстой", "Достоевский", "Чехов", "Пушкин", "Лермонтов", "Тургенев", "Гоголь", "Бунин",
    "Шолохов", "Булгаков", "Пастернак", "Ахматова", "Цветаева", "Набоков", "Куприн", "Горький",
    "Лесков", "Гончаров", "Салтыков-Щедрин", "Островский", "Паустовский", "Платонов", "Ефремов"};
const QStringList kInitials = {"Л.Н.", "Ф.М.", "А.П.", "А.С.", "М.Ю.", "И.С.", "Н.В.", "И.А.", "М.А."};
const QStringList kTopics = {"Классика", "Фантастика", "Детектив", "Поэзия", "История", "Приключения", "Мемуары"};

// Rows appended one by one and posted, as imports and `folianto-cat load` do.
void appendRows(Dataset& ds, int count)
{
    QRandomGenerator rng(2024);
    auto pick = [&](const QStringList& l) { return l[int(rng.bounded(l.size()))]; };
    for (int i = 0; i < count; ++i) {
        ds.append();
        ds.setValue(field::BookName, QString(pick(kAdjectives) + u' ' + pick(kNouns) + pick(kTails)));
        ds.setValue(field::Author, QString(pick(kSurnames) + u' ' + pick(kInitials)));
        ds.setValue(field::Topic, pick(kTopics));
        if (rng.bounded(3) == 0) {
            ds.setValue(field::First, QDate(2000, 1, 1).addDays(rng.bounded(9000)));
            ds.setValue(field::Last, QDate(2010, 1, 1).addDays(rng.bounded(5000)));
            ds.setValue(field::Percent, int(rng.bounded(101)));
            ds.setValue(field::Pos, int(rng.bounded(1000000)));
        }
        ds.setValue(field::Size, int(rng.bounded(5000000)));
        if (rng.bounded(5) == 0)
            ds.setValue(field::Comment, QStringLiteral("Прочитать ещё раз, подарок от друга"));
        ds.setValue(field::FileName, QStringLiteral("/home/reader/Книги/%1/книга_%2.txt").arg(pick(kTopics)).arg(i));
        ds.post();
    }
}

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A catalogue file of `rows` generated rows, made once per size.
QString generatedPath(int rows)
{
    static std::map<int, QString> made;
    auto it = made.find(rows);
    if (it != made.end())
        return it->second;
    Dataset ds;
    ds.setFieldDefs(catalogueFieldDefs());
    ds.createEmpty();
    appendRows(ds, rows);
    const QString p = workDir().filePath(QStringLiteral("bench-%1.bon").arg(rows));
    ds.saveToFile(p);
    return made[rows] = p;
}

int rowsOf(const benchmark::State& state)
{
    return int(state.range(0));
}

void openCatalogue(Dataset& ds, int rows)
{
    ds.setFieldDefs(catalogueFieldDefs());
    ds.setFileName(generatedPath(rows));
    ds.open();
}

// Both sizes, each benchmark's own measure (time or memory) per row count.
void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void BM_BulkAppend(benchmark::State& state)
{
    const QString out = workDir().filePath(QStringLiteral("appended.bon"));
    for (auto _ : state) {
        Dataset ds;
        ds.setFieldDefs(catalogueFieldDefs());
        ds.createEmpty();
        appendRows(ds, rowsOf(state));
        ds.saveToFile(out);
        state.PauseTiming();
        ds.close(); // freeing the rows is not part of the append
        state.ResumeTiming();
    }
    QFile::remove(out);
}
BENCHMARK(BM_BulkAppend)->Apply(sizes)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

long residentBytes()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

void BM_MemoryOfOpenCatalogue(benchmark::State& state)
{
    generatedPath(rowsOf(state));
    malloc_trim(0);
    for (auto _ : state) {
        const long rssBefore = residentBytes();
        const size_t heapBefore = mallinfo2().uordblks;
        auto ds = std::make_unique<Dataset>();
        openCatalogue(*ds, rowsOf(state));
        state.counters["rss_MB"] = double(residentBytes() - rssBefore) / (1024.0 * 1024.0);
        state.counters["heap_MB"] = double(mallinfo2().uordblks - heapBefore) / (1024.0 * 1024.0);
        state.counters["rows"] = ds->recordCount();
    }
}
BENCHMARK(BM_MemoryOfOpenCatalogue)->Apply(sizes)->Iterations(1);

void BM_Open(benchmark::State& state)
{
    generatedPath(rowsOf(state));
    for (auto _ : state) {
        auto ds = std::make_unique<Dataset>();
        openCatalogue(*ds, rowsOf(state));
        benchmark::DoNotOptimize(ds->recordCount());
        state.PauseTiming();
        ds.reset(); // freeing the rows is not part of opening
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open)->Apply(sizes);

// The parts of open and write: decoding and encoding the bytes, without the file system.
void BM_DecodeBon(benchmark::State& state)
{
    const QByteArray bytes = folianto::table::readWholeFile(generatedPath(rowsOf(state)));
    state.counters["file_MB"] = double(bytes.size()) / (1024.0 * 1024.0);
    for (auto _ : state) {
        auto store = folianto::table::loadBon(bytes, {});
        benchmark::DoNotOptimize(store->size());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DecodeBon)->Apply(sizes);

void BM_EncodeBon(benchmark::State& state)
{
    const auto store = folianto::table::loadBon(folianto::table::readWholeFile(generatedPath(rowsOf(state))), {});
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::table::encodeBon(*store).size());
}
BENCHMARK(BM_EncodeBon)->Apply(sizes);

void BM_WriteAfterOnePost(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds, rowsOf(state));
    const QString out = QTemporaryDir().path() + QStringLiteral(".bon");
    int n = 0;
    for (auto _ : state) {
        ds.setRecNo(rowsOf(state) / 2);
        ds.edit();
        ds.setValue(field::Percent, ++n % 100);
        ds.post();
        ds.saveToFile(out);
    }
    QFile::remove(out);
}
BENCHMARK(BM_WriteAfterOnePost)->Apply(sizes);

void BM_SortByTitle(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds, rowsOf(state));
    ds.addIndex(field::BookName, field::BookName);
    for (auto _ : state) {
        ds.setIndexName(field::BookName);
        state.PauseTiming();
        ds.setIndexName(QString());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortByTitle)->Apply(sizes);

void runFilter(benchmark::State& state, const QString& text)
{
    Dataset ds;
    openCatalogue(ds, rowsOf(state));
    ds.setFilterText(text);
    for (auto _ : state) {
        ds.setFiltered(true);
        state.PauseTiming();
        state.counters["rows"] = ds.recordCount();
        ds.setFiltered(false);
        state.ResumeTiming();
    }
}

void BM_FilterOneValue(benchmark::State& state)
{
    runFilter(state, QStringLiteral("_Author = 'Толстой Л.Н.'"));
}
BENCHMARK(BM_FilterOneValue)->Apply(sizes);

void BM_FilterLike(benchmark::State& state)
{
    runFilter(state, QStringLiteral("_BookName like '%мир%'"));
}
BENCHMARK(BM_FilterLike)->Apply(sizes);

// Repeats one search from the first row; with `sorted` the view is first sorted on the
// searched field, as after a click on the column's header.
void runLocate(benchmark::State& state, Dataset& ds, const QString& name, const QString& value,
               folianto::table::LocateOptions opts, bool sorted)
{
    if (sorted) {
        ds.addIndex(name, name);
        ds.setIndexName(name);
    }
    for (auto _ : state) {
        ds.first();
        benchmark::DoNotOptimize(ds.locate(name, value, opts));
    }
}

// A prefix of the last row's file name, found only at the end.
QString lastFileNamePrefix(Dataset& ds)
{
    ds.last();
    return ds.asString(field::FileName).chopped(4);
}

void BM_LocateByPrefix(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds, rowsOf(state));
    runLocate(state, ds, field::FileName, lastFileNamePrefix(ds), {true, false}, false);
}
BENCHMARK(BM_LocateByPrefix)->Apply(sizes);

void BM_LocateTitleByPrefixIgnoringCase(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds, rowsOf(state));
    runLocate(state, ds, field::BookName, QStringLiteral("НЕТ ТАКОЙ"), {true, true}, false);
}
BENCHMARK(BM_LocateTitleByPrefixIgnoringCase)->Apply(sizes);

// The same two searches with the view sorted on the searched field: only the run of rows
// alike in letters is looked at.
void BM_LocateByPrefixSortedOnTheField(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds, rowsOf(state));
    runLocate(state, ds, field::FileName, lastFileNamePrefix(ds), {true, false}, true);
}
BENCHMARK(BM_LocateByPrefixSortedOnTheField)->Apply(sizes);

void BM_LocateTitleIgnoringCaseSortedOnTheField(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds, rowsOf(state));
    runLocate(state, ds, field::BookName, QStringLiteral("ЗИМНЯЯ СНЕГ"), {true, true}, true);
}
BENCHMARK(BM_LocateTitleIgnoringCaseSortedOnTheField)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
