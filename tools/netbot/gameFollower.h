#pragma once
// A game followed from the server's snapshot and events: the bot's own board,
// on which the kernel (through the referee) replays every move, so the bot
// knows whose move it is without trusting the server, and notices when the
// server's account of the game departs from the rules.

#include <QJsonObject>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "onlineSettings.h"
#include "seat.h"

class TVeltanBrdKernel;

/// How an event fitted the game followed.
enum class TEventFit {
    Applied, ///< the next event: the game has moved on
    Seen,    ///< an event already followed (a repeat after a rejoin)
    Gap,     ///< events before it are missing: the game must be caught up first
    Wrong,   ///< it contradicts the rules or the game: see the problem
};

/// One game as the server tells it, checked move by move.
class TGameFollower {
public:
    TGameFollower();
    ~TGameFollower();
    TGameFollower(const TGameFollower&) = delete;
    TGameFollower& operator=(const TGameFollower&) = delete;

    /// Sets up the game of a snapshot: its settings, its moves replayed by the
    /// referee, its state. Returns what is wrong with it, or nothing.
    QString FollowSnapshot(const QJsonObject& snapshot);
    /// Applies the next event; `problem` says why for Wrong.
    TEventFit FollowEvent(const QJsonObject& event, QString& problem);

    /// True once a snapshot was followed.
    bool HasGame() const { return !game_.isEmpty(); }
    QString Game() const { return game_; }
    /// The number of the last event followed (0: none yet).
    qint64 Seq() const { return seq_; }
    /// "waiting", "running", "paused" or "ended".
    QString State() const { return state_; }
    /// The seat whose move it is on the bot's own board; nothing once the board's game is over.
    std::optional<net::TSeat> Mover() const;
    /// Moves made so far.
    int MovesPlayed() const;
    /// True when the team has asked for `what` ("start" or "continue") since that last happened.
    bool Asked(const QString& what, bool white) const;
    /// The board, for choosing a move.
    const TVeltanBrdKernel& Board() const { return *board_; }
    /// One line on the finished game: code, result, reason, moves and a digest of the final position.
    QString ResultLine() const;

private:
    QString StartBoard(const net::TOnlineSettings& settings);
    QString PlayMove(const QJsonObject& move, int number);
    QString CheckMover(const QJsonValue& toMove, const char* where) const;
    QString CheckEnding() const;
    void NoteAsked(const QJsonObject& asked);

    std::unique_ptr<TVeltanBrdKernel> board_;
    QString game_;
    qint64 seq_ = 0;
    QString state_;
    QJsonObject ending_;
    QSet<QString> asked_; ///< "start:white", "continue:black", ...
};

/// A short digest of a board's pieces and owners (FNV-1a, 8 hex digits): two
/// followers of one game print the same digest exactly when their boards agree.
QString PositionDigest(const TVeltanBrdKernel& board);
