#include "sessionTest.h"

#include "eventWait.h"
#include "legalMove.h"
#include "onlineBoard.h"

void TSessionTest::SetUp()
{
    if (!TServerProcess::Built())
        GTEST_SKIP() << "this build has no veltan-server";
    ASSERT_TRUE(folder_.isValid());
    server_ = std::make_unique<TServerProcess>(folder_.path());
    ASSERT_TRUE(server_->Start()) << Log();
}

std::unique_ptr<net::TOnlineSession> TSessionTest::NewSession()
{
    auto session = std::make_unique<net::TOnlineSession>();
    // Pings often, and a silence limit above the round trip of the slowest
    // line a test makes; retries quick enough that a test does not wait on
    // its own back-off.
    session->SetTiming({.pingIntervalMs = 200,
                        .silenceLimitMs = 3000,
                        .connectLimitMs = 2000,
                        .firstRetryMs = 100,
                        .longestRetryMs = 500});
    return session;
}

bool TSessionTest::StartGame(net::TOnlineSession& host, const QUrl& hostUrl, net::TOnlineSession& guest,
                             const QUrl& guestUrl)
{
    host.Host(hostUrl, "Ann", DuelSettings(), {net::TSeat{true, 1}});
    if (!Seen([&] { return host.HeldSeats().size() == 1; })) {
        ADD_FAILURE() << "the host never sat down\n" << Log();
        return false;
    }
    guest.Join(guestUrl, "Ben", host.Game().Code().toLower(), {net::TSeat{false, 1}});
    if (!Seen([&] { return guest.HeldSeats().size() == 1 && guest.Game().HasGame(); })) {
        ADD_FAILURE() << "the guest never sat down\n" << Log();
        return false;
    }
    host.Command(net::TTeamCommand::Start);
    guest.Command(net::TTeamCommand::Start);
    const bool running = Seen([&] {
        return host.Game().State() == net::TGameState::Running &&
               guest.Game().State() == net::TGameState::Running;
    });
    if (!running)
        ADD_FAILURE() << "the game never started\n" << Log();
    return running;
}

QString TSessionTest::PlayOneMove(const std::vector<net::TOnlineSession*>& players)
{
    for (net::TOnlineSession* player : players) {
        const std::optional<net::TSeat> mover = player->Game().BoardMover();
        if (!mover || !player->HeldSeats().contains(*mover))
            continue;
        const auto move = FirstLegalMove(player->Game().Board());
        if (!move)
            return {};
        const net::TMoveRequest request = player->Move(move->first, move->second);
        EXPECT_TRUE(request.problem.isEmpty()) << request.problem.toStdString();
        return request.id;
    }
    ADD_FAILURE() << "no player holds the seat to move";
    return {};
}

std::string TSessionTest::Log() const
{
    return server_ ? server_->Log().toStdString() : std::string();
}

net::TOnlineSettings DuelSettings()
{
    return {.arrangement = 0,
            .rowShift = 0,
            .playersPerTeam = 1,
            .movesPerTeamTurn = 1,
            .minutesWhite = 10,
            .minutesBlack = 10,
            .incrementWhite = 0,
            .incrementBlack = 0};
}

QStringList MoveTexts(const net::TFollowedGame& game)
{
    QStringList texts;
    for (const net::TPlayedMove& played : game.Moves())
        texts.append(net::MoveName(played.move));
    return texts;
}

bool Seen(const std::function<bool()>& done, int waitMs)
{
    return WaitFor(done, waitMs);
}
