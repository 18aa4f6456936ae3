#pragma once
// What the window's network tests share: a real server for each test, and
// players each with a main window, its Network menu, a kept online game of
// its own and dialogs the test answers, so no test waits on a dialog.

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <utility>

#include "VeltanGUI.h"
#include "answeringOnlineDialogs.h"
#include "appTestSupport.h"
#include "networkMenu.h"
#include "serverProcess.h"

/// How long a test waits for something the windows should see.
inline constexpr int OnlineWaitMs = 8'000;

/// One player at the table: a window and its network menu.
struct TOnlinePlayer {
    TAnsweringOnlineDialogs dialogs;
    std::unique_ptr<TFrmVeltanBrd> window;
    std::unique_ptr<online::TNetworkMenu> menu; // goes before the window

    TVeltanBrd& Board() { return window->Board(); }
    online::TOnlineTable& Table() { return *menu->Table(); }
    net::TOnlineSession& Session() { return menu->Table()->Session(); }
    QString Status() const;
    /// Start/Stop, as chosen from the menu.
    void StartStop();
    /// Drags a piece with the mouse from one square to another.
    void Drag(Square from, Square to);
};

/// A server per test and players made on demand.
class TOnlineWindowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// A shown window whose online game is kept in its own file, `kept` in the test's folder.
    TOnlinePlayer& NewPlayer(const QString& kept);
    TOnlinePlayer& NewPlayer() { return NewPlayer(QStringLiteral("online-%1.json").arg(players_.size())); }
    /// Closes a player's window as the player does; its kept online game stays.
    void Close(TOnlinePlayer& player);
    /// `host` hosts a game at `url` (none: on a server it runs itself), one
    /// player a team and one move a turn unless `settings` say otherwise, and
    /// takes `seats` (White's first by default); the game's link.
    QString Host(TOnlinePlayer& host, const QUrl& url, const net::TOnlineSettings& settings = {1, 0, 1, 1},
                 const QList<net::TSeat>& seats = {net::TSeat{true, 1}});
    /// `guest` joins by `link` and takes `seats` (empty: watches).
    void JoinByLink(TOnlinePlayer& guest, const QString& link, const QList<net::TSeat>& seats);
    /// Both ask to start, and the game runs.
    void StartGame(TOnlinePlayer& white, TOnlinePlayer& black);
    /// Two players of a running game on the test's server.
    struct TDuel {
        TOnlinePlayer& white;
        TOnlinePlayer& black;
    };
    /// White hosts, Black joins by the link and sits down, the game runs, and
    /// White's first legal move has reached Black's board.
    TDuel DuelAfterAFirstMove();
    /// The first legal move on the board of the player to move.
    static std::pair<Square, Square> FirstLegalMove(const TVeltanBrdKernel& board);
    /// The server's log, for failure messages.
    std::string Log() const;

    QTemporaryDir folder_;
    std::unique_ptr<TServerProcess> server_;
    TAnsweringDialogs messages_;
    std::vector<std::unique_ptr<TOnlinePlayer>> players_;

private:
    std::unique_ptr<TScopedUserDialogs> scopedMessages_;
};

/// Runs the event loop until `done` or OnlineWaitMs have passed; returns `done()`.
bool SeenSoon(const std::function<bool()>& done);
