// Between the games and the connections: a game's decisions are stored, then
// told; its deadlines armed; newcomers brought up to date.

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "gameCode.h"
#include "onlineServer.h"
#include "serverMessages.h"

TGameRoom* TOnlineServer::Room(TClientConnection& connection, const QString& code)
{
    const QString normal = net::NormalGameCode(code);
    const auto room = _rooms.value(normal);
    if (room)
        return room.get();
    // Another process may have created it: read it, then handle the request again.
    if (const std::function<void()> retry = Retry(); _store.Shared() && retry) {
        QPointer<TClientConnection> asking(&connection);
        LoadThen(normal, [this, retry, asking, code](bool found) {
            if (found)
                retry();
            else if (TClientConnection::Reachable(asking))
                Error(*asking, QStringLiteral("no-game"),
                      QStringLiteral("there is no game %1 on this server").arg(code), code);
        });
        return nullptr;
    }
    Error(connection, QStringLiteral("no-game"),
          QStringLiteral("there is no game %1 on this server").arg(code), code);
    return nullptr;
}

QString TOnlineServer::NewCode()
{
    QString code;
    do
        code = net::NewGameCode(*QRandomGenerator::system());
    while (_rooms.contains(code));
    return code;
}

void TOnlineServer::Commit(TGameRoom& room, TRoomChange change, QPointer<TClientConnection> requester,
                           std::function<void()> then)
{
    Rearm(room);
    const QString code = room.Code();
    if (change.writes.empty() && change.events.empty()) {
        if (then)
            then();
        return;
    }
    std::vector<QJsonObject> events = std::move(change.events);
    // Any process may have to end or pause this game when its time comes.
    if (_store.Shared() && !events.empty()) {
        const std::optional<TMs> deadline = room.NextDeadline(Now());
        change.writes.emplace_back(TGameDue{
            code, deadline ? std::optional<qint64>(std::max<TMs>(0, *deadline - Now())) : std::nullopt});
    }
    _store.Append(std::move(change.writes), [this, code, events = std::move(events), requester,
                                             then = std::move(then), retry = Retry()](TWriteOutcome outcome) {
        if (outcome == TWriteOutcome::Conflict) {
            // Another process stored its event first: read the game back and
            // handle the request again on what really happened.
            Resync(code, retry);
            return;
        }
        if (outcome == TWriteOutcome::Failed) {
            _log.Problem(QStringLiteral("game %1: the database refused a write").arg(code));
            // What the game did in memory was not kept: it goes back to what is stored.
            Resync(code, {});
            if (TClientConnection::Reachable(requester))
                Error(*requester, QStringLiteral("server"),
                      QStringLiteral("the server could not store this; try again later"), code);
            return;
        }
        for (const QJsonObject& event : events) {
            if (event.value(QStringLiteral("kind")).toString() == QLatin1String("ended"))
                _log.Info(QStringLiteral("game %1 ended: %2")
                              .arg(code, event.value(QStringLiteral("message")).toString()));
            _committed[code] =
                std::max(_committed.value(code), event.value(QStringLiteral("seq")).toInteger());
            Broadcast(code, event);
        }
        if (then)
            then();
    });
}

void TOnlineServer::Broadcast(const QString& game, const QJsonObject& message)
{
    const QByteArray frame = net::FrameText(message);
    const QString text = QString::fromUtf8(frame);
    for (TClientConnection* member : std::as_const(_members[game]))
        if (member->Socket().state() == QAbstractSocket::ConnectedState)
            member->Socket().sendTextMessage(text);
}

void TOnlineServer::SendGame(TClientConnection& connection, TGameRoom& room, std::optional<qint64> after)
{
    const QString code = room.Code();
    if (after && *after <= room.Seq()) {
        // Exactly what was missed: the stored events after `after`; later
        // ones follow as they are stored.
        const qint64 committed = _committed.value(code);
        for (const QJsonObject& event : room.EventsAfter(*after))
            if (event.value(QStringLiteral("seq")).toInteger() <= committed)
                connection.Send(event);
        return;
    }
    QJsonObject snapshot = room.Snapshot(Now());
    snapshot.insert(QStringLiteral("host"), connection.hosting.contains(code));
    snapshot.insert(QStringLiteral("watchers"), WatcherCount(code));
    QJsonArray chat;
    for (const QJsonObject& line : std::as_const(_chat[code])) {
        const bool teamOnly = line.value(QStringLiteral("to")).toString() == QLatin1String("team");
        const auto from = net::ReadSeat(line.value(QStringLiteral("from")).toString());
        if (!teamOnly || (from && connection.HoldsTeam(code, from->white)))
            chat.append(line);
    }
    snapshot.insert(QStringLiteral("chat"), chat);
    connection.Send(snapshot);
}

void TOnlineServer::Rearm(TGameRoom& room)
{
    const QString code = room.Code();
    const std::optional<TMs> deadline = room.NextDeadline(Now());
    QTimer* timer = _deadlines.value(code);
    if (!deadline) {
        if (timer)
            timer->stop();
        return;
    }
    if (!timer) {
        timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, code] { Tick(code); });
        _deadlines.insert(code, timer);
    }
    timer->start(static_cast<int>(std::clamp<TMs>(*deadline - Now(), 0, std::numeric_limits<int>::max())));
}

void TOnlineServer::Tick(const QString& code)
{
    if (const auto room = _rooms.value(code))
        Commit(*room, room->Tick(Now()), nullptr);
}

void TOnlineServer::AnnounceWatchers(const QString& game)
{
    Broadcast(game, QJsonObject{{QStringLiteral("type"), QStringLiteral("watchers")},
                                {QStringLiteral("game"), game},
                                {QStringLiteral("count"), WatcherCount(game)}});
}

int TOnlineServer::WatcherCount(const QString& game) const
{
    int watchers = 0;
    for (const TClientConnection* member : _members.value(game))
        watchers += member->watching.contains(game) ? 1 : 0;
    return watchers;
}
