#pragma once
// The seam between an online game and the main window: while it exists the
// server decides the window's game. Its moves are played on the window's board
// through the kernel, animated with their last-move marks; the board takes a
// drag only for a seat held here, in that player's turn, at the last record;
// a dropped move is shown at once and sent, and a refused one is taken back
// with the reason in the status line. The clocks show the server's times
// counted down here and never end a game; Start/Stop asks the server to
// start, pause or continue; the options, a new game and opening a game wait
// until the table goes. The computer may play a team whose seats are all held
// here, and moves only in that team's turn of the running game, at the last
// record; its moves are sent as a dragged move is. While the move list is
// open, the chat opens beside it. The window gains no member for it:
// it only hands its game over through SetGameAuthority.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "gameAuthority.h"
#include "onlineSession.h"
#include "veltanbrdKernel.h"

class QAction;
class TFrmVeltanBrd;
class TVeltanBrd;

namespace online {

/// One online game shown in one main window, for the table's whole life.
class TOnlineTable : public QObject, public TGameAuthority {
    Q_OBJECT

public:
    /// Takes over `window`'s board, clocks and status line for `session`
    /// (not yet started: the caller starts it after this, so no signal is missed).
    TOnlineTable(TFrmVeltanBrd& window, std::unique_ptr<net::TOnlineSession> session);
    /// Gives the window its own game back (the board keeps the position shown, stopped).
    ~TOnlineTable() override;
    TOnlineTable(const TOnlineTable&) = delete;
    TOnlineTable& operator=(const TOnlineTable&) = delete;

    /// The game's session, for commands, chat and what it follows.
    net::TOnlineSession& Session() { return *session_; }
    const net::TOnlineSession& Session() const { return *session_; }
    /// What the status line shows now.
    QString StatusLine() const { return status_; }

    void StartStopAsked() override;
    void RecordShown() override;
    TComputerTeam ComputerTeam(bool white) const override;
    void SetComputerTeam(bool white, bool plays) override;
    void MoveListOpened(QDialog& list) override;

signals:
    /// The session ended for good; the game so far stays on the board and in the session.
    void Failed(const QString& problem);
    /// Something the menu shows may have changed (seats held, draw offer, state).
    void Changed();

private:
    void OnGameReset();
    void OnMoveArrived(int number, Square from, Square to);
    void OnMoveTakenBack(const QString& id, Square from, Square to, const QString& reason);
    void OnError(const QString& code, const QString& text);
    void OnConnection(net::TConnectionState state);
    void OnFailed(const QString& problem);
    // A drag on the board made a move: send it, or show the game again when it may not go.
    void SendDroppedMove();
    void ShowGame();
    void UpdateBoardControl();
    // True when every seat of the team is held here.
    bool HoldsTeam(bool white) const;
    // The board's computer plays a team given to it only while it may move now.
    void ApplyComputerTeams();
    void ShowStatus();
    void TickClocks();
    void SetNotice(const QString& text);
    void SetLocalCommandsEnabled(bool enabled);

    TFrmVeltanBrd& window_;
    TVeltanBrd& board_;
    std::unique_ptr<net::TOnlineSession> session_;
    QTimer clockTick_;
    // The window's own handlers, given back when the table goes.
    TMoveEvent windowLegalMove_;
    TNotifyEvent windowTurnSettled_;
    TNotifyEvent windowDraw_;
    bool windowComputerWhite_ = false;
    bool windowComputerBlack_ = false;
    // The teams the player gave to the computer.
    bool computerWhite_ = false;
    bool computerBlack_ = false;
    QList<QPointer<QAction>> localCommands_;
    // Set while the table itself plays moves on the board, so only drags are sent.
    bool following_ = false;
    Square droppedFrom_ = SqrNone;
    Square droppedTo_ = SqrNone;
    QString notice_;
    QString status_;
};

} // namespace online
