// What the server does with each message a client sends.

#include <QCryptographicHash>
#include <QDateTime>
#include <QRandomGenerator>

#include "gameCode.h"
#include "onlineServer.h"
#include "protocolLimits.h"
#include "serverMessages.h"

namespace {

constexpr int TokenWords = 4; // 128 bits

// A token is shown once, to its holder; the server keeps only its hash.
QString NewToken()
{
    quint32 words[TokenWords];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), sizeof words)
                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QByteArray TokenHash(const QString& token)
{
    return QCryptographicHash::hash(token.toUtf8(), QCryptographicHash::Sha256);
}

} // namespace

void TOnlineServer::Handle(TClientConnection& connection, const net::TClientMessage& message)
{
    if (std::holds_alternative<net::TPing>(message)) {
        connection.Send(net::PongMessage(std::get<net::TPing>(message).payload));
        return;
    }
    if (const auto* hello = std::get_if<net::THello>(&message)) {
        OnHello(connection, *hello);
        return;
    }
    if (!connection.greeted) {
        Error(connection, QStringLiteral("hello-first"), QStringLiteral("say hello first"));
        return;
    }
    std::visit(
        [&](const auto& body) {
            using T = std::decay_t<decltype(body)>;
            if constexpr (std::is_same_v<T, net::TCreate>)
                OnCreate(connection, body);
            else if constexpr (std::is_same_v<T, net::TJoin>)
                OnJoin(connection, body);
            else if constexpr (std::is_same_v<T, net::TRejoin>)
                OnRejoin(connection, body);
            else if constexpr (std::is_same_v<T, net::TLeave>)
                OnLeave(connection, body.game, body.seat, false);
            else if constexpr (std::is_same_v<T, net::TFree>)
                OnLeave(connection, body.game, body.seat, true);
            else if constexpr (std::is_same_v<T, net::TWatch>)
                OnWatch(connection, body);
            else if constexpr (std::is_same_v<T, net::TMove>)
                OnMove(connection, body);
            else if constexpr (std::is_same_v<T, net::TCommand>)
                OnCommand(connection, body);
            else if constexpr (std::is_same_v<T, net::TChat>)
                OnChat(connection, body);
        },
        message);
}

void TOnlineServer::OnHello(TClientConnection& connection, const net::THello& hello)
{
    if (hello.protocol != net::ProtocolVersion) {
        Error(connection, QStringLiteral("protocol"),
              QStringLiteral("this server speaks version %1 of the protocol, not %2")
                  .arg(net::ProtocolVersion)
                  .arg(hello.protocol));
        connection.Socket().close(QWebSocketProtocol::CloseCodeProtocolError);
        return;
    }
    connection.name = hello.name;
    connection.greeted = true;
    _log.Detail(QStringLiteral("connection %1 is %2").arg(connection.Number()).arg(hello.name));
    connection.Send(
        net::WelcomeMessage(QStringLiteral("veltan-server %1").arg(QStringLiteral(VELTAN_VERSION))));
}

void TOnlineServer::OnCreate(TClientConnection& connection, const net::TCreate& create)
{
    const QString code = NewCode();
    const QString token = NewToken();
    auto room = std::make_shared<TGameRoom>(code, create.settings, TokenHash(token));
    _rooms.insert(code, room);
    _committed.insert(code, 0);
    connection.hosting.insert(code);
    _members[code].insert(&connection);
    _log.Info(QStringLiteral("game %1 created by %2 (connection %3)")
                  .arg(code, connection.name)
                  .arg(connection.Number()));
    TRoomChange change;
    change.writes.emplace_back(TNewGame{code, net::SettingsJson(create.settings), TokenHash(token),
                                        QDateTime::currentMSecsSinceEpoch()});
    QPointer<TClientConnection> requester(&connection);
    Commit(*room, std::move(change), requester, [this, requester, code, token] {
        const auto room = _rooms.value(code);
        if (!TClientConnection::Reachable(requester) || !room)
            return;
        requester->Send(net::CreatedMessage(code, token));
        // The host follows the game from its first event on.
        SendGame(*requester, *room, std::nullopt);
    });
}

