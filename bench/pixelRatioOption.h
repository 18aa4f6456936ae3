#pragma once
// The --ratio=R option of the painting benchmarks: the program runs as on a
// screen of R device pixels per pixel (QT_SCALE_FACTOR), which must be chosen
// before the application starts.

#include <QByteArray>
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
