#include "figureRuns.h"

#include <QProcess>

#include "measuredProgram.h"

std::vector<double> FirstPaintTimes(const QString& program, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Measured from just before the process is created, so loading the
        // program and its libraries counts as it does for a player.
        const long long started = MonotonicNanoseconds();
        child.start(program, {QStringLiteral("--first-paint")});
        if (!child.waitForFinished(30'000) || child.exitCode() != 0)
            continue;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (line.startsWith("first-paint-ns "))
                times.push_back(static_cast<double>(line.mid(15).toLongLong() - started) / 1e6);
        }
    }
    return times;
}

QString GameFigures(const QString& program, int moves)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {QStringLiteral("--game"), QString::number(moves)});
    if (!child.waitForFinished(600'000))
        return QStringLiteral("the game did not finish\n");
    return QString::fromLocal8Bit(child.readAllStandardOutput());
}
