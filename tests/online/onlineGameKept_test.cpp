// An online game outlives its window: looking back through the records never
// changes it, a window started again offers to rejoin it from the file it was
// kept in, and programs running at once keep their games in files of their own.

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "keptGameSlot.h"

#include "onlineTable.h"
#include "onlineWindows.h"
#include "veltanbrd.h"

namespace {

/// Shows another record, as the move list does.
void ShowRecord(TOnlinePlayer& player, int record)
{
    ASSERT_TRUE(player.Board().GotoMove(record));
    player.window->RecordShown();
}

} // namespace

TEST_F(TOnlineWindowsTest, LookingBackRefusesDragsAndANewMoveBringsTheLastRecordBack)
{
    const auto [white, black] = DuelAfterAFirstMove();
    ASSERT_EQ(black.Board().LastMove, 1);

    ShowRecord(black, 0);
    EXPECT_FALSE(black.Board().isEnabled()) << "no move is made at an earlier record";
    ShowRecord(black, 1);
    EXPECT_TRUE(black.Board().isEnabled());

    ShowRecord(white, 0);
    const auto [blackFrom, blackTo] = FirstLegalMove(black.Board());
    black.Drag(blackFrom, blackTo);
    ASSERT_TRUE(SeenSoon([&] { return white.Board().HistoryEnd() == 2; })) << Log();
    EXPECT_EQ(white.Board().LastMove, 2);
    EXPECT_EQ(white.Board().position(), black.Board().position());
    EXPECT_TRUE(white.Board().isEnabled());
}

TEST_F(TOnlineWindowsTest, AWindowStartedAgainOffersToRejoinItsGame)
{
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer(QStringLiteral("black.json"));
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});
    StartGame(white, black);
    const auto [from, to] = FirstLegalMove(white.Board());
    white.Drag(from, to);
    ASSERT_TRUE(SeenSoon([&] { return black.Board().LastMove == 1; })) << Log();
    const QString kept = folder_.filePath(QStringLiteral("black.json"));
    EXPECT_FALSE(QFile::permissions(kept) & (QFile::ReadGroup | QFile::ReadOther))
        << "the file holds the seat's key";
    Close(black);

    TOnlinePlayer& again = NewPlayer(QStringLiteral("black.json"));
    messages_.yes = true;
    again.menu->OfferKeptGame();
    ASSERT_FALSE(messages_.questions.empty());
    EXPECT_EQ(messages_.questions.back(), QStringLiteral("Rejoin the game on 127.0.0.1?"));
    ASSERT_TRUE(again.menu->Table());
    ASSERT_TRUE(SeenSoon([&] {
        return again.Session().Game().HasGame() &&
               again.Session().HeldSeats() == QList<net::TSeat>{net::TSeat{false, 1}} &&
               again.Board().position() == white.Board().position();
    })) << again.Status().toStdString()
        << "\n"
        << Log();
    EXPECT_EQ(again.Board().LastMove, 1);
    EXPECT_TRUE(again.Board().isEnabled())
        << "Black is to move, from the window started again: " << again.Status().toStdString();
}

TEST_F(TOnlineWindowsTest, LeavingKeepsThePositionAsAStoppedLocalGameAndForgetsTheKeys)
{
    TOnlinePlayer& white = NewPlayer(QStringLiteral("white.json"));
    TOnlinePlayer& black = NewPlayer();
    const QSize window = white.window->size();
    const int side = white.Board().width();
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});
    QCoreApplication::processEvents();
    EXPECT_EQ(white.Board().width(), side) << "the window grew by the panel beside the board";
    StartGame(white, black);
    const auto [from, to] = FirstLegalMove(white.Board());
    white.Drag(from, to);
    ASSERT_TRUE(SeenSoon([&] { return black.Board().LastMove == 1; })) << Log();
    const std::string position = white.Board().position();
    ASSERT_TRUE(QFile::exists(folder_.filePath(QStringLiteral("white.json"))));

    white.window->findChild<QAction*>(QStringLiteral("MnuItemLeaveOnline"))->trigger();
    EXPECT_EQ(white.menu->Table(), nullptr);
    EXPECT_EQ(white.window->GameAuthority(), nullptr);
    EXPECT_EQ(white.Board().position(), position);
    EXPECT_TRUE(white.Board().GameEnded()) << "stopped: Start/Stop plays on";
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("white.json"))));
    EXPECT_EQ(white.window->size(), window) << "the room of the panel is given back";
    ASSERT_TRUE(SeenSoon([&] {
        const std::vector<net::TSeatView>& seats = black.Session().Game().Seats();
        return !seats.empty() && seats.front().name.isEmpty();
    })) << "White's seat is free again";
}

TEST(KeptGameSlot, ProgramsRunningAtOnceKeepTheirGamesApartAndAProgramStartedAgainFindsItsOwn)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto first = std::make_unique<online::TKeptGameSlot>(folder.path());
    const online::TKeptGameSlot second(folder.path());
    ASSERT_FALSE(first->Path().isEmpty());
    ASSERT_FALSE(second.Path().isEmpty());
    EXPECT_NE(first->Path(), second.Path());
    const QString firstPath = first->Path();
    first.reset();
    EXPECT_EQ(online::TKeptGameSlot(folder.path()).Path(), firstPath);
}
