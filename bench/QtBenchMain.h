#pragma once
// The main of a benchmark that needs widgets: a QApplication on the offscreen platform, then
// the benchmarks; `prepare` (may be empty) runs first and may refuse to go on.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>

inline int runQtBenchmarks(int argc, char** argv, const std::function<bool()>& prepare = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (prepare && !prepare())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
