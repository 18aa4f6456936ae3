#include "onlineServer.h"

#include <QSslServer>
#include <QTcpServer>
#include <QWebSocket>

#include "protocolLimits.h"
#include "serverMessages.h"

namespace {

// A frame up to a megabyte is still read, so that one a little over the
// limit is answered with a reason instead of a closed connection.
constexpr qint64 LargestFrameRead = 1024 * 1024;
// Pings measure each connection's round trip and find connections that died silently.
constexpr int PingIntervalMs = 5'000;
constexpr TMs SilentConnectionMs = 30'000;
// A client that is refused this many messages in a row keeps flooding.
constexpr int FloodLimit = 100;

bool ServedPath(const QString& path)
{
    // A proxy may serve the protocol below a path of its own.
    return path.endsWith(QLatin1String(net::WebSocketPath));
}

} // namespace

TOnlineServer::TOnlineServer(TGameStore& store, const TServerLog& log, QObject* parent)
    : QObject(parent), _store(store), _log(log)
{
    _clock.start();
    _pings.setInterval(PingIntervalMs);
    connect(&_pings, &QTimer::timeout, this, &TOnlineServer::PingAll);
}

TOnlineServer::~TOnlineServer() = default;

int TOnlineServer::RestoreGames()
{
    int restored = 0;
    for (const TStoredGame& stored : _store.LoadGames()) {
        TRoomChange recovery;
        QString problem;
        std::unique_ptr<TGameRoom> room = TGameRoom::Restore(stored, Now(), recovery, problem);
        if (!room) {
            _log.Problem(QStringLiteral("game %1 not restored: %2").arg(stored.game.code, problem));
            continue;
        }
        const QString code = room->Code();
        _committed.insert(code, room->Seq() - static_cast<qint64>(recovery.events.size()));
        QList<QJsonObject>& chat = _chat[code];
        for (const QJsonObject& line : stored.chat)
            chat.append(line);
        std::shared_ptr<TGameRoom> shared = std::move(room);
        _rooms.insert(code, shared);
        if (!recovery.events.empty())
            _log.Info(QStringLiteral("game %1 was in play: paused at event %2 until its players are back")
                          .arg(code)
                          .arg(shared->Seq()));
        Commit(*shared, std::move(recovery), nullptr);
        ++restored;
    }
    return restored;
}

bool TOnlineServer::Listen(const TListenPlace& place, QString& problem)
{
    // The WebSocket server only shakes hands; the listening socket is ours, so
    // that every connection can be set to send small frames at once.
    _sockets = new QWebSocketServer(QStringLiteral("veltan-server"), QWebSocketServer::NonSecureMode, this);
    connect(_sockets, &QWebSocketServer::newConnection, this, &TOnlineServer::Accept);
    if (place.tls) {
        auto* tls = new QSslServer(this);
        tls->setSslConfiguration(*place.tls);
        _listener = tls;
    } else {
        _listener = new QTcpServer(this);
    }
    connect(_listener, &QTcpServer::pendingConnectionAvailable, this, &TOnlineServer::HandOver);
    if (!_listener->listen(place.address, place.port)) {
        problem = _listener->errorString();
        return false;
    }
    _pings.start();
    return true;
}

quint16 TOnlineServer::Port() const
{
    return _listener ? _listener->serverPort() : 0;
}

void TOnlineServer::HandOver()
{
    while (QTcpSocket* socket = _listener->nextPendingConnection()) {
        // A move is a small frame that must go at once, not wait for the
        // acknowledgement of the frame before it (tens of milliseconds).
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        _sockets->handleConnection(socket);
    }
}

void TOnlineServer::Accept()
{
    while (QWebSocket* socket = _sockets->nextPendingConnection()) {
        auto* connection = new TClientConnection(socket, ++_connections, this);
        connection->lastHeardMs = Now();
        socket->setMaxAllowedIncomingMessageSize(LargestFrameRead);
        socket->setMaxAllowedIncomingFrameSize(LargestFrameRead);
        _log.Info(QStringLiteral("connection %1 from %2 port %3")
                      .arg(connection->Number())
                      .arg(socket->peerAddress().toString())
                      .arg(socket->peerPort()));
        if (_stopping) {
            socket->close(QWebSocketProtocol::CloseCodeGoingAway, QStringLiteral("the server is stopping"));
            continue;
        }
        if (!ServedPath(socket->requestUrl().path())) {
            Error(*connection, QStringLiteral("protocol"),
                  QStringLiteral("this server speaks version %1 of the protocol at %2")
                      .arg(net::ProtocolVersion)
                      .arg(QLatin1String(net::WebSocketPath)));
            socket->close(QWebSocketProtocol::CloseCodeProtocolError);
            continue;
        }
        connect(socket, &QWebSocket::textMessageReceived, connection,
                [this, connection](const QString& text) { Received(*connection, text); });
        connect(socket, &QWebSocket::binaryMessageReceived, connection,
                [this, connection](const QByteArray&) {
                    Error(*connection, QStringLiteral("bad-json"),
                          QStringLiteral("frames are text, one JSON object each"));
                });
        connect(socket, &QWebSocket::pong, connection, [this, connection](quint64 elapsed) {
            connection->roundTripMs = static_cast<TMs>(elapsed);
            connection->lastHeardMs = Now();
        });
        connect(socket, &QWebSocket::disconnected, connection, [this, connection] { Gone(*connection); });
    }
}

