#include "clientRequests.h"

#include "veltanbrdKernel.h"

namespace net {

namespace {

QString SquareText(Square square)
{
    return QString::fromStdString(TVeltanBrdKernel::SquareToString(square));
}

void PutSeat(QJsonObject& message, std::optional<TSeat> seat)
{
    if (seat)
        message.insert(QStringLiteral("seat"), SeatName(*seat));
}

void PutAfter(QJsonObject& message, std::optional<qint64> after)
{
    if (after)
        message.insert(QStringLiteral("after"), *after);
}

} // namespace

QJsonObject CreateRequest(const TOnlineSettings& settings)
{
    return {{QStringLiteral("type"), QStringLiteral("create")},
            {QStringLiteral("settings"), SettingsJson(settings)}};
}

QJsonObject SeatRequest(const QString& type, const QString& game, TSeat seat)
{
    return {{QStringLiteral("type"), type},
            {QStringLiteral("game"), game},
            {QStringLiteral("seat"), SeatName(seat)}};
}

QJsonObject RejoinRequest(const QString& game, const QString& token, std::optional<qint64> after)
{
    QJsonObject message{{QStringLiteral("type"), QStringLiteral("rejoin")},
                        {QStringLiteral("game"), game},
                        {QStringLiteral("token"), token}};
    PutAfter(message, after);
    return message;
}

QJsonObject WatchRequest(const QString& game, std::optional<qint64> after)
{
    QJsonObject message{{QStringLiteral("type"), QStringLiteral("watch")}, {QStringLiteral("game"), game}};
    PutAfter(message, after);
    return message;
}

QJsonObject MoveRequest(const QString& game, const QString& id, const TProtocolMove& move)
{
    QJsonObject message{{QStringLiteral("type"), QStringLiteral("move")},
                        {QStringLiteral("game"), game},
                        {QStringLiteral("id"), id},
                        {QStringLiteral("from"), SquareText(move.from)},
                        {QStringLiteral("to"), SquareText(move.to)}};
    if (move.promotion != NoPromotion)
        message.insert(QStringLiteral("promotion"), QString(QLatin1Char(move.promotion)));
    return message;
}

QJsonObject CommandRequest(const QString& game, TTeamCommand command, std::optional<TSeat> seat)
{
    QJsonObject message{{QStringLiteral("type"), CommandName(command)}, {QStringLiteral("game"), game}};
    PutSeat(message, seat);
    return message;
}

QJsonObject ChatRequest(const QString& game, const QString& text, bool toTeam, std::optional<TSeat> seat)
{
    QJsonObject message{{QStringLiteral("type"), QStringLiteral("chat")},
                        {QStringLiteral("game"), game},
                        {QStringLiteral("to"), toTeam ? QStringLiteral("team") : QStringLiteral("all")},
                        {QStringLiteral("text"), text}};
    PutSeat(message, seat);
    return message;
}

} // namespace net