void TOnlineServer::OnJoin(TClientConnection& connection, const net::TJoin& join)
{
    TGameRoom* room = Room(connection, join.game);
    if (!room)
        return;
    const QString token = NewToken();
    TRoomChange change = room->Take(join.seat, connection.name, TokenHash(token), Now());
    if (!change.errorCode.isEmpty()) {
        Error(connection, change.errorCode, change.problem, room->Code());
        return;
    }
    const QString code = room->Code();
    connection.seats[code].insert(net::SeatIndex(join.seat));
    connection.quotas.try_emplace(code, room->TimeControlMs());
    QPointer<TClientConnection> requester(&connection);
    Commit(*room, std::move(change), requester, [this, requester, code, token, seat = join.seat] {
        const auto room = _rooms.value(code);
        if (!TClientConnection::Reachable(requester) || !room)
            return;
        requester->Send(net::SeatedMessage(code, net::SeatName(seat), token));
        // A watcher who sits down plays now: the others see one watcher fewer.
        const bool wasWatching = requester->watching.remove(code);
        SendGame(*requester, *room, std::nullopt);
        _members[code].insert(requester.data());
        if (wasWatching)
            AnnounceWatchers(code);
    });
}

void TOnlineServer::OnRejoin(TClientConnection& connection, const net::TRejoin& rejoin)
{
    TGameRoom* room = Room(connection, rejoin.game);
    if (!room)
        return;
    const QString code = room->Code();
    const QByteArray hash = TokenHash(rejoin.token);
    const std::optional<net::TSeat> seat = room->SeatOfToken(hash);
    const bool host = room->IsHostToken(hash);
    if (!seat && !host && _store.Shared() && Retry()) {
        // The seat may have been taken on another process since this one read the game.
        Resync(code, Retry());
        return;
    }
    if (!seat && !host) {
        Error(connection, QStringLiteral("bad-token"),
              QStringLiteral("that key opens no seat of game %1").arg(code), code);
        return;
    }
    TRoomChange change;
    if (seat) {
        // Whoever held the seat before (a connection that has not noticed it
        // died) gives it up: the key decides.
        for (TClientConnection* other : findChildren<TClientConnection*>(Qt::FindDirectChildrenOnly))
            if (other != &connection && other->Holds(code, *seat)) {
                other->seats[code].remove(net::SeatIndex(*seat));
                // The seat is named, so the window there stops offering its moves.
                QJsonObject lost = net::ErrorMessage(
                    QStringLiteral("seat-taken"),
                    QStringLiteral("%1 was taken over by another connection").arg(net::SeatName(*seat)),
                    code);
                lost.insert(QStringLiteral("seat"), net::SeatName(*seat));
                other->Send(lost);
            }
        connection.seats[code].insert(net::SeatIndex(*seat));
        connection.quotas.try_emplace(code, room->TimeControlMs());
        change = room->SetConnected(*seat, true, Now());
    } else {
        connection.hosting.insert(code);
    }
    _log.Info(QStringLiteral("connection %1 rejoined game %2 as %3")
                  .arg(connection.Number())
                  .arg(code, seat ? net::SeatName(*seat) : QStringLiteral("host")));
    QPointer<TClientConnection> requester(&connection);
    // The answer waits behind everything the store was given before it, so
    // `after` gets exactly the events stored by then, and the rest follow.
    Commit(*room, std::move(change), requester,
           [this, requester, code, seat, token = rejoin.token, after = rejoin.after] {
               const auto room = _rooms.value(code);
               if (!TClientConnection::Reachable(requester) || !room)
                   return;
               if (seat)
                   requester->Send(net::SeatedMessage(code, net::SeatName(*seat), token));
               _store.Write({}, [this, requester, code, after](bool) {
                   const auto room = _rooms.value(code);
                   if (!TClientConnection::Reachable(requester) || !room)
                       return;
                   SendGame(*requester, *room, after);
                   _members[code].insert(requester.data());
               });
           });
}

