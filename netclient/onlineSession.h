#pragma once
// The window's side of one online game: the game as the server tells it
// (followed on a refereed board), the seats this window holds and their
// tokens, and every command the window gives. The server decides; the session
// shows a move made here at once, sends it, and takes it back if refused. It
// rides out a dropped line by itself: reconnects, rejoins every seat held with
// its token, catches up on what it missed and sends again the moves the
// server never answered (the server plays a move id at most once).

#include <QList>
#include <QObject>
#include <QUrl>
#include <optional>

#include "clientMessage.h"
#include "followedGame.h"
#include "keptOnlineGame.h"
#include "onlineConnection.h"

namespace net {

/// A move asked for: its id when made and sent (or to be sent), otherwise why not.
struct TMoveRequest {
    QString id;
    QString problem;
};

/// One online game at one server, as seen from this window.
class TOnlineSession : public QObject {
    Q_OBJECT

public:
    explicit TOnlineSession(QObject* parent = nullptr);

    /// The line's timing (tests make it brisk); call before starting.
    void SetTiming(const TConnectionTiming& timing) { connection_.SetTiming(timing); }
    /// After every change of the game, writes it to `path` (see keptOnlineGame.h); empty: keeps nothing.
    void KeepIn(const QString& path) { keepPath_ = path; }

    // Starting: each opens the line to `server` as `name`; call one, once.

    /// Creates a game with these settings as its host, then takes `seats`.
    void Host(const QUrl& server, const QString& name, const TOnlineSettings& settings,
              const QList<TSeat>& seats);
    /// Takes `seats` of game `code`; with no seats, watches it.
    void Join(const QUrl& server, const QString& name, const QString& code, const QList<TSeat>& seats);
    /// Watches game `code` without a seat.
    void Watch(const QUrl& server, const QString& name, const QString& code);
    /// Goes back to a kept game: its seats and host rights by their tokens, its unanswered moves sent again.
    void Resume(const TKeptOnlineGame& kept);

    // At the table.

    /// Takes more seats of the game followed (a watcher sitting down, or a second army).
    void TakeSeats(const QList<TSeat>& seats);
    /// Gives up a seat held here.
    void Leave(TSeat seat);
    /// The host frees a seat whose player is gone.
    void Free(TSeat seat);
    /// Makes a move of the seat to move (it must be held here): shown on Board() at
    /// once and sent; MoveAnswered or MoveTakenBack follows. `promotion`: NoPromotion, 'n', 'b', 'r', 'q'.
    TMoveRequest Move(Square from, Square to, char promotion = NoPromotion);
    /// A team's command (start, pause, continue, resign, draw, decline-draw, claim,
    /// abort). `forSeat` names the team when seats of both are held here;
    /// without it the team of the seat to move, if held here, or of the first seat held.
    void Command(TTeamCommand command, std::optional<TSeat> forSeat = std::nullopt);
    /// Says something to everyone at the table or to the own team (`forSeat` as for Command).
    void Chat(const QString& text, bool toTeam, std::optional<TSeat> forSeat = std::nullopt);
    /// Closes the line for good (the seats stay the player's: their tokens are in Kept()).
    void Close();

    /// The game as followed.
    const TFollowedGame& Game() const { return game_; }
    /// The line.
    const TOnlineConnection& Connection() const { return connection_; }
    /// True once the server has given this window the host's rights.
    bool IsHost() const { return !hostToken_.isEmpty(); }
    /// The seats this window holds (their tokens are known here).
    QList<TSeat> HeldSeats() const;
    /// Everything to keep so a restarted window can go on.
    TKeptOnlineGame Kept() const;

signals:
    /// The game was set up anew (a snapshot, or moves made here put back in order): redraw it
    /// whole, the move list and the chat lines included.
    void GameReset();
    /// The host's game exists: its code, for the invitation.
    void Created(const QString& code);
    /// A seat is now held here.
    void Seated(net::TSeat seat);
    /// A move made elsewhere, record `number` (1 for the first): animate from `from` to `to`.
    void MoveArrived(int number, Square from, Square to);
    /// The server played a move made here.
    void MoveAnswered(const QString& id);
    /// The server refused a move made here: it is off the board again; say why.
    void MoveTakenBack(const QString& id, Square from, Square to, const QString& reason);
    /// Seats: names, connections, held here.
    void SeatsChanged();
    /// The clocks were set from the server (count the running one down from their receipt).
    void ClocksChanged();
    /// State, seat to move, asks, draw offer or ending changed.
    void StateChanged();
    /// A chat line arrived (it is in Game().Chat() too).
    void ChatReceived(const net::TChatLine& line);
    /// The number of watchers changed.
    void WatchersChanged(int count);
    /// The line's state: Reconnecting shows "Reconnecting…" with the time away.
    void ConnectionChanged(net::TConnectionState state);
    /// The server refused a command (`code` as the protocol names it); the game goes on.
    void ErrorReceived(const QString& code, const QString& text);
    /// The session ended for good: the server's answers cannot be trusted, or it
    /// speaks another protocol. The game so far stays in Game() and Kept().
    void Failed(const QString& problem);
    /// Event `seq` was followed (the game was kept, when KeepIn was given).
    void EventFollowed(qint64 seq);
    /// The game could not be kept; the game goes on.
    void KeepingFailed(const QString& problem);

private:
    enum class TIntent { None, Host, Join, Watch, Resume };

    void Start(const QUrl& server, const QString& name, TIntent intent);
    void OnWelcomed(bool again);
    void OnFrame(const QString& type, const QJsonObject& body);
    void OnCreated(const QJsonObject& body);
    void OnSeated(const QJsonObject& body);
    void OnSnapshot(const QJsonObject& body);
    void OnEvent(const QJsonObject& body);
    void OnRefused(const QJsonObject& body);
    void SignalChange(const TGameChange& change);
    // The seat is someone else's now (left, freed, or taken over with its key elsewhere).
    void LoseSeat(TSeat seat);
    void Hostile(const QString& problem);
    // Asks for what was missed: a rejoin with a token (a seat's or the host's), or a watch.
    void CatchUp(std::optional<qint64> after);
    void SendPending();
    void Keep();
    std::optional<TSeat> TeamSeat(std::optional<TSeat> forSeat) const;
    bool Send(const QJsonObject& message) { return connection_.Send(message); }

    TOnlineConnection connection_;
    TFollowedGame game_;
    TIntent intent_ = TIntent::None;
    QString name_;
    QString code_;
    TOnlineSettings settings_;
    QList<TSeat> seatsToTake_;
    QString hostToken_;
    QList<TKeptSeat> tokens_;
    std::vector<TPendingMove> resumedPending_;
    bool watching_ = false;
    bool catchingUp_ = false;
    bool resendOnSeated_ = false;
    QString keepPath_;
    QString idPrefix_;
    int movesMade_ = 0;
};

} // namespace net
