// What a game tells a newcomer (its snapshot, the events after a number) and
// how a stored game is read back: its events applied in order, as they were
// when they happened.

#include "gameRoom.h"

#include <QJsonArray>

#include "veltanbrdKernel.h"

namespace {

QString StateName(TRoomState state)
{
    switch (state) {
    case TRoomState::Waiting:
        return QStringLiteral("waiting");
    case TRoomState::Running:
        return QStringLiteral("running");
    case TRoomState::Paused:
        return QStringLiteral("paused");
    case TRoomState::Ended:
        return QStringLiteral("ended");
    }
    return {};
}

QJsonArray TeamsAsked(const std::array<bool, 2>& asked)
{
    QJsonArray teams;
    for (const bool white : {true, false})
        if (asked[white ? 1 : 0])
            teams.append(net::TeamName(white));
    return teams;
}

} // namespace

QJsonObject TGameRoom::Snapshot(TMs now) const
{
    QJsonArray seats;
    for (const bool white : {true, false})
        for (int player = 1; player <= _settings.playersPerTeam; ++player) {
            const TSeatState& seat = _seats[net::SeatIndex({white, player})];
            seats.append(QJsonObject{{QStringLiteral("seat"), net::SeatName({white, player})},
                                     {QStringLiteral("name"), seat.name},
                                     {QStringLiteral("connected"), seat.connected}});
        }
    QJsonArray moves;
    for (const QJsonObject& move : _moves)
        moves.append(move);
    QJsonObject snapshot = TurnFields(now);
    snapshot.insert(QStringLiteral("type"), QStringLiteral("snapshot"));
    snapshot.insert(QStringLiteral("game"), _code);
    snapshot.insert(QStringLiteral("seq"), _seq);
    snapshot.insert(QStringLiteral("settings"), net::SettingsJson(_settings));
    snapshot.insert(QStringLiteral("seats"), seats);
    snapshot.insert(QStringLiteral("moves"), moves);
    snapshot.insert(QStringLiteral("state"), StateName(_state));
    if (_state == TRoomState::Paused)
        snapshot.insert(QStringLiteral("pauseReason"), _pauseReason);
    if (_state == TRoomState::Ended)
        snapshot.insert(QStringLiteral("ending"), _ending);
    snapshot.insert(QStringLiteral("drawOffer"), _drawOfferedBy ? QJsonValue(net::TeamName(*_drawOfferedBy))
                                                                : QJsonValue(QJsonValue::Null));
    snapshot.insert(QStringLiteral("asked"),
                    QJsonObject{{QStringLiteral("start"), TeamsAsked(_askedStart)},
                                {QStringLiteral("pause"), TeamsAsked(_askedPause)},
                                {QStringLiteral("continue"), TeamsAsked(_askedContinue)}});
    return snapshot;
}

std::vector<QJsonObject> TGameRoom::EventsAfter(qint64 after) const
{
    if (after < 0 || after >= _seq)
        return {};
    return {_events.begin() + after, _events.end()};
}

std::unique_ptr<TGameRoom> TGameRoom::Restore(const TStoredGame& stored, TMs now, TRoomChange& recovery,
                                              QString& problem, bool pauseIfRunning)
{
    const net::TSettingsReading settings = net::ReadSettings(stored.game.settings);
    if (!settings.settings) {
        problem = QStringLiteral("its settings: %1").arg(settings.problem);
        return nullptr;
    }
    auto room = std::make_unique<TGameRoom>(stored.game.code, *settings.settings, stored.game.hostTokenHash);
    for (const QJsonObject& event : stored.events) {
        if (event.value(QStringLiteral("seq")).toInteger() != room->_seq + 1) {
            problem = QStringLiteral("event %1 follows event %2")
                          .arg(event.value(QStringLiteral("seq")).toInteger())
                          .arg(room->_seq);
            return nullptr;
        }
        // A game read back to be paused keeps the clocks of its last event;
        // one that others go on serving runs its clock from when it happened.
        room->Apply(event, pauseIfRunning ? now : room->WhenStamped(event, now), false);
        if (!room->_replayProblem.isEmpty()) {
            problem = room->_replayProblem;
            return nullptr;
        }
    }
    for (const TSeatHolder& holder : stored.seats)
        if (holder.seat >= 0 && holder.seat < net::MaxSeats) {
            room->_seats[holder.seat].tokenHash = holder.tokenHash;
            room->_seats[holder.seat].name = holder.name;
        }
    // Nobody is connected to a server that just started; but when other
    // processes serve the game too, what they last said stands.
    if (pauseIfRunning)
        for (TSeatState& seat : room->_seats)
            seat.connected = false;
    room->NoteAbsence(now);
    if (pauseIfRunning && room->_state == TRoomState::Running) {
        room->_clocks.Stop(now);
        room->Emit({{QStringLiteral("kind"), QStringLiteral("paused")},
                    {QStringLiteral("reason"), QStringLiteral("restart")},
                    {QStringLiteral("clocks"), room->ClocksJson(now)},
                    {QStringLiteral("running"), QJsonValue::Null}},
                   now, recovery);
    }
    return room;
}

bool TGameRoom::Follow(const QJsonObject& event, TMs now, QString& problem)
{
    const qint64 seq = event.value(QStringLiteral("seq")).toInteger();
    if (seq != _seq + 1) {
        problem = QStringLiteral("event %1 follows event %2").arg(seq).arg(_seq);
        return false;
    }
    Apply(event, WhenStamped(event, now), false);
    if (!_replayProblem.isEmpty()) {
        problem = _replayProblem;
        return false;
    }
    return true;
}
