#pragma once
// What the client's network tests share: a real server in a folder of the
// test's own, sessions with a brisk line, and games started and played on.

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "onlineSession.h"
#include "serverProcess.h"

/// How long a test waits for something the sessions should see.
inline constexpr int SeenWaitMs = 5'000;

/// A server started for each test; the test is skipped when the build has none.
class TSessionTest : public testing::Test {
protected:
    void SetUp() override;
    /// A session whose line is watched and retried briskly.
    std::unique_ptr<net::TOnlineSession> NewSession();
    /// `host` hosts a game at `hostUrl` and takes White; `guest` joins at
    /// `guestUrl` and takes Black; both start it. False (with a failure) when it did not run.
    bool StartGame(net::TOnlineSession& host, const QUrl& hostUrl, net::TOnlineSession& guest,
                   const QUrl& guestUrl);
    /// Makes the first legal move of whichever player holds the seat to move; its id.
    QString PlayOneMove(const std::vector<net::TOnlineSession*>& players);
    /// The server's log, for failure messages.
    std::string Log() const;

    QTemporaryDir folder_;
    std::unique_ptr<TServerProcess> server_;
};

/// One player a team, one move a turn, ten minutes: a game where turns alternate.
net::TOnlineSettings DuelSettings();
/// The moves of a followed game in the protocol's text, "E02E04".
QStringList MoveTexts(const net::TFollowedGame& game);
/// Runs the event loop until `done` or the wait is over; returns `done()`.
bool Seen(const std::function<bool()>& done, int waitMs = SeenWaitMs);
