// The catalogue table at 100,000 rows of Russian titles and authors: open, write back after
// one posted change, sort by title, a one-value and a like filter, locate by prefix, memory.

#include "catalogue/CatalogueRecord.h"
#include "engines/table/AtomicFile.h"
#include "engines/table/Dataset.h"
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

using namespace folianto::catalogue;
using folianto::table::Dataset;

namespace {

constexpr int kRows = 100000;

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

QString generatedPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        Dataset ds;
        ds.setFieldDefs(catalogueFieldDefs());
        ds.createEmpty();
        QRandomGenerator rng(2024);
        auto pick = [&](const QStringList& l) { return l[int(rng.bounded(l.size()))]; };
        for (int i = 0; i < kRows; ++i) {
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
        const QString p = dir.filePath(QStringLiteral("bench.bon"));
        ds.saveToFile(p);
        return p;
    }();
    return path;
}

void openCatalogue(Dataset& ds)
{
    ds.setFieldDefs(catalogueFieldDefs());
    ds.setFileName(generatedPath());
    ds.open();
}

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
    generatedPath();
    malloc_trim(0);
    for (auto _ : state) {
        const long rssBefore = residentBytes();
        const size_t heapBefore = mallinfo2().uordblks;
        auto ds = std::make_unique<Dataset>();
        openCatalogue(*ds);
        state.counters["rss_MB"] = double(residentBytes() - rssBefore) / (1024.0 * 1024.0);
        state.counters["heap_MB"] = double(mallinfo2().uordblks - heapBefore) / (1024.0 * 1024.0);
        state.counters["rows"] = ds->recordCount();
    }
}
BENCHMARK(BM_MemoryOfOpenCatalogue)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Open(benchmark::State& state)
{
    generatedPath();
    for (auto _ : state) {
        auto ds = std::make_unique<Dataset>();
        openCatalogue(*ds);
        benchmark::DoNotOptimize(ds->recordCount());
        state.PauseTiming();
        ds.reset(); // freeing the rows is not part of opening
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

// The parts of open and write: decoding and encoding the bytes, without the file system.
void BM_DecodeBon(benchmark::State& state)
{
    const QByteArray bytes = folianto::table::readWholeFile(generatedPath());
    state.counters["file_MB"] = double(bytes.size()) / (1024.0 * 1024.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::table::decodeBon(bytes).rows.size());
}
BENCHMARK(BM_DecodeBon)->Unit(benchmark::kMillisecond);

void BM_EncodeBon(benchmark::State& state)
{
    const folianto::table::TableData table = folianto::table::decodeBon(folianto::table::readWholeFile(generatedPath()));
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::table::encodeBon(table).size());
}
BENCHMARK(BM_EncodeBon)->Unit(benchmark::kMillisecond);

void BM_WriteAfterOnePost(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds);
    const QString out = QTemporaryDir().path() + QStringLiteral(".bon");
    int n = 0;
    for (auto _ : state) {
        ds.setRecNo(kRows / 2);
        ds.edit();
        ds.setValue(field::Percent, ++n % 100);
        ds.post();
        ds.saveToFile(out);
    }
    QFile::remove(out);
}
BENCHMARK(BM_WriteAfterOnePost)->Unit(benchmark::kMillisecond);

void BM_SortByTitle(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds);
    ds.addIndex(field::BookName, field::BookName);
    for (auto _ : state) {
        ds.setIndexName(field::BookName);
        state.PauseTiming();
        ds.setIndexName(QString());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortByTitle)->Unit(benchmark::kMillisecond);

void runFilter(benchmark::State& state, const QString& text)
{
    Dataset ds;
    openCatalogue(ds);
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
BENCHMARK(BM_FilterOneValue)->Unit(benchmark::kMillisecond);

void BM_FilterLike(benchmark::State& state)
{
    runFilter(state, QStringLiteral("_BookName like '%мир%'"));
}
BENCHMARK(BM_FilterLike)->Unit(benchmark::kMillisecond);

void BM_LocateByPrefix(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds);
    ds.last();
    const QString prefix = ds.asString(field::FileName).chopped(4); // found only at the end
    for (auto _ : state) {
        ds.first();
        benchmark::DoNotOptimize(ds.locate(field::FileName, prefix, {true, false}));
    }
}
BENCHMARK(BM_LocateByPrefix)->Unit(benchmark::kMillisecond);

void BM_LocateTitleByPrefixIgnoringCase(benchmark::State& state)
{
    Dataset ds;
    openCatalogue(ds);
    for (auto _ : state) {
        ds.first();
        benchmark::DoNotOptimize(ds.locate(field::BookName, QStringLiteral("НЕТ ТАКОЙ"), {true, true}));
    }
}
BENCHMARK(BM_LocateTitleByPrefixIgnoringCase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