void TOnlineServer::OnLeave(TClientConnection& connection, const QString& game, net::TSeat seat, bool byHost)
{
    TGameRoom* room = Room(connection, game);
    if (!room)
        return;
    const QString code = room->Code();
    if (byHost) {
        if (!connection.hosting.contains(code)) {
            Error(connection, QStringLiteral("not-host"), QStringLiteral("only the host may free a seat"),
                  code);
            return;
        }
        if (room->SeatConnected(seat)) {
            Error(connection, QStringLiteral("not-allowed"),
                  QStringLiteral("%1 is connected; only a seat whose player left can be freed")
                      .arg(net::SeatName(seat)),
                  code);
            return;
        }
    } else if (!connection.Holds(code, seat)) {
        Error(connection, QStringLiteral("no-seat"),
              QStringLiteral("you do not hold %1").arg(net::SeatName(seat)), code);
        return;
    }
    TRoomChange change = room->Leave(seat, Now());
    if (!change.errorCode.isEmpty()) {
        Error(connection, change.errorCode, change.problem, code);
        return;
    }
    for (TClientConnection* holder : findChildren<TClientConnection*>(Qt::FindDirectChildrenOnly))
        if (holder->Holds(code, seat))
            holder->seats[code].remove(net::SeatIndex(seat));
    Commit(*room, std::move(change), &connection);
}

void TOnlineServer::OnWatch(TClientConnection& connection, const net::TWatch& watch)
{
    TGameRoom* room = Room(connection, watch.game);
    if (!room)
        return;
    const QString code = room->Code();
    QPointer<TClientConnection> requester(&connection);
    _store.Write({}, [this, requester, code, after = watch.after](bool) {
        const auto room = _rooms.value(code);
        if (!TClientConnection::Reachable(requester) || !room)
            return;
        requester->watching.insert(code);
        SendGame(*requester, *room, after);
        _members[code].insert(requester.data());
        AnnounceWatchers(code);
    });
}

void TOnlineServer::OnMove(TClientConnection& connection, const net::TMove& move)
{
    TGameRoom* room = Room(connection, move.game);
    if (!room)
        return;
    const QString code = room->Code();
    const auto held = connection.seats.value(code);
    if (held.isEmpty()) {
        connection.Send(net::RefusedMessage(code, move.id, QStringLiteral("you hold no seat in this game")));
        return;
    }
    // A move resent after a reconnect is answered with the event it made.
    for (const int index : held)
        if (const auto played = room->PlayedMove(net::SeatAt(index), move.id)) {
            AnswerAgain(connection, code, *played);
            return;
        }
    // The seat to move if it is held here; otherwise any seat held, which the game refuses with the reason.
    net::TSeat seat = net::SeatAt(*held.cbegin());
    if (const auto toMove = room->SeatToMove(); toMove && connection.Holds(code, *toMove))
        seat = *toMove;
    auto quota = connection.quotas.find(code);
    const TMs credit = quota != connection.quotas.end() ? quota->second.Credit(connection.roundTripMs) : 0;
    TRoomChange change = room->Move(seat, move.id, move.move, Now(), credit);
    if (change.repeatOf) {
        AnswerAgain(connection, code, *change.repeatOf);
        return;
    }
    if (change.refused()) {
        _log.Info(QStringLiteral("connection %1 refused: game %2, move %3: %4")
                      .arg(connection.Number())
                      .arg(code, move.id, change.problem));
        connection.Send(net::RefusedMessage(code, move.id, change.problem));
    }
    Commit(*room, std::move(change), &connection);
}

void TOnlineServer::AnswerAgain(TClientConnection& connection, const QString& code, qint64 seq)
{
    // Behind everything the store was given before, like the events a rejoin
    // asked for: the answer never overtakes an event the client has not had.
    QPointer<TClientConnection> requester(&connection);
    _store.Write({}, [this, requester, code, seq](bool) {
        const auto room = _rooms.value(code);
        if (TClientConnection::Reachable(requester) && room && seq <= _committed.value(code) &&
            seq <= room->Seq())
            requester->Send(room->Events()[static_cast<std::size_t>(seq - 1)]);
    });
}
