// Several processes serving one database. Each holds the games its clients
// play in memory, but the database has the last word: an event is appended
// only when it follows the last one stored, and a process that finds it was
// not the first reads the game back and tries again. Events others stored
// reach this process's clients as they are read, woken by a notice.

#include <QJsonArray>

#include "onlineServer.h"
#include "storeListener.h"

namespace {

// How often a process looks for events it was not told of, and for flags
// and pauses due in games nobody else is watching.
constexpr int FollowIntervalMs = 1'000;
constexpr int SweepIntervalMs = 1'000;

} // namespace

void TOnlineServer::StartSharing()
{
    auto* listener = new TStoreListener(_store.Database(), this);
    connect(listener, &TStoreListener::stored, this, &TOnlineServer::FollowStored);
    connect(listener, &TStoreListener::listening, this, [this] {
        _log.Info(QStringLiteral("listening for other processes' events"));
        FollowAll();
    });
    connect(listener, &TStoreListener::lost, this, [this](const QString& why) {
        _log.Problem(QStringLiteral("the database's notices are lost for now: %1").arg(why));
    });
    _follow.setInterval(FollowIntervalMs);
    connect(&_follow, &QTimer::timeout, this, &TOnlineServer::FollowAll);
    _follow.start();
    _sweep.setInterval(SweepIntervalMs);
    connect(&_sweep, &QTimer::timeout, this, &TOnlineServer::Sweep);
    _sweep.start();
}

std::function<void()> TOnlineServer::Retry() const
{
    constexpr int MostAttempts = 3;
    return _currentAttempt < MostAttempts ? _currentRequest : std::function<void()>{};
}

void TOnlineServer::Dispatch(QPointer<TClientConnection> connection, const net::TClientMessage& message,
                             int attempt)
{
    if (!TClientConnection::Reachable(connection))
        return;
    const std::function<void()> before = std::exchange(_currentRequest, [this, connection, message, attempt] {
        Dispatch(connection, message, attempt + 1);
    });
    const int attemptBefore = std::exchange(_currentAttempt, attempt);
    Handle(*connection, message);
    _currentRequest = before;
    _currentAttempt = attemptBefore;
}

void TOnlineServer::LoadThen(const QString& code, std::function<void(bool found)> then)
{
    _store.LoadGame(code, [this, code, then = std::move(then)](std::optional<TStoredGame> stored) {
        if (!_rooms.contains(code) && stored) {
            TRoomChange none;
            QString problem;
            std::unique_ptr<TGameRoom> room = TGameRoom::Restore(*stored, Now(), none, problem, false);
            if (!room) {
                _log.Problem(QStringLiteral("game %1 cannot be read: %2").arg(code, problem));
            } else {
                _committed.insert(code, room->Seq());
                for (const QJsonObject& line : stored->chat)
                    _chat[code].append(line);
                _rooms.insert(code, std::shared_ptr<TGameRoom>(std::move(room)));
                Rearm(*_rooms.value(code));
            }
        }
        then(_rooms.contains(code));
    });
}

void TOnlineServer::Resync(const QString& code, std::function<void()> then)
{
    const bool already = _resyncing.contains(code);
    _resyncing[code].push_back(std::move(then));
    if (already)
        return;
    _log.Detail(QStringLiteral("game %1: another process wrote first; reading it back").arg(code));
    _store.LoadGame(code, [this, code](std::optional<TStoredGame> stored) {
        TRoomChange none;
        QString problem;
        std::unique_ptr<TGameRoom> room =
            stored ? TGameRoom::Restore(*stored, Now(), none, problem, false) : nullptr;
        if (room) {
            // This process's clients hear of what the others stored, from the
            // last event they were sent.
            const qint64 told = _committed.value(code);
            for (const QJsonObject& event : room->EventsAfter(told))
                Broadcast(code, event);
            _committed.insert(code, room->Seq());
            _rooms.insert(code, std::shared_ptr<TGameRoom>(std::move(room)));
            Rearm(*_rooms.value(code));
        } else {
            _log.Problem(QStringLiteral("game %1 cannot be read back: %2").arg(code, problem));
        }
        for (const auto& waiting : _resyncing.take(code))
            if (waiting)
                waiting();
    });
}

void TOnlineServer::FollowStored(const QString& code, qint64 seq)
{
    const auto room = _rooms.value(code);
    // A game nobody here plays is read when someone asks for it; one with
    // writes of its own on the way is read back if they lose.
    if (!room || _resyncing.contains(code) || room->Seq() != _committed.value(code) || room->Seq() >= seq)
        return;
    _store.EventsAfter(code, room->Seq(), [this, code, room](std::vector<QJsonObject> events) {
        if (_rooms.value(code) != room)
            return;
        for (const QJsonObject& event : events) {
            if (room->Seq() != _committed.value(code))
                return; // a write of this process's own came between
            QString problem;
            if (!room->Follow(event, Now(), problem)) {
                if (event.value(QStringLiteral("seq")).toInteger() > room->Seq())
                    Resync(code, {});
                return;
            }
            _committed.insert(code, room->Seq());
            Broadcast(code, event);
        }
        Rearm(*room);
    });
}

void TOnlineServer::FollowAll()
{
    _store.LastEvents([this](QHash<QString, qint64> last) {
        for (auto game = last.cbegin(); game != last.cend(); ++game)
            FollowStored(game.key(), game.value());
    });
}

void TOnlineServer::Sweep()
{
    _store.DueGames([this](QStringList due) {
        for (const QString& code : due) {
            if (_rooms.contains(code))
                Tick(code);
            else
                LoadThen(code, [this, code](bool found) {
                    if (found)
                        Tick(code);
                });
        }
    });
}
