#pragma once
// Another program as the computer player: it is started with QProcess and
// spoken to in the engine protocol, one line at a time, without ever holding
// up the window. It is asked for a move when the board says one is due and
// the move it answers is played on the board like any other.

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <chrono>
#include <string>
#include <vector>

#include "veltanbrdKernel.h"

/// One engine program in conversation with the board.
///
/// Off (no program), Greeting (`vep` sent), Readying (`isready` sent), Idle,
/// Thinking (one `go` outstanding) or Stopping (`stop` sent, its `bestmove`
/// awaited). Every wait has a deadline; a program that is not there, misses
/// one, ends, refuses the game it is sent or answers a move the board refuses
/// is dropped and Failed is raised once. A game whose history does not
/// replay from its start is never sent: the program is dropped the same way.
class TExternalEngine : public QObject {
    Q_OBJECT

public:
    /// Time a program gets beyond its own to answer.
    static constexpr std::chrono::milliseconds Grace{5000};
    /// Longest line read from a program; a longer one ends the conversation.
    static constexpr qsizetype MaxLineLength = 8192;

    /// An engine for this board; nothing runs until Start.
    explicit TExternalEngine(TVeltanBrdKernel& board, QObject* parent = nullptr);
    ~TExternalEngine() override;
    TExternalEngine(const TExternalEngine&) = delete;
    TExternalEngine& operator=(const TExternalEngine&) = delete;

    /// True when `program` is an absolute path to an executable file that is there.
    static bool CanRun(const QString& program);
    /// The name a message gives the program: its file name.
    static QString NameOf(const QString& program);

    /// Ends any program running and starts this one; its greeting follows
    /// asynchronously, or Failed from the event loop when it cannot run.
    void Start(const QString& program);
    /// Ends the program (`stop`, `quit`, then killed if it lingers); Failed is not raised.
    void Shutdown();
    /// True from Start until Shutdown or a failure.
    bool Running() const { return _state != TState::Off; }
    /// True while a `go` is outstanding.
    bool Thinking() const { return _state == TState::Thinking; }
    /// The program last given to Start.
    const QString& Program() const { return _program; }
    /// While a `go` is outstanding: the depth and first move of the program's
    /// last sound `info` line for it (none before the first), and the time
    /// since the `go`. Not running otherwise.
    TThinkingProgress Progress() const;

    /// The board says the computer is to move: a `go` for the position shown,
    /// unless one for it is already outstanding. Safe to call again and again.
    void MoveDue();
    /// What was asked for is no longer wanted: `stop`, and its answer is dropped.
    void Cancel();
    /// The program is to play its best move so far: `stop`, and its answer is
    /// played with the same checks as any. False when no `go` is outstanding.
    bool MoveNow();

signals:
    /// The program is gone; the message says why and that the built-in engine plays, for the user.
    void Failed(const QString& message);

private:
    enum class TState { Off, Greeting, Readying, Idle, Thinking, Stopping };

    void ReadOutput();
    void HandleLine(const QByteArray& line);
    void HandleBestMove(const QByteArray& word);
    void HandleInfo(const QByteArray& line);
    void ProcessError(QProcess::ProcessError error);
    void ProcessFinished();
    void DeadlinePassed();
    void Send(const std::string& line);
    void Enter(TState state, std::chrono::milliseconds wait);
    void Fail(const QString& why);
    void GiveWay(const QString& message);
    QString Message(const QString& why) const;
    static QString BuiltInPlaysText();
    void PlayMove(Square from, Square to, char promotion);
    bool MoveWanted() const;
    bool AskedPositionShown() const;
    std::string PositionCommand(const std::vector<std::string>& moves) const;
    std::string GoCommand(std::chrono::milliseconds& time) const;
    QString ProgramName() const;

    TVeltanBrdKernel& _board;
    QProcess _process;
    QTimer _deadline;
    QByteArray _pending;
    QString _program;
    TState _state = TState::Off;
    // A move was asked for while the program could not take a `go` yet.
    bool _moveWaiting = false;
    // The engine's own move is being played: the board's checks must not ask again meanwhile.
    bool _playing = false;
    // The position the outstanding `go` is about.
    int _askedMove = -1;
    std::string _askedPosition;
    bool _askedWhite = true;
    char _askedPlayer = '1';
    // When the outstanding `go` was sent, and what the program has reported on it.
    std::chrono::steady_clock::time_point _askedAt;
    TThinkingProgress _reported;
    // `stop` has been sent for the outstanding `go`: a second one could meet an idle program.
    bool _stopSent = false;
};
