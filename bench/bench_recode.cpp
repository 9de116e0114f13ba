// Recoding 100 MB of text between the Cyrillic code pages (budget: 0.2 s).

#include "engines/codepage/CodePages.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kSize = 100 * 1000 * 1000;

// Text-like bytes without a zero: letters of the upper half, ASCII and spaces.
const QByteArray& book()
{
    static const QByteArray bytes = [] {
        QByteArray b(kSize, Qt::Uninitialized);
        quint32 seed = 1;
        for (qsizetype i = 0; i < kSize; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const unsigned r = seed >> 24;
            b[i] = char(r < 40 ? ' ' : r < 120 ? 'a' + r % 26 : 0x80 + r % 128);
        }
        return b;
    }();
    return bytes;
}

void BM_DosToWin(benchmark::State& state)
{
    const QByteArray& in = book();
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::codepage::dosToWin(in));
    state.SetBytesProcessed(state.iterations() * kSize);
}

void BM_KoiToWin(benchmark::State& state)
{
    const QByteArray& in = book();
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::codepage::koiToWin(in));
    state.SetBytesProcessed(state.iterations() * kSize);
}

void BM_DosToWinInPlace(benchmark::State& state)
{
    QByteArray buffer = book();
    buffer.detach();
    for (auto _ : state) {
        folianto::codepage::dosToWinInPlace(buffer);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kSize);
}

void BM_FromCp1251(benchmark::State& state)
{
    const QByteArray& in = book();
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::codepage::fromCp1251(in));
    state.SetBytesProcessed(state.iterations() * kSize);
}

void BM_ToCp1251(benchmark::State& state)
{
    const QString text = folianto::codepage::fromCp1251(book());
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::codepage::toCp1251(text));
    state.SetBytesProcessed(state.iterations() * kSize);
}

} // namespace

BENCHMARK(BM_DosToWin)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KoiToWin)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DosToWinInPlace)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FromCp1251)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ToCp1251)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
