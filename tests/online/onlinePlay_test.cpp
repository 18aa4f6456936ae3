// Playing online from the window: a move dragged in one window reaches the
// boards of the others, whether they sit at the table, came to watch late,
// lost their line in the middle of the turn, or play on the server the host's
// window runs; a move the server refuses goes back with its reason; and
// teams of several players with several moves a turn play from the window
// as the server rules them.

#include <QTest>

#include "faultProxy.h"
#include "onlineTable.h"
#include "onlineWindows.h"
#include "seatsPanel.h"
#include "veltanbrd.h"

namespace {

/// How the window that should see the move follows the game.
enum class TFollowing { Seated, WatchingLate, LineCutMidTurn, OnTheHostsServer };

struct TFollowingCase {
    const char* name;
    TFollowing following;
};

/// The case's name where GoogleTest lists the parameter.
void PrintTo(const TFollowingCase& c, std::ostream* os)
{
    *os << c.name;
}

class MoveReachesTheOtherWindow : public TOnlineWindowsTest,
                                  public ::testing::WithParamInterface<TFollowingCase> {};

const TFollowingCase FollowingCases[] = {
    {"Seated", TFollowing::Seated},
    {"WatchingLate", TFollowing::WatchingLate},
    {"LineCutMidTurn", TFollowing::LineCutMidTurn},
    {"OnTheHostsServer", TFollowing::OnTheHostsServer},
};

} // namespace

TEST_P(MoveReachesTheOtherWindow, OnItsBoardAsOnTheMovers)
{
    const TFollowing following = GetParam().following;
    TFaultProxy proxy;
    ASSERT_TRUE(proxy.Listen(server_->Port()));
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    const QString link = Host(white, following == TFollowing::OnTheHostsServer ? QUrl() : server_->Url());
    // The one whose line is cut reaches the game through the proxy.
    QString blackLink = link;
    if (following == TFollowing::LineCutMidTurn)
        blackLink.replace(QStringLiteral(":%1/").arg(server_->Port()),
                          QStringLiteral(":%1/").arg(proxy.Port()));
    JoinByLink(black, blackLink, {net::TSeat{false, 1}});
    StartGame(white, black);
    EXPECT_TRUE(white.Board().isEnabled());
    EXPECT_FALSE(black.Board().isEnabled()) << "Black may not drag in White's turn";
    EXPECT_TRUE(white.Status().endsWith(QStringLiteral("left in this turn (you)")))
        << white.Status().toStdString();
    EXPECT_TRUE(black.Status().endsWith(QStringLiteral("left in this turn (Ann)")))
        << black.Status().toStdString();

    TOnlinePlayer* follower = &black;
    if (following == TFollowing::WatchingLate) {
        // A first move before the watcher comes, so it has a game to catch up on.
        const auto [from, to] = FirstLegalMove(white.Board());
        white.Drag(from, to);
        ASSERT_TRUE(SeenSoon([&] { return black.Board().LastMove == 1; })) << Log();
        const auto [blackFrom, blackTo] = FirstLegalMove(black.Board());
        black.Drag(blackFrom, blackTo);
        ASSERT_TRUE(SeenSoon([&] { return white.Board().LastMove == 2; })) << Log();
        follower = &NewPlayer();
        JoinByLink(*follower, link, {});
        ASSERT_TRUE(SeenSoon([&] {
            return white.menu->Seats()->Lines().contains(QStringLiteral("Watching: 1"));
        })) << white.menu->Seats()->Lines().join(QLatin1Char('\n')).toStdString();
    }
    if (following == TFollowing::LineCutMidTurn) {
        proxy.CutAll();
        ASSERT_TRUE(SeenSoon([&] { return black.Status().startsWith(QStringLiteral("Reconnecting")); }));
    }

    const int before = white.Board().LastMove;
    const auto [from, to] = FirstLegalMove(white.Board());
    ASSERT_NE(from, SqrNone);
    white.Drag(from, to);
    EXPECT_EQ(white.Board().LastMove, before + 1) << "the move is shown at once";
    ASSERT_TRUE(SeenSoon([&] {
        return follower->Board().LastMove == before + 1 &&
               follower->Board().position() == white.Board().position();
    })) << follower->Status().toStdString()
        << "\n"
        << Log();
    EXPECT_EQ(follower->Board().PieceOn(to), white.Board().PieceOn(to));
    EXPECT_FALSE(follower->Status().startsWith(QStringLiteral("Reconnecting")));
    EXPECT_EQ(follower->Board().isEnabled(), following != TFollowing::WatchingLate)
        << "only a seat held here moves, in its turn";
    EXPECT_FALSE(white.Board().isEnabled());
    EXPECT_FALSE(follower->window->ClockRunning()) << "the server keeps the time, never the window's clock";
}

