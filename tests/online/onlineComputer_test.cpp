// The computer playing a whole team online: offered only for a team whose
// seats are all held in the window, moving only in that team's turn, its moves
// reaching the other window as a dragged move does; taken back, the player
// drags again. Two windows whose computers play both teams play a whole game
// to the end the server declares.

#include <QAction>
#include <QMenu>
#include <QTest>

#include "eventWait.h"

#include "onlineWindows.h"
#include "veltanbrd.h"

namespace {

QAction* Action(TOnlinePlayer& player, const char* name)
{
    return player.window->findChild<QAction*>(QString::fromLatin1(name));
}

void ChooseLevel(TOnlinePlayer& player, const QString& key)
{
    for (QAction* const level :
         player.window->findChild<QMenu*>(QStringLiteral("MnuComputerLevel"))->findChildren<QAction*>())
        if (level->isCheckable() && level->data().toString() == key)
            level->trigger();
}

} // namespace

TEST_F(TOnlineWindowsTest, TheComputerPlaysATeamWhoseSeatsAreAllHeldHere)
{
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});
    EXPECT_TRUE(Action(black, "MnuItemComputerBlack")->isEnabled());
    EXPECT_FALSE(Action(black, "MnuItemComputerWhite")->isEnabled()) << "White's seat is not held here";
    EXPECT_FALSE(Action(white, "MnuItemComputerBlack")->isEnabled());
    const auto whiteMoves = [&] {
        const auto [from, to] = FirstLegalMove(white.Board());
        white.Drag(from, to);
    };

    // The full search one move deep answers at once.
    ChooseLevel(black, QStringLiteral("depth1"));
    Action(black, "MnuItemComputerBlack")->trigger();
    EXPECT_TRUE(Action(black, "MnuItemComputerBlack")->isChecked());
    EXPECT_EQ(black.Board().LastMove, 0) << "nothing moves before the game runs";
    StartGame(white, black);
    constexpr int Turns = 3;
    for (int turn = 0; turn < Turns; ++turn) {
        const int before = white.Board().LastMove;
        whiteMoves();
        ASSERT_TRUE(SeenSoon([&] { return white.Board().LastMove == before + 2; }))
            << "the computer answers in turn " << turn << "\n"
            << Log();
        EXPECT_FALSE(black.Board().isEnabled()) << "the computer's team is not dragged as well";
    }
    ASSERT_TRUE(SeenSoon([&] { return black.Board().position() == white.Board().position(); }));

    Action(black, "MnuItemComputerBlack")->trigger();
    whiteMoves();
    ASSERT_TRUE(SeenSoon([&] {
        return black.Board().LastMove == 2 * Turns + 1 && black.Board().isEnabled();
    })) << Log();
    QTest::qWait(300);
    EXPECT_EQ(black.Board().LastMove, 2 * Turns + 1) << "the player moves again, not the computer";
}

TEST_F(TOnlineWindowsTest, TwoWindowsPlayAWholeGameToItsEnd)
{
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});
    for (auto [player, team] :
         {std::pair{&white, "MnuItemComputerWhite"}, std::pair{&black, "MnuItemComputerBlack"}}) {
        ChooseLevel(*player, QStringLiteral("depth1"));
        Action(*player, team)->trigger();
    }
    StartGame(white, black);
    // A game one move deep on each side takes some hundred moves, seconds here.
    constexpr int WholeGameWaitMs = 90'000;
    ASSERT_TRUE(WaitFor(
        [&] {
            return white.Session().Game().State() == net::TGameState::Ended &&
                   black.Session().Game().State() == net::TGameState::Ended;
        },
        WholeGameWaitMs))
        << Log();
    EXPECT_GT(white.Board().LastMove, 2);
    EXPECT_EQ(white.Board().position(), black.Board().position());
    const QString ending = white.Session().Game().Ending().message;
    EXPECT_EQ(black.Session().Game().Ending().message, ending);
    EXPECT_TRUE(white.Status().contains(ending) && black.Status().contains(ending))
        << white.Status().toStdString() << " / " << black.Status().toStdString();
    EXPECT_FALSE(white.Board().isEnabled() || black.Board().isEnabled());
}
