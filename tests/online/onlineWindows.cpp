#include "onlineWindows.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "eventWait.h"
#include "onlineTable.h"
#include "refereeGame.h"
#include "veltanbrd.h"

bool SeenSoon(const std::function<bool()>& done)
{
    return WaitFor(done, OnlineWaitMs);
}

QString TOnlinePlayer::Status() const
{
    // A line too long for the window is cut short, whole in its tooltip.
    const QLabel* const label = window->findChild<QLabel*>(QStringLiteral("LblStatusMovesLeftInTurn"));
    return label->toolTip().isEmpty() ? label->text() : label->toolTip();
}

void TOnlinePlayer::StartStop()
{
    window->findChild<QAction*>(QStringLiteral("StartStop1"))->trigger();
}

void TOnlinePlayer::Drag(Square from, Square to)
{
    TVeltanBrd& board = Board();
    const int half = board.SizeOfSquare() / 2;
    const QPoint start = board.SquareToCoords(from).value_or(QPoint()) + QPoint(half, half);
    const QPoint end = board.SquareToCoords(to).value_or(QPoint()) + QPoint(half, half);
    const int beyond = QApplication::startDragDistance() + 1;
    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&board, start + QPoint(beyond, beyond));
    QTest::mouseMove(&board, end);
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, end);
}

void TOnlineWindowsTest::SetUp()
{
    if (!TServerProcess::Built())
        GTEST_SKIP() << "this build has no veltan-server";
    ASSERT_TRUE(folder_.isValid());
    scopedMessages_ = std::make_unique<TScopedUserDialogs>(messages_);
    server_ = std::make_unique<TServerProcess>(folder_.path());
    ASSERT_TRUE(server_->Start()) << Log();
}

void TOnlineWindowsTest::TearDown()
{
    players_.clear();
    scopedMessages_.reset();
}

TOnlinePlayer& TOnlineWindowsTest::NewPlayer(const QString& keptName)
{
    auto player = std::make_unique<TOnlinePlayer>();
    player->window = std::make_unique<TFrmVeltanBrd>();
    player->window->SetModalRunner([](QDialog&) { return 0; });
    const QString kept = folder_.filePath(keptName);
    player->menu = std::make_unique<online::TNetworkMenu>(*player->window, player->dialogs, kept);
    // A line watched and retried briskly, slow enough at its first retry that
    // "Reconnecting…" can be seen.
    player->menu->SetTiming({.pingIntervalMs = 200,
                             .silenceLimitMs = 3000,
                             .connectLimitMs = 2000,
                             .firstRetryMs = 400,
                             .longestRetryMs = 800});
    player->window->show();
    QCoreApplication::processEvents();
    players_.push_back(std::move(player));
    return *players_.back();
}

QString TOnlineWindowsTest::Host(TOnlinePlayer& host, const QUrl& url, const net::TOnlineSettings& settings,
                                 const QList<net::TSeat>& seats)
{
    online::THostChoice choice;
    choice.onThisMachine = url.isEmpty();
    choice.port = FreeLoopbackPort();
    choice.address = QStringLiteral("127.0.0.1:%1").arg(url.port());
#ifdef VELTAN_SERVER_PATH
    host.menu->SetLocalServer(QStringLiteral(VELTAN_SERVER_PATH), QStringLiteral("127.0.0.1"));
#endif
    choice.name = QStringLiteral("Ann");
    choice.settings = settings;
    choice.seats = seats;
    host.dialogs.host = choice;
    host.menu->Host();
    EXPECT_TRUE(SeenSoon([&] { return !host.menu->InvitationLink().isEmpty(); })) << Log();
    EXPECT_TRUE(SeenSoon([&] { return host.Session().HeldSeats().size() == seats.size(); })) << Log();
    return host.menu->InvitationLink();
}

void TOnlineWindowsTest::JoinByLink(TOnlinePlayer& guest, const QString& link, const QList<net::TSeat>& seats)
{
    const net::TInvitationReading reading = net::ReadInvitationLink(link);
    ASSERT_TRUE(reading.invitation) << reading.problem.toStdString();
    guest.dialogs.join = online::TJoinChoice{*reading.invitation, QStringLiteral("Ben")};
    guest.dialogs.seats = seats;
    guest.menu->Join(link);
    ASSERT_TRUE(SeenSoon([&] {
        return guest.dialogs.seatQuestions == 1 && guest.Session().HeldSeats().size() == seats.size();
    })) << Log();
}

void TOnlineWindowsTest::StartGame(TOnlinePlayer& white, TOnlinePlayer& black)
{
    white.StartStop();
    black.StartStop();
    ASSERT_TRUE(SeenSoon([&] {
        return white.Session().Game().State() == net::TGameState::Running &&
               black.Session().Game().State() == net::TGameState::Running;
    })) << Log();
}

TOnlineWindowsTest::TDuel TOnlineWindowsTest::DuelAfterAFirstMove()
{
    TOnlinePlayer& white = NewPlayer();
    TOnlinePlayer& black = NewPlayer();
    JoinByLink(black, Host(white, server_->Url()), {net::TSeat{false, 1}});
    StartGame(white, black);
    const auto [from, to] = FirstLegalMove(white.Board());
    white.Drag(from, to);
    EXPECT_TRUE(SeenSoon([&] { return black.Board().LastMove == 1; })) << Log();
    return {white, black};
}

void TOnlineWindowsTest::Close(TOnlinePlayer& player)
{
    player.menu.reset();
    player.window->close();
    player.window.reset();
}

std::pair<Square, Square> TOnlineWindowsTest::FirstLegalMove(const TVeltanBrdKernel& board)
{
    const std::vector<std::pair<Square, Square>> moves = AllowedMoves(board);
    return moves.empty() ? std::pair{SqrNone, SqrNone} : moves.front();
}

std::string TOnlineWindowsTest::Log() const
{
    return server_ ? server_->Log().toStdString() : std::string();
}
