#pragma once
// The load generator: many games at once in this one process, each seat on a
// connection of its own, every game making about one move a second, for a
// fixed time; it measures how long each move takes to come back as an event.

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include "botOptions.h"
#include "botPlayer.h"
#include "latencyStats.h"

/// A load run of options.load games for options.durationSeconds.
class TLoadRun : public QObject {
    Q_OBJECT

public:
    /// A run with the options' server, settings, seed and numbers; nothing happens before Start.
    explicit TLoadRun(const TBotOptions& options, QObject* parent = nullptr);

    /// Starts every game.
    void Start();
    /// The figures of the run so far: moves, moves a second, latencies, games, failures.
    QString Report() const;
    /// True when no bot met a protocol problem.
    bool Clean() const { return failures_ == 0; }

signals:
    /// The time is up and every connection is closed.
    void Done();

private:
    /// Milliseconds between the moves of a game.
    int Pace() const;
    void StartGame(int slot);
    void JoinGame(int slot, const QString& game);
    TBotPlayer* NewPlayer(int slot, const TBotPlan& plan);
    void EndGame(int slot);
    void Finish();

    TBotOptions options_;
    QList<QList<TBotPlayer*>> slots_; ///< the players of each game at once, children of this run
    TLatencyStats latencies_;
    QTimer deadline_;
    QElapsedTimer clock_;
    int playersMade_ = 0;
    int gamesEnded_ = 0;
    int failures_ = 0;
    bool finished_ = false;
};
