// The catalogue filter over 100,000 synthetic rows: compiling and applying a one-value filter
// and a like '%...%' filter; sorting the titles by the catalogue's collation.

#include "engines/table/Collation.h"
#include "engines/table/Filter.h"

#include <QStringList>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace folianto::table;

namespace {

constexpr int kRows = 100000;

struct Row : RowValues {
    std::vector<QVariant> values;
    QVariant value(int field) const override { return values[size_t(field)]; }
};

const FieldDefs& defs()
{
    static const FieldDefs d = {{QStringLiteral("_BookName"), FieldType::String, 100},
                                {QStringLiteral("_Author"), FieldType::String, 70},
                                {QStringLiteral("_Size"), FieldType::Int32}};
    return d;
}

const std::vector<Row>& rows()
{
    static const std::vector<Row> all = [] {
        const QStringList words = QString::fromUtf8(
            "война мир приключения тайна остров капитан дочь ночь звезда дорога сердце история "
            "Ёлка ёж Море Город Время Жизнь Пламя Путь Слово Тень Эхо Юность Ястреб")
                                      .split(u' ');
        const QStringList authors = QString::fromUtf8(
            "Пушкин Толстой Чехов Гоголь Лермонтов Тургенев Достоевский Бунин Куприн Ёлкин")
                                        .split(u' ');
        std::mt19937 rng(1);
        std::vector<Row> v(kRows);
        for (Row& r : v) {
            QString title;
            const int n = 2 + int(rng() % 4);
            for (int i = 0; i < n; ++i)
                title += (i ? QStringLiteral(" ") : QString()) + words[qsizetype(rng() % words.size())];
            r.values = {title, authors[qsizetype(rng() % authors.size())], int(rng() % 100000)};
        }
        return v;
    }();
    return all;
}

void runFilter(benchmark::State& state, const QString& text)
{
    const auto& all = rows();
    for (auto _ : state) {
        const auto filter = CompiledFilter::compile(text, defs(), true);
        int kept = 0;
        for (const Row& r : all)
            kept += filter->matches(r) ? 1 : 0;
        benchmark::DoNotOptimize(kept);
    }
}

void BM_OneValueFilter(benchmark::State& state)
{
    runFilter(state, QStringLiteral("_Author='Пушкин'"));
}

void BM_LikeFilter(benchmark::State& state)
{
    runFilter(state, QStringLiteral("_BookName like '%мир%'"));
}

void BM_SortTitlesByComparison(benchmark::State& state)
{
    std::vector<QString> titles;
    for (const Row& r : rows())
        titles.push_back(r.values[0].toString());
    for (auto _ : state) {
        std::vector<const QString*> order;
        order.reserve(titles.size());
        for (const QString& t : titles)
            order.push_back(&t);
        std::sort(order.begin(), order.end(), [](const QString* a, const QString* b) { return compareText(*a, *b) < 0; });
        benchmark::DoNotOptimize(order.data());
    }
}

void BM_SortTitlesByKeys(benchmark::State& state)
{
    std::vector<QString> titles;
    for (const Row& r : rows())
        titles.push_back(r.values[0].toString());
    for (auto _ : state) {
        std::vector<std::pair<QByteArray, int>> keyed;
        keyed.reserve(titles.size());
        for (size_t i = 0; i < titles.size(); ++i)
            keyed.emplace_back(collationKey(titles[i]), int(i));
        std::sort(keyed.begin(), keyed.end());
        benchmark::DoNotOptimize(keyed.data());
    }
}

} // namespace

BENCHMARK(BM_OneValueFilter)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LikeFilter)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SortTitlesByComparison)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SortTitlesByKeys)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
