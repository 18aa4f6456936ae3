// Sessions talking to a real server: a host and a guest play moves both ways,
// a watcher who comes late sees the very same game, the guest's game is kept
// on disk as it goes, and a move the server refuses goes back with its reason.

#include <QTemporaryDir>

#include "keptOnlineGame.h"
#include "sessionTest.h"
#include "veltanbrdKernel.h"

namespace {

constexpr int MovesPlayed = 6;

class SessionConversation : public TSessionTest {};

TEST_F(SessionConversation, MovesFlowBothWaysAndALateWatcherSeesTheSameGame)
{
    const auto host = NewSession();
    const auto guest = NewSession();
    const QString keptPath = folder_.filePath("guest-online.json");
    guest->KeepIn(keptPath);
    ASSERT_TRUE(StartGame(*host, server_->Url(), *guest, server_->Url()));
    int arrivedAtHost = 0;
    int arrivedAtGuest = 0;
    QObject::connect(host.get(), &net::TOnlineSession::MoveArrived, [&] { ++arrivedAtHost; });
    QObject::connect(guest.get(), &net::TOnlineSession::MoveArrived, [&] { ++arrivedAtGuest; });

    for (int played = 1; played <= MovesPlayed; ++played) {
        ASSERT_FALSE(PlayOneMove({host.get(), guest.get()}).isEmpty());
        ASSERT_TRUE(Seen([&] {
            return host->Game().Moves().size() == std::size_t(played) && host->Game().Pending().empty() &&
                   guest->Game().Moves().size() == std::size_t(played) && guest->Game().Pending().empty();
        })) << "move "
            << played << " was not seen by both\n"
            << Log();
    }
    // Each saw the other's moves arrive, and only those.
    EXPECT_EQ(arrivedAtHost, MovesPlayed / 2);
    EXPECT_EQ(arrivedAtGuest, MovesPlayed / 2);
    EXPECT_EQ(MoveTexts(host->Game()), MoveTexts(guest->Game()));

    const auto watcher = NewSession();
    watcher->Watch(server_->Url(), "Cleo", host->Game().Code());
    ASSERT_TRUE(Seen([&] { return watcher->Game().Moves().size() == std::size_t(MovesPlayed); })) << Log();
    EXPECT_EQ(MoveTexts(watcher->Game()), MoveTexts(host->Game()));
    EXPECT_EQ(watcher->Game().Board().position(), host->Game().Board().position());
    EXPECT_TRUE(Seen([&] { return host->Game().Watchers() == 1; }));

    ASSERT_FALSE(PlayOneMove({host.get(), guest.get()}).isEmpty());
    EXPECT_TRUE(Seen([&] { return watcher->Game().Moves().size() == std::size_t(MovesPlayed + 1); }));

    const net::TKeptReading kept = net::ReadKeptOnlineGame(keptPath);
    ASSERT_TRUE(kept.game) << kept.problem.toStdString();
    EXPECT_EQ(kept.game->moves.size(), guest->Game().Moves().size());
    EXPECT_EQ(kept.game->seats.size(), 1);
    EXPECT_EQ(kept.game->code, host->Game().Code());
}

TEST_F(SessionConversation, AMoveTheServerRefusesIsTakenBackWithTheReason)
{
    const auto host = NewSession();
    const auto guest = NewSession();
    ASSERT_TRUE(StartGame(*host, server_->Url(), *guest, server_->Url()));
    ASSERT_FALSE(PlayOneMove({host.get()}).isEmpty());
    ASSERT_TRUE(Seen([&] { return guest->Game().Moves().size() == 1; })) << Log();
    QString takenBack;
    QString reason;
    QObject::connect(guest.get(), &net::TOnlineSession::MoveTakenBack,
                     [&](const QString& id, Square, Square, const QString& why) {
                         takenBack = id;
                         reason = why;
                     });

    // Resigning and moving in one breath: the board here still allows the
    // move, the server has ended the game by the time it reads it.
    guest->Command(net::TTeamCommand::Resign);
    const QString id = PlayOneMove({guest.get()});
    ASSERT_FALSE(id.isEmpty());
    EXPECT_EQ(guest->Game().Pending().size(), 1u);
    ASSERT_TRUE(Seen([&] { return !takenBack.isEmpty() && guest->Game().State() == net::TGameState::Ended; }))
        << Log();
    EXPECT_EQ(takenBack, id);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(guest->Game().Pending().empty());
    EXPECT_EQ(guest->Game().Board().position(), host->Game().Board().position());
    EXPECT_EQ(guest->Game().Ending().result, "white");
}

TEST_F(SessionConversation, ASeatTakenOverByAnotherWindowIsNoLongerHeldHere)
{
    const auto host = NewSession();
    const auto guest = NewSession();
    ASSERT_TRUE(StartGame(*host, server_->Url(), *guest, server_->Url()));
    ASSERT_FALSE(PlayOneMove({host.get()}).isEmpty());
    ASSERT_TRUE(Seen([&] { return guest->Game().Moves().size() == 1; })) << Log();

    const auto other = NewSession();
    other->Resume(guest->Kept());
    ASSERT_TRUE(Seen([&] { return guest->HeldSeats().isEmpty() && other->Game().HasGame(); })) << Log();
    EXPECT_EQ(other->HeldSeats(), (QList<net::TSeat>{net::TSeat{false, 1}}));
    EXPECT_FALSE(guest->Move(D13, D11).problem.isEmpty());
    ASSERT_FALSE(PlayOneMove({other.get()}).isEmpty());
    EXPECT_TRUE(Seen([&] { return host->Game().Moves().size() == 2 && guest->Game().Moves().size() == 2; }));
}

} // namespace
