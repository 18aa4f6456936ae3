#pragma once
// One client's WebSocket on the server: who it says it is, the seats it holds
// and the games it watches or hosts, how fast it may send, and its round trip,
// measured by pings, for the lag its moves are forgiven.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWebSocket>
#include <map>

#include "fairPlay.h"
#include "rateLimit.h"
#include "seat.h"

class TClientConnection : public QObject {
    Q_OBJECT
public:
    /// Takes the socket over (it becomes this object's child).
    TClientConnection(QWebSocket* socket, quint64 number, QObject* parent);

    QWebSocket& Socket() { return *_socket; }
    /// The connection's number in the log.
    quint64 Number() const { return _number; }
    /// Still connected, so that an answer that waited for the store may reach it.
    static bool Reachable(const QPointer<TClientConnection>& connection)
    {
        return connection && !connection->gone;
    }
    /// Sends one frame; nothing once the socket is closing.
    void Send(const QJsonObject& message);

    /// The name from `hello`; empty until then.
    QString name;
    bool greeted = false;
    /// The socket closed: answers still on their way are dropped.
    bool gone = false;
    TRateLimit rate;
    /// Seats held here, by game.
    QHash<QString, QSet<int>> seats;
    QSet<QString> watching;
    QSet<QString> hosting;
    /// Lag forgiven to this connection, by game.
    std::map<QString, TLagQuota> quotas;
    /// The last measured round trip, in ms.
    TMs roundTripMs = 0;
    /// When the last pong (or the connection) came, on the server's clock.
    TMs lastHeardMs = 0;

    /// Does this connection hold `seat` of `game`.
    bool Holds(const QString& game, net::TSeat seat) const;
    /// Does it hold a seat of `white`'s team in `game`.
    bool HoldsTeam(const QString& game, bool white) const;

private:
    QWebSocket* _socket;
    quint64 _number;
};
