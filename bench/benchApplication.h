#pragma once
// The start of the painting benchmarks: the --ratio=R option, which runs the
// program as on a screen of R device pixels per pixel (QT_SCALE_FACTOR, to be
// chosen before the application starts), then the application and the benchmarks.

#include <QApplication>
#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstring>

/// Takes --ratio=R out of the arguments and sets QT_SCALE_FACTOR to R; also
/// puts the program on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
inline void ApplyPixelRatioOption(int& argc, char** argv)
{
    constexpr const char* Option = "--ratio=";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], Option, std::strlen(Option)) == 0)
            qputenv("QT_SCALE_FACTOR", QByteArray(argv[i] + std::strlen(Option)));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

/// Runs the registered benchmarks inside a QApplication; the program's exit code.
inline int RunBenchmarksInApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
