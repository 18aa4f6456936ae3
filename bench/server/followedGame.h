#pragma once
// A game the benchmarks play on a real server: seats on connections of their
// own, watchers beside them, and a referee board of the benchmark's own that
// follows every event so the next move is always a legal one.

#include <QJsonObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "onlineSettings.h"
#include "refereeGame.h"
#include "testClient.h"

class TVeltanBrdKernel;

/// A legal move of the board's player to move, a quiet one when there is one so
/// that games last, picked by `seed` and the move number; nothing when none.
std::optional<TProtocolMove> LastingMove(const TVeltanBrdKernel& board, unsigned seed);

class TFollowedGame {
public:
    /// Opens a game with `settings` on the server at `url`: one connection a
    /// seat, `watchers` more that watch, every snapshot taken, the game started.
    TFollowedGame(const QUrl& url, const net::TOnlineSettings& settings, int watchers);
    ~TFollowedGame();
    /// False when the game could not be set up (the reason in Problem).
    bool Ready() const { return _problem.empty(); }
    const std::string& Problem() const { return _problem; }

    /// Finds the next legal move of the seat to move (outside what is timed).
    void ChooseMove();
    /// Sends the move found by ChooseMove (or finds one first); the move's text.
    std::string SendMove();
    /// Waits until every connection has the event of the last move sent;
    /// false when one did not within the wait.
    bool AllSeeTheMove();
    /// The game's code.
    const QString& Code() const { return _code; }
    /// The game is over (no move to send).
    bool Over() const;

private:
    std::vector<std::unique_ptr<TTestClient>> _seats; // White's first, then Black's
    std::vector<std::unique_ptr<TTestClient>> _watchers;
    std::unique_ptr<TVeltanBrdKernel> _board;
    net::TOnlineSettings _settings;
    QString _code;
    std::string _problem;
    int _sent = 0;
    std::optional<TProtocolMove> _chosen;
};
