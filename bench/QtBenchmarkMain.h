#pragma once
// The body of main for a benchmark program that needs a QApplication: Qt's
// offscreen platform unless another is asked for, then the benchmarks.

#include <benchmark/benchmark.h>

#include <QApplication>

namespace quorvix::bench {

inline int RunQtBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace quorvix::bench
