#pragma once
// The main of a benchmark program that needs a QApplication (widgets, cursors) on the
// offscreen platform.

#include <QApplication>
#include <benchmark/benchmark.h>

#define FOLIANTO_QT_BENCHMARK_MAIN()                                                              \
    int main(int argc, char** argv)                                                               \
    {                                                                                             \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                  \
        QApplication app(argc, argv);                                                             \
        benchmark::Initialize(&argc, argv);                                                       \
        benchmark::RunSpecifiedBenchmarks();                                                      \
        benchmark::Shutdown();                                                                    \
        return 0;                                                                                 \
    }
