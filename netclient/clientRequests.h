#pragma once
// The messages the window sends the server, built in one place with the
// protocol's field names, so the session reads as what it does.

#include <QJsonObject>
#include <QString>
#include <optional>

#include "clientMessage.h"
#include "onlineSettings.h"
#include "seat.h"

namespace net {

/// `create` {settings}.
QJsonObject CreateRequest(const TOnlineSettings& settings);
/// `join` {game, seat}; `leave` and `free` with `type` "leave" or "free".
QJsonObject SeatRequest(const QString& type, const QString& game, TSeat seat);
/// `rejoin` {game, token, after?}.
QJsonObject RejoinRequest(const QString& game, const QString& token, std::optional<qint64> after);
/// `watch` {game, after?}.
QJsonObject WatchRequest(const QString& game, std::optional<qint64> after);
/// `move` {game, id, from, to, promotion?}.
QJsonObject MoveRequest(const QString& game, const QString& id, const TProtocolMove& move);
/// A team command {game, seat?}.
QJsonObject CommandRequest(const QString& game, TTeamCommand command, std::optional<TSeat> seat);
/// `chat` {game, to, text, seat?}.
QJsonObject ChatRequest(const QString& game, const QString& text, bool toTeam, std::optional<TSeat> seat);

} // namespace net
