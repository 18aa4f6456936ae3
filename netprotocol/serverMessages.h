#pragma once
// The frames the server sends, built in one place so that the server, the
// window and the bot tool agree on every field. Games' snapshots and events
// are built by the server's games from these pieces.

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace net {

/// The text of one frame: compact JSON.
QByteArray FrameText(const QJsonObject& message);

/// `welcome` {protocol, server}.
QJsonObject WelcomeMessage(const QString& serverName);
/// `error` {code, text}, with the game when it concerns one.
QJsonObject ErrorMessage(const QString& code, const QString& text, const QString& game = {});
/// `refused` {game, id, reason}: a move that was not played.
QJsonObject RefusedMessage(const QString& game, const QString& id, const QString& reason);
/// `created` {game, token}: the code of a new game and the host's key.
QJsonObject CreatedMessage(const QString& game, const QString& hostToken);
/// `seated` {game, seat, token}.
QJsonObject SeatedMessage(const QString& game, const QString& seat, const QString& token);
/// `pong` {payload}.
QJsonObject PongMessage(const QString& payload);
/// {"white": ms, "black": ms}.
QJsonObject ClocksJson(qint64 whiteMs, qint64 blackMs);

/// A server message read by a client: its type and the object (type included);
/// an empty type when the frame is no JSON object with a text `type`.
struct TServerFrame {
    QString type;
    QJsonObject body;
};
/// Reads a server frame; a client decides what the fields mean.
TServerFrame ReadServerFrame(QByteArrayView frame);

} // namespace net