void TOnlineServer::Received(TClientConnection& connection, const QString& text)
{
    connection.lastHeardMs = Now();
    if (!connection.rate.Allow(Now())) {
        if (connection.rate.RefusedInARow() >= FloodLimit) {
            _log.Info(
                QStringLiteral("connection %1 closed: it kept sending too fast").arg(connection.Number()));
            connection.Socket().close(QWebSocketProtocol::CloseCodePolicyViolated,
                                      QStringLiteral("too many messages"));
        } else {
            // A move is answered by its id, so its sender knows which one to send again.
            const QString reason = QStringLiteral("too many messages: wait a moment before sending more");
            const net::TClientReading dropped = net::ReadClientMessage(text.toUtf8());
            if (dropped.isMove && !dropped.moveId.isEmpty())
                connection.Send(net::RefusedMessage(
                    dropped.message ? std::get<net::TMove>(*dropped.message).game : QString(), dropped.moveId,
                    reason));
            else if (connection.rate.RefusedInARow() == 1)
                Error(connection, QStringLiteral("rate"), reason);
        }
        return;
    }
    const net::TClientReading reading = net::ReadClientMessage(text.toUtf8());
    if (!reading.message) {
        _log.Info(QStringLiteral("connection %1 refused: %2").arg(connection.Number()).arg(reading.problem));
        if (reading.isMove && !reading.moveId.isEmpty())
            connection.Send(net::RefusedMessage({}, reading.moveId, reading.problem));
        else
            Error(connection, reading.errorCode, reading.problem);
        return;
    }
    Handle(connection, *reading.message);
}

void TOnlineServer::Error(TClientConnection& connection, const QString& code, const QString& text,
                          const QString& game)
{
    connection.Send(net::ErrorMessage(code, text, game));
}

void TOnlineServer::Gone(TClientConnection& connection)
{
    _log.Info(QStringLiteral("connection %1 closed").arg(connection.Number()));
    connection.gone = true;
    const QHash<QString, QSet<int>> seats = connection.seats;
    for (auto held = seats.cbegin(); held != seats.cend(); ++held)
        for (const int index : held.value())
            Release(connection, held.key(), index);
    for (const QString& game : std::as_const(connection.watching)) {
        _members[game].remove(&connection);
        AnnounceWatchers(game);
    }
    for (const QString& game : std::as_const(connection.hosting))
        _members[game].remove(&connection);
    connection.watching.clear();
    connection.hosting.clear();
    connection.deleteLater();
}

void TOnlineServer::Release(TClientConnection& connection, const QString& game, int seatIndex)
{
    auto held = connection.seats.find(game);
    if (held == connection.seats.end())
        return;
    held->remove(seatIndex);
    if (held->isEmpty()) {
        connection.seats.erase(held);
        if (!connection.hosting.contains(game) && !connection.watching.contains(game))
            _members[game].remove(&connection);
    }
    if (const auto room = _rooms.value(game))
        Commit(*room, room->SetConnected(net::SeatAt(seatIndex), false, Now()), nullptr);
}

void TOnlineServer::PingAll()
{
    const TMs now = Now();
    for (TClientConnection* connection : findChildren<TClientConnection*>(Qt::FindDirectChildrenOnly)) {
        if (now - connection->lastHeardMs > SilentConnectionMs) {
            _log.Info(QStringLiteral("connection %1 silent: closed").arg(connection->Number()));
            connection->Socket().abort();
            continue;
        }
        connection->Socket().ping();
    }
}

void TOnlineServer::Stop()
{
    _stopping = true;
    _pings.stop();
    if (_listener)
        _listener->close();
    for (TClientConnection* connection : findChildren<TClientConnection*>(Qt::FindDirectChildrenOnly))
        connection->Socket().close(QWebSocketProtocol::CloseCodeGoingAway,
                                   QStringLiteral("the server is stopping"));
    // The store commits what it holds; the sockets have had their close frames by then.
    _store.Close();
    emit stopped();
}
