#pragma once
// One online game on the server: its settings, the kernel refereeing its
// moves, the seats and their holders, the clocks and the numbered events
// everyone sees. Every change is an event, and every event changes the game
// through Apply, whether it happens now or is read back after a restart, so
// a game read back is the game that was played.

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "clientMessage.h"
#include "fairPlay.h"
#include "gameStore.h"
#include "onlineSettings.h"
#include "seat.h"

class TVeltanBrdKernel;

/// Where a game stands.
enum class TRoomState { Waiting, Running, Paused, Ended };

/// What an operation did: the events it made (numbered, in order, each also a
/// store write), other store writes, or why it was refused.
struct TRoomChange {
    std::vector<QJsonObject> events;
    std::vector<TStoreWrite> writes;
    QString errorCode; ///< empty unless refused with an `error`
    QString problem;   ///< the reason of an error or of a refused move
    /// An earlier event answers a resent move again (its seq), nothing new happened.
    std::optional<qint64> repeatOf;
    bool refused() const { return !problem.isEmpty(); }
};

class TGameRoom {
public:
    /// A new game, waiting for its players.
    TGameRoom(const QString& code, const net::TOnlineSettings& settings, const QByteArray& hostTokenHash);
    ~TGameRoom();
    TGameRoom(const TGameRoom&) = delete;
    TGameRoom& operator=(const TGameRoom&) = delete;

    /// A game read back from the store, its events applied in order; a game
    /// that was running comes back paused with the clocks of its last event
    /// (that pause is in `recovery`). Nothing when the stored game does not
    /// replay (the reason in `problem`).
    static std::unique_ptr<TGameRoom> Restore(const TStoredGame& stored, TMs now, TRoomChange& recovery,
                                              QString& problem, bool pauseIfRunning = true);
    /// Milliseconds since the epoch, stamped on every event as `at`; a test may set its own.
    std::function<qint64()> wallClock;
    /// Applies an event another process stored; false (with the reason) when
    /// it does not follow the last event or its move does not replay.
    bool Follow(const QJsonObject& event, TMs now, QString& problem);

    const QString& Code() const { return _code; }
    const net::TOnlineSettings& Settings() const { return _settings; }
    TRoomState State() const { return _state; }
    /// The last event's number (0 before the first).
    qint64 Seq() const { return _seq; }
    /// Events 1..Seq(), each as sent.
    const std::vector<QJsonObject>& Events() const { return _events; }
    /// Seats the game has (playersPerTeam of each team).
    bool HasSeat(net::TSeat seat) const;
    /// The seat whose player is to move; nothing unless the game runs.
    std::optional<net::TSeat> SeatToMove() const;
    /// The seat whose token hashes to `tokenHash`, compared in constant time.
    std::optional<net::TSeat> SeatOfToken(const QByteArray& tokenHash) const;
    bool IsHostToken(const QByteArray& tokenHash) const;
    /// Is the seat held by someone (connected or not).
    bool SeatTaken(net::TSeat seat) const;
    bool SeatConnected(net::TSeat seat) const;
    /// The smaller of the two teams' starting times: the share of lag a connection may be forgiven is taken
    /// from it.
    TMs TimeControlMs() const;

    /// `join`: takes a free seat for `name`, its token stored as `tokenHash`.
    TRoomChange Take(net::TSeat seat, const QString& name, const QByteArray& tokenHash, TMs now);
    /// `leave` by its holder, or `free` by the host of a seat whose holder is gone.
    TRoomChange Leave(net::TSeat seat, TMs now);
    /// A seat's holder connected or went away.
    TRoomChange SetConnected(net::TSeat seat, bool connected, TMs now);
    /// A team command from a holder of a seat of team `white`; `host` when the host sends it.
    TRoomChange Command(net::TTeamCommand command, bool white, bool host, TMs now);
    /// A move by the holder of `seat`, `creditMs` of its delay forgiven as lag.
    TRoomChange Move(net::TSeat seat, const QString& id, const TProtocolMove& move, TMs now, TMs creditMs);
    /// The event of a move `seat` already played under `id`.
    std::optional<qint64> PlayedMove(net::TSeat seat, const QString& id) const;
    /// Flags and absences due at `now`.
    TRoomChange Tick(TMs now);
    /// The next instant Tick may have something to do; nothing while none is due.
    std::optional<TMs> NextDeadline(TMs now) const;

    /// `snapshot` as of the last event: settings, seats, moves, clocks at `now`, state.
    QJsonObject Snapshot(TMs now) const;
    /// The events after `after` (none when `after` is at or past the last).
    std::vector<QJsonObject> EventsAfter(qint64 after) const;

private:
    struct TSeatState {
        QString name;
        QByteArray tokenHash; ///< empty: the seat is free
        bool connected = false;
    };

    /// Numbers an event, applies it, and records it in `change`.
    void Emit(QJsonObject event, TMs now, TRoomChange& change);
    /// Changes the game as the event says. `boardDone`: a move already made on the board.
    void Apply(const QJsonObject& event, TMs now, bool boardDone);
    /// `now` moved back by the time since the event was stamped, so a clock
    /// read back runs from when the event happened, not from when it was read.
    TMs WhenStamped(const QJsonObject& event, TMs now) const;
    void ApplyMove(const QJsonObject& event, bool boardDone);
    QJsonObject ClocksJson(TMs now) const;
    QJsonObject TurnFields(TMs now) const;
    void StartBoard();
    /// The seat of the player whose turn the board holds, whether or not the game runs.
    net::TSeat BoardTurnSeat() const;
    /// Ends the game if the kernel reached an ending with the last move.
    void EndIfOver(TMs now, TRoomChange& change);
    /// The clock of the team to move runs again.
    void Resume(TMs now, TRoomChange& change);
    void End(const QString& result, const QString& reason, const QString& message, TMs now,
             TRoomChange& change);
    bool TeamPresent(bool white) const;
    void NoteAbsence(TMs now);
    TRoomChange Asked(const QString& kind, bool white, TMs now);

    QString _code;
    net::TOnlineSettings _settings;
    QByteArray _hostTokenHash;
    std::unique_ptr<TVeltanBrdKernel> _board;
    TTeamClocks _clocks;
    std::array<TSeatState, net::MaxSeats> _seats;
    TRoomState _state = TRoomState::Waiting;
    QString _pauseReason;
    qint64 _seq = 0;
    std::vector<QJsonObject> _events;
    std::vector<QJsonObject> _moves; ///< the snapshot's move records
    // Teams that asked to start, pause or continue: [Black, White].
    std::array<bool, 2> _askedStart{}, _askedPause{}, _askedContinue{};
    std::optional<bool> _drawOfferedBy; ///< the team whose draw offer stands
    std::array<std::optional<TMs>, 2> _absentSince{};
    QJsonObject _ending;
    QHash<QString, qint64> _moveIds; ///< "seat/id" of every move played, to its event
    QString _replayProblem;          ///< why a stored move did not replay
};