INSTANTIATE_TEST_SUITE_P(Online, MoveReachesTheOtherWindow, ::testing::ValuesIn(FollowingCases),
                         [](const ::testing::TestParamInfo<TFollowingCase>& info) {
                             return info.param.name;
                         });

TEST_F(TOnlineWindowsTest, AMoveTheServerRefusesGoesBackWithItsReason)
{
    // Everything reaches the server late, so the move is sent before the
    // window hears that its own team's resignation ended the game.
    TFaultProxy proxy;
    ASSERT_TRUE(proxy.Listen(server_->Port()));
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    const QString link = Host(white, proxy.Url());
    JoinByLink(black, link, {net::TSeat{false, 1}});
    StartGame(white, black);
    proxy.SetDelay(300);

    const std::string start = white.Board().position();
    white.Session().Command(net::TTeamCommand::Resign);
    const auto [from, to] = FirstLegalMove(white.Board());
    white.Drag(from, to);
    EXPECT_EQ(white.Board().LastMove, 1) << "the move is shown at once";
    ASSERT_TRUE(SeenSoon([&] { return white.Status().contains(QStringLiteral("refused")); }))
        << white.Status().toStdString() << "\n"
        << Log();
    EXPECT_EQ(white.Board().LastMove, 0);
    EXPECT_EQ(white.Board().position(), start) << "the piece is back where it was";
    ASSERT_TRUE(SeenSoon([&] { return white.Session().Game().State() == net::TGameState::Ended; })) << Log();
    EXPECT_FALSE(white.Board().isEnabled());
}

namespace {

struct TTeamCase {
    const char* name;
    int playersPerTeam;
    int movesPerTeamTurn;
};

/// The case's name where GoogleTest lists the parameter.
void PrintTo(const TTeamCase& c, std::ostream* os)
{
    *os << c.name;
}

class TeamsOfSeveral : public TOnlineWindowsTest, public ::testing::WithParamInterface<TTeamCase> {};

const TTeamCase TeamCases[] = {
    {"TwoPlayersTwoMoves", 2, 2},
    {"TwoPlayersFourMoves", 2, 4},
    {"FourPlayersFourMoves", 4, 4},
};

QList<net::TSeat> TeamSeats(bool white, int players)
{
    QList<net::TSeat> seats;
    for (int player = 1; player <= players; ++player)
        seats.append(net::TSeat{white, player});
    return seats;
}

} // namespace

TEST_P(TeamsOfSeveral, PlayTwoWholeTurnsAsTheServerRulesThem)
{
    const TTeamCase& c = GetParam();
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    const net::TOnlineSettings settings{0, 0, c.playersPerTeam, c.movesPerTeamTurn, 60, 60, 0, 0};
    JoinByLink(black, Host(white, server_->Url(), settings, TeamSeats(true, c.playersPerTeam)),
               TeamSeats(false, c.playersPerTeam));
    StartGame(white, black);

    const int moves = 2 * 2 * c.movesPerTeamTurn;
    for (int made = 0; made < moves; ++made) {
        TOnlinePlayer* mover = nullptr;
        ASSERT_TRUE(SeenSoon([&] {
            mover = white.Board().isEnabled() ? &white : black.Board().isEnabled() ? &black : nullptr;
            return mover != nullptr && mover->Session().Game().Pending().empty();
        })) << "move "
            << made << "\n"
            << white.Status().toStdString() << "\n"
            << Log();
        const auto [from, to] = FirstLegalMove(mover->Board());
        ASSERT_NE(from, SqrNone) << "the board of the player to move has a legal move";
        mover->Drag(from, to);
        ASSERT_TRUE(SeenSoon([&] {
            return white.Board().LastMove == made + 1 && black.Board().LastMove == made + 1 &&
                   mover->Session().Game().Pending().empty();
        })) << "move "
            << made << ": " << mover->Status().toStdString() << "\n"
            << Log();
    }
    EXPECT_EQ(white.Board().position(), black.Board().position());
    EXPECT_EQ(white.Session().Game().Moves().size(), static_cast<std::size_t>(moves));
}

INSTANTIATE_TEST_SUITE_P(Online, TeamsOfSeveral, ::testing::ValuesIn(TeamCases),
                         [](const ::testing::TestParamInfo<TTeamCase>& info) { return info.param.name; });
