#pragma once
// The window's "Network" menu and what its commands start: hosting a game,
// joining one by a link or an address and a code (then taking seats or
// watching), the invitation, resigning, draws and leaving. While a game is
// online its table decides the window's game and a panel beside the board
// shows the seats and the chat. Every online game is kept on disk after each
// event, so a window started again offers to rejoin it.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "chatPanel.h"
#include "invitationLink.h"
#include "localServer.h"
#include "onlineConnection.h"
#include "onlineTable.h"
#include "seatsPanel.h"

class QAction;
class QDockWidget;
class QMenu;
class TFrmVeltanBrd;
class TSettingsStore;

namespace net {
class TOnlineSession;
}

namespace online {

class TOnlineDialogs;

/// Network play in one main window.
class TNetworkMenu : public QObject {
    Q_OBJECT

public:
    /// Adds the menu to `window`'s menu bar; questions go to `dialogs`, which
    /// must outlive this. Online games are kept in `keptPath`. It must go
    /// before the window does (its table gives the window its game back).
    TNetworkMenu(TFrmVeltanBrd& window, TOnlineDialogs& dialogs, const QString& keptPath);
    ~TNetworkMenu() override;
    TNetworkMenu(const TNetworkMenu&) = delete;
    TNetworkMenu& operator=(const TNetworkMenu&) = delete;

    /// The folder online games are kept in: the unfinished local games' (see keptGameSlot.h).
    static QString DefaultKeptFolder();
    /// The line's timing for games started from now on (tests make it brisk).
    void SetTiming(const net::TConnectionTiming& timing) { timing_ = timing; }
    /// The server program a game hosted on this machine runs, and the address it
    /// listens on (all interfaces by default; tests keep it on the loopback).
    void SetLocalServer(const QString& program, const QString& listenHost)
    {
        serverProgram_ = program;
        listenHost_ = listenHost;
    }

    /// "Host a game…": asks how, then creates the game and shows the invitation.
    void Host();
    /// "Join a game…": asks which game (the link filled in, when given), then its seats.
    void Join(const QString& link = {});
    /// Joins the game of `link` at once when a name is remembered, else asks as Join does;
    /// the seats are asked for either way. For a link given on the command line.
    void JoinLink(const QString& link);
    /// At start: when an online game is kept, asks "Rejoin the game on HOST?" and rejoins it.
    void OfferKeptGame();
    /// "Leave online game": gives up the seats held here and gives the window its
    /// own game back, the position shown kept as a stopped local game.
    void Leave();

    /// The game online now; nullptr when none.
    TOnlineTable* Table() const { return table_.get(); }
    /// The panels beside the board while a game is online; nullptr otherwise.
    TSeatsPanel* Seats() const { return seats_; }
    TChatPanel* Chat() const { return chat_; }
    /// The invitation link of the game hosted here, to the address this window
    /// reached its server by; empty otherwise.
    QString InvitationLink() const { return invitationLink_; }

protected:
    /// Asks before the window of a server others play on is closed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString StartLocalServer(quint16 port);
    void OnLocalServerEnded(const QString& output);
    // Makes the table and the panels for a new session, then lets `start` start it.
    void Open(const std::function<void(net::TOnlineSession&)>& start);
    void Close();
    // The window grows by the panel while a game is online and gives the room back after.
    void MakeRoomForPanel();
    void GiveRoomBack();
    void OnCreated(const QString& code);
    void OnGameShown();
    void AskSeats();
    void OnFailed(const QString& problem);
    void ShowInvitation();
    void UpdateActions();
    bool MayGoOnline();

    TFrmVeltanBrd& window_;
    TOnlineDialogs& dialogs_;
    QString keptPath_;
    std::unique_ptr<TSettingsStore> settings_;
    net::TConnectionTiming timing_;
    QMenu* menu_ = nullptr; // owned by the menu bar
    QAction* host_ = nullptr;
    QAction* join_ = nullptr;
    QAction* invitation_ = nullptr;
    QAction* resign_ = nullptr;
    QAction* draw_ = nullptr;
    QAction* declineDraw_ = nullptr;
    QAction* leave_ = nullptr;
    std::unique_ptr<TLocalServer> localServer_;
    QString serverProgram_ = TLocalServer::FindProgram();
    QString listenHost_ = QStringLiteral("0.0.0.0");
    std::unique_ptr<TOnlineTable> table_;
    QPointer<QDockWidget> dock_;
    QPointer<TSeatsPanel> seats_;
    QPointer<TChatPanel> chat_;
    std::optional<net::TInvitation> server_;
    QString invitationLink_;
    QString name_; // the player's name at the table joined
    bool seatsAsked_ = true;
    int grownBy_ = 0; // how much wider the window was made for the panel
};

} // namespace online
