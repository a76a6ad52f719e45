// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A Google Benchmark main for benchmarks that need Qt widgets: one
// application object on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>

#define ORVEL_QT_BENCHMARK_MAIN()                             \
    int main(int argc, char** argv) {                         \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
            qputenv("QT_QPA_PLATFORM", "offscreen");          \
        }                                                     \
        QApplication application(argc, argv);                 \
        benchmark::Initialize(&argc, argv);                   \
        benchmark::RunSpecifiedBenchmarks();                  \
        benchmark::Shutdown();                                \
        return 0;                                             \
    }
