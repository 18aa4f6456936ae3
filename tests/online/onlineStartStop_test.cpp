// Start/Stop takes its online meaning: both teams asking starts the game on
// the server, pauses it and lets it continue; the status line tells which.

#include "onlineTable.h"
#include "onlineWindows.h"
#include "veltanbrd.h"

namespace {

struct TStartStopStep {
    net::TGameState after;
    const char* status; ///< the beginning of the status line once both teams asked
    bool whiteMayMove;
};

// One game, step after step.
const TStartStopStep Steps[] = {
    {net::TGameState::Running, "White", true},
    {net::TGameState::Paused, "Paused", false},
    {net::TGameState::Running, "White", true},
};

} // namespace

TEST_F(TOnlineWindowsTest, StartStopAsksTheServerToStartPauseAndContinue)
{
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});
    EXPECT_TRUE(white.Status().startsWith(QStringLiteral("Waiting for the start")))
        << white.Status().toStdString();
    for (const TStartStopStep& step : Steps) {
        white.StartStop();
        black.StartStop();
        ASSERT_TRUE(SeenSoon([&] {
            return white.Session().Game().State() == step.after &&
                   black.Session().Game().State() == step.after;
        })) << white.Status().toStdString()
            << "\n"
            << Log();
        EXPECT_TRUE(white.Status().startsWith(QString::fromLatin1(step.status)))
            << white.Status().toStdString();
        EXPECT_EQ(white.Board().isEnabled(), step.whiteMayMove);
    }
}
