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

// One recoding of the whole book per iteration.
template <typename Recode>
void BM_Recode(benchmark::State& state, Recode recode)
{
    const QByteArray& in = book();
    for (auto _ : state)
        benchmark::DoNotOptimize(recode(in));
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

void BM_ToCp1251(benchmark::State& state)
{
    const QString text = folianto::codepage::fromCp1251(book());
    for (auto _ : state)
        benchmark::DoNotOptimize(folianto::codepage::toCp1251(text));
    state.SetBytesProcessed(state.iterations() * kSize);
}

} // namespace

#define FOLIANTO_RECODE_BENCHMARK(b) b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
FOLIANTO_RECODE_BENCHMARK(BENCHMARK_CAPTURE(BM_Recode, DosToWin, &folianto::codepage::dosToWin));
FOLIANTO_RECODE_BENCHMARK(BENCHMARK_CAPTURE(BM_Recode, KoiToWin, &folianto::codepage::koiToWin));
FOLIANTO_RECODE_BENCHMARK(BENCHMARK_CAPTURE(BM_Recode, FromCp1251, &folianto::codepage::fromCp1251));
FOLIANTO_RECODE_BENCHMARK(BENCHMARK(BM_DosToWinInPlace));
FOLIANTO_RECODE_BENCHMARK(BENCHMARK(BM_ToCp1251));
BENCHMARK_MAIN();
