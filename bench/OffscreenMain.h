#pragma once
// The main of a benchmark program that needs widgets: a QApplication on the offscreen platform
// around the benchmarks.

#include <QApplication>
#include <benchmark/benchmark.h>

#define FOLIANTO_OFFSCREEN_BENCHMARK_MAIN()                                                        \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
