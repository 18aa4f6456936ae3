#include "figureRuns.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "measuredProgram.h"

namespace {

// Each child starts as on a first start, and never with the user's own
// settings or kept game.
void GiveFreshHome(QProcess& child, const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        environment.insert(QString::fromLatin1(variable), home.path());
    child.setProcessEnvironment(environment);
}

} // namespace

std::vector<double> FirstPaintTimes(const QString& program, int runs, const QString& mode)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const QTemporaryDir home;
        QProcess child;
        GiveFreshHome(child, home);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Measured from just before the process is created, so loading the
        // program and its libraries counts as it does for a player.
        const long long started = MonotonicNanoseconds();
        child.start(program, {mode});
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
    const QTemporaryDir home;
    QProcess child;
    GiveFreshHome(child, home);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {QStringLiteral("--game"), QString::number(moves)});
    if (!child.waitForFinished(600'000))
        return QStringLiteral("the game did not finish\n");
    return QString::fromLocal8Bit(child.readAllStandardOutput());
}
