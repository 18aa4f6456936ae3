#include "botResults.h"

#include <QRegularExpression>

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
