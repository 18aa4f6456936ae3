#pragma once
// One online game as the server tells it, followed on a board of its own: the
// kernel, through the referee, replays every move of a snapshot or an event,
// so a move the rules refuse is caught as a hostile answer rather than shown.
// Moves made here sit on top of the server's until it answers them.

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "onlineGameParts.h"
#include "serverFrames.h"

class TVeltanBrdKernel;

namespace net {

/// How a frame fitted the game followed.
enum class TEventFit {
    Applied, ///< the game moved on
    Seen,    ///< an event already followed (a repeat after a rejoin)
    Gap,     ///< events before it are missing: catch up first
    Wrong,   ///< it contradicts the rules or the game: see the problem
};

/// What following a frame changed, for the window.
struct TGameChange {
    TEventFit fit = TEventFit::Applied;
    QString problem;                      ///< why it is Wrong
    std::optional<TPlayedMove> arrived;   ///< a move made elsewhere, now the last of Moves()
    std::optional<TPendingMove> answered; ///< a move made here that the server played
    bool boardReset = false;              ///< the board was set up anew: redraw it whole
};

/// The game followed, with the moves made here not yet answered on top.
class TFollowedGame {
public:
    TFollowedGame();
    ~TFollowedGame();
    TFollowedGame(const TFollowedGame&) = delete;
    TFollowedGame& operator=(const TFollowedGame&) = delete;

    /// Takes the game of a snapshot; moves made here stay pending on top where they fit.
    TGameChange Follow(const TSnapshot& snapshot);
    /// Applies the next event of the game.
    TGameChange Follow(const TEvent& event);
    /// Plays a move made here on the board at once and keeps it pending; what
    /// is wrong with it when the board's rules or turn do not allow it.
    QString MakeMove(const TPendingMove& move);
    /// Takes a pending move off the board (the server refused it); nothing when no such move is pending.
    std::optional<TPendingMove> TakeBack(const QString& id);
    /// Puts moves made here before a restart back on top, pending, where they fit.
    void RestorePending(const std::vector<TPendingMove>& moves);
    /// Marks a seat as held, or no longer held, by this window.
    void SetHeld(TSeat seat, bool held);
    /// The number of watchers the server last told.
    void SetWatchers(int count) { watchers_ = count; }
    /// Adds a chat line; the oldest go once there are many.
    void AddChat(const TChatLine& line);

    /// True once a snapshot was followed.
    bool HasGame() const { return !code_.isEmpty(); }
    /// The game's code, in capitals.
    QString Code() const { return code_; }
    /// The number of the last event followed (0: none yet).
    qint64 Seq() const { return seq_; }
    const TOnlineSettings& Settings() const { return settings_; }
    /// Every seat of the game, White's first.
    const std::vector<TSeatView>& Seats() const { return seats_; }
    /// The clocks as last told, with their receipt time.
    const TClocks& Clocks() const { return clocks_; }
    /// The seat the server has to move (nothing before the start and after the end) and its moves left.
    std::optional<TSeat> ToMove() const { return toMove_; }
    int MovesLeft() const { return movesLeft_; }
    /// Waiting, running, paused or ended, as the server says.
    TGameState State() const { return state_; }
    /// Why the game is paused: "agreed", "absent" or "restart".
    QString PauseReason() const { return pauseReason_; }
    /// How the game ended; empty texts before the end.
    const TEnding& Ending() const { return ending_; }
    /// The team whose draw offer stands (true: White).
    std::optional<bool> DrawOfferWhite() const { return drawOfferWhite_; }
    /// The teams that asked to start, to pause or to continue, until that happens.
    TAsked AskedStart() const { return askedStart_; }
    TAsked AskedPause() const { return askedPause_; }
    TAsked AskedContinue() const { return askedContinue_; }
    /// How many watch the game.
    int Watchers() const { return watchers_; }
    /// The chat lines this window may see, oldest first.
    const QList<TChatLine>& Chat() const { return chat_; }
    /// The server's moves, first move first.
    const std::vector<TPlayedMove>& Moves() const { return moves_; }
    /// Moves made here not yet answered, oldest first.
    const std::vector<TPendingMove>& Pending() const { return pending_; }
    /// The board as shown: the server's moves, then the pending ones that fit.
    const TVeltanBrdKernel& Board() const { return *board_; }
    /// The seat to move on the board as shown; nothing once its game is over.
    std::optional<TSeat> BoardMover() const;

private:
    TGameChange FollowMove(const TEvent& event);
    // Sets the board up from the settings and replays the server's moves,
    // and the pending ones that still fit when `withPending`.
    QString Rebuild(bool withPending);
    QString CheckMover(std::optional<TSeat> told, const char* where) const;
    QString CheckEnding() const;
    void SetSeat(TSeat seat, const QString& name, bool connected);
    bool Held(TSeat seat) const;

    std::unique_ptr<TVeltanBrdKernel> board_;
    QString code_;
    qint64 seq_ = 0;
    TOnlineSettings settings_;
    std::vector<TSeatView> seats_;
    std::vector<TPlayedMove> moves_;
    std::vector<TPendingMove> pending_;
    std::vector<TSeat> held_;
    TClocks clocks_;
    std::optional<TSeat> toMove_;
    int movesLeft_ = 0;
    TGameState state_ = TGameState::Waiting;
    QString pauseReason_;
    TEnding ending_;
    std::optional<bool> drawOfferWhite_;
    TAsked askedStart_, askedPause_, askedContinue_;
    int watchers_ = 0;
    QList<TChatLine> chat_;
};

} // namespace net
