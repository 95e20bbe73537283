#pragma once
#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

// The main() of a benchmark that needs widgets or pixmaps: a GUI
// application, on the offscreen platform unless another is asked for, so
// no display is needed. prepare runs once the application exists.
inline int runGuiBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (prepare)
        prepare();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
