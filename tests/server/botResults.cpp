#include "botResults.h"

#include <QProcess>
#include <QRegularExpression>

#include "eventWait.h"

QStringList TeamSeats(const char* team, int players)
{
    QStringList arguments;
    for (int player = 1; player <= players; ++player)
        arguments << "--seat" << QStringLiteral("%1-%2").arg(QLatin1String(team)).arg(player);
    return arguments;
}

TBotResult ReadResultLine(const QString& output)
{
    static const QRegularExpression line(QStringLiteral("after (\\d+) moves, position ([0-9a-f]{8})"));
    const QRegularExpressionMatch match = line.match(output);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toInt(), match.captured(2)};
}

QString AwaitGameCode(QProcess& host, QString& output, int waitMs)
{
    WaitFor(
        [&] {
            output += QString::fromUtf8(host.readAllStandardOutput());
            return output.contains('\n') || host.state() == QProcess::NotRunning;
        },
        waitMs);
    const QString code = output.section('\n', 0, 0).trimmed();
    return code.size() == 6 ? code : QString();
}
