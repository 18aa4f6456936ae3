#pragma once
// The pieces of an online game as the server tells them: seats, clocks,
// moves, chat lines and the ending, as plain values the window can show.

#include <QString>
#include <QtGlobal>
#include <optional>

#include "moveText.h"
#include "seat.h"

namespace net {

/// Milliseconds on a monotonic clock: the clocks' receipt and the time away
/// are told in it, so that a change of the computer's time changes neither.
qint64 MonotonicNowMs();

/// Where a game stands.
enum class TGameState { Waiting, Running, Paused, Ended };

/// One seat of the game.
struct TSeatView {
    TSeat seat;
    QString name;           ///< "" for a free seat
    bool connected = false; ///< its holder is connected to the server now
    bool heldHere = false;  ///< this window holds it
    friend bool operator==(const TSeatView&, const TSeatView&) = default;
};

/// Both clocks as the server counted them, and when this program heard so.
/// The window counts the running clock down from `receivedAtMs`; it never ends
/// a game on time itself: the server does.
struct TClocks {
    qint64 whiteMs = 0;
    qint64 blackMs = 0;
    std::optional<bool> runningWhite; ///< the team whose clock runs; nothing when none does
    qint64 receivedAtMs = 0;          ///< MonotonicNowMs() at receipt
    /// A team's time left at monotonic time `nowMs`, never below zero.
    qint64 LeftMs(bool white, qint64 nowMs) const;
    friend bool operator==(const TClocks&, const TClocks&) = default;
};

/// A move of the game, as the server played it.
struct TPlayedMove {
    TProtocolMove move;
    qint64 clockMs = 0; ///< the mover's team's time left after it
};

/// A move made here that the server has not answered yet.
struct TPendingMove {
    QString id;
    TSeat seat;
    TProtocolMove move;
};

/// A chat line.
struct TChatLine {
    TSeat from;
    QString name;
    bool toTeam = false; ///< seen only by the team of `from`
    QString text;
    qint64 atMs = 0; ///< the server's time, ms since 1970
};

/// How a game ended.
struct TEnding {
    QString result;  ///< "white", "black", "draw" or "aborted"
    QString reason;  ///< "kings", "time", "resigned", ...
    QString message; ///< the sentence the game shows
};

/// The teams that asked for something not yet done (start, pause, continue).
struct TAsked {
    bool white = false;
    bool black = false;
};

} // namespace net
