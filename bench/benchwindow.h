#pragma once

// The main window as the benchmarks of the finder and the palette meet it: on a private X server,
// over settings of the benchmark's own, shown once before the benchmarks run.

#include "app/frmmain.h"
#include "arguments.h"
#include "benchsettings.h"
#include "xserver.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <functional>

// Runs the benchmarks the arguments name with window pointing at the main window. prepare runs
// once Qt is up, before the window is made: what it stores, the window reads as it starts.
inline int RunWithMainWindow(int argc, char **argv, frmMain *&window,
                             const std::function<void()> &prepare)
{
    TakeBenchmarkArguments(argc, argv);
    setenv("DISPLAY", StartXServer().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    QApplication app(argc, argv);
    const BenchSettings settings;
    prepare();
    frmMain shown;
    shown.show();
    QApplication::processEvents();
    window = &shown;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
