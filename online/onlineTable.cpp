#include "onlineTable.h"

#include <algorithm>

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "VeltanGUI.h"
#include "boardFollowing.h"
#include "chatPanel.h"
#include "onlineBoard.h"
#include "tableTexts.h"
#include "veltanbrd.h"

namespace online {
namespace {

constexpr int ClockTickMs = 100;
constexpr double MillisecondsPerDay = 86'400'000.0;

// What a local game offers but a game the server decides cannot: its
// settings are the server's, and nobody but the seats' players moves.
// (The computer menu asks the table itself.)
const char* const LocalCommandNames[] = {
    "MnuItemOptions",
    "MnuItemNewGame",
    "MnuItemOpenGame",
    "MnuItemSuggestMove",
};

bool IsPawn(char letter)
{
    return letter == 'p' || letter == 'P';
}

} // namespace

TOnlineTable::TOnlineTable(TFrmVeltanBrd& window, std::unique_ptr<net::TOnlineSession> session)
    : window_(window), board_(window.Board()), session_(std::move(session))
{
    window_.StopPlay();
    board_.CancelThinking();
    windowLegalMove_ = board_.OnLegalMove;
    windowTurnSettled_ = board_.OnTurnSettled;
    windowDraw_ = board_.OnDraw;
    windowComputerWhite_ = board_.ComputerPlaysWhite();
    windowComputerBlack_ = board_.ComputerPlaysBlack();
    board_.SetComputerPlaysWhite(false);
    board_.SetComputerPlaysBlack(false);
    board_.OnLegalMove = [this](TVeltanBrdKernel&, Square from, Square to) {
        if (!following_) {
            droppedFrom_ = from;
            droppedTo_ = to;
        }
    };
    board_.OnTurnSettled = [this](TVeltanBrdKernel&) {
        // Sent once the board has finished the drop, so showing the game anew
        // (a move that may not go) never happens under the board's own feet.
        if (!following_ && droppedFrom_ != SqrNone)
            QMetaObject::invokeMethod(this, &TOnlineTable::SendDroppedMove, Qt::QueuedConnection);
    };
    window_.SetGameAuthority(this);
    SetLocalCommandsEnabled(false);

    net::TOnlineSession* const s = session_.get();
    connect(s, &net::TOnlineSession::GameReset, this, &TOnlineTable::OnGameReset);
    connect(s, &net::TOnlineSession::MoveArrived, this, &TOnlineTable::OnMoveArrived);
    connect(s, &net::TOnlineSession::MoveTakenBack, this, &TOnlineTable::OnMoveTakenBack);
    connect(s, &net::TOnlineSession::MoveAnswered, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::StateChanged, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::SeatsChanged, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::Seated, this, &TOnlineTable::ShowStatus);
    connect(s, &net::TOnlineSession::ClocksChanged, this, &TOnlineTable::TickClocks);
    connect(s, &net::TOnlineSession::ErrorReceived, this, &TOnlineTable::OnError);
    connect(s, &net::TOnlineSession::ConnectionChanged, this, &TOnlineTable::OnConnection);
    connect(s, &net::TOnlineSession::Failed, this, &TOnlineTable::OnFailed);

    clockTick_.setInterval(ClockTickMs);
    connect(&clockTick_, &QTimer::timeout, this, &TOnlineTable::TickClocks);
    clockTick_.start();
    board_.setEnabled(false);
    ShowStatus();
}

TOnlineTable::~TOnlineTable()
{
    clockTick_.stop();
    // The session's signals must not reach a table half gone.
    session_->disconnect(this);
    session_->Close();
    board_.OnLegalMove = windowLegalMove_;
    board_.OnTurnSettled = windowTurnSettled_;
    board_.OnDraw = windowDraw_;
    board_.SetComputerPlaysWhite(windowComputerWhite_);
    board_.SetComputerPlaysBlack(windowComputerBlack_);
    window_.SetGameAuthority(nullptr);
    SetLocalCommandsEnabled(true);
    // What is on the board becomes a local game, stopped: Start/Stop plays on from it.
    board_.SetDoRefreshWindowsBoard(false);
    board_.SetGameEnded(true);
    board_.SetDoRefreshWindowsBoard(true);
    board_.setEnabled(false);
    // The computer menu and the highlights as a stopped local game has them.
    window_.UpdateGameSettings();
}

void TOnlineTable::StartStopAsked()
{
    switch (session_->Game().State()) {
    case net::TGameState::Waiting:
        session_->Command(net::TTeamCommand::Start);
        break;
    case net::TGameState::Running:
        session_->Command(net::TTeamCommand::Pause);
        break;
    case net::TGameState::Paused:
        session_->Command(net::TTeamCommand::Continue);
        break;
    case net::TGameState::Ended:
        SetNotice(session_->Game().Ending().message);
        break;
    }
}

void TOnlineTable::RecordShown()
{
    UpdateBoardControl();
    if (board_.LastMove != board_.HistoryEnd())
        SetNotice(tr("Looking back at move %1 of %2: the game goes on at the last one")
                      .arg(board_.LastMove)
                      .arg(board_.HistoryEnd()));
    else
        SetNotice({});
}

TComputerTeam TOnlineTable::ComputerTeam(bool white) const
{
    return {HoldsTeam(white), white ? computerWhite_ : computerBlack_};
}

void TOnlineTable::SetComputerTeam(bool white, bool plays)
{
    (white ? computerWhite_ : computerBlack_) = plays && HoldsTeam(white);
    ShowStatus();
}

void TOnlineTable::MoveListOpened(QDialog& list)
{
    // The list is modal over the whole window, the dock's chat with it; a chat
    // window of the list's own stays usable, beside it where the screen allows.
    auto* const chat = new TChatPanel(*session_, &list);
    chat->setWindowFlag(Qt::Tool);
    chat->setWindowTitle(tr("Chat"));
    chat->setObjectName(QStringLiteral("MoveListChat"));
    constexpr int ChatWidth = 280;
    constexpr int Gap = 8;
    chat->resize(ChatWidth, list.height());
    QPoint place = list.pos() + QPoint(list.width() + Gap, 0);
    if (const QScreen* const screen = list.screen())
        if (place.x() + ChatWidth > screen->availableGeometry().right())
            place.setX(std::max(screen->availableGeometry().left(), list.x() - ChatWidth - Gap));
    chat->move(place);
    chat->show();
}

void TOnlineTable::OnGameReset()
{
    ShowGame();
    emit Changed();
}

void TOnlineTable::OnMoveArrived(int number, Square, Square)
{
    const std::vector<net::TPlayedMove>& moves = session_->Game().Moves();
    if (number < 1 || number > static_cast<int>(moves.size()))
        return ShowGame();
    // A new move brings a player who looked back to the game as it stands.
    if (board_.LastMove != board_.HistoryEnd())
        board_.GotoMove(board_.HistoryEnd());
    notice_.clear();
    following_ = true;
    const bool fits = board_.HistoryEnd() == number - 1 && session_->Game().Pending().empty() &&
                      PlayArrivedMove(board_, moves[static_cast<std::size_t>(number - 1)].move);
    following_ = false;
    if (!fits)
        ShowGame();
    UpdateBoardControl();
    ShowStatus();
    emit Changed();
}

void TOnlineTable::OnMoveTakenBack(const QString&, Square from, Square to, const QString& reason)
{
    ShowGame();
    SetNotice(tr("%1 was refused: %2").arg(net::MoveName({from, to, NoPromotion}), reason));
}

void TOnlineTable::OnError(const QString&, const QString& text)
{
    SetNotice(text);
}

void TOnlineTable::OnConnection(net::TConnectionState)
{
    UpdateBoardControl();
    ShowStatus();
}

void TOnlineTable::OnFailed(const QString& problem)
{
    UpdateBoardControl();
    SetNotice(problem);
    emit Failed(problem);
}

void TOnlineTable::SendDroppedMove()
{
    const Square from = droppedFrom_;
    const Square to = droppedTo_;
    droppedFrom_ = droppedTo_ = SqrNone;
    // The game may have been shown anew since the drop: only the move still on top goes.
    const int last = board_.LastMove;
    if (last < 1 || last != board_.HistoryEnd() ||
        board_.MoveList[static_cast<std::size_t>(last)].OldSquare != from ||
        board_.MoveList[static_cast<std::size_t>(last)].NewSquare != to)
        return;
    // A pawn that arrived as another piece was promoted: the board chose which.
    char promotion = NoPromotion;
    const std::string before = board_.GetMove(board_.LastMove - 1).position;
    const char moved = from >= 1 && static_cast<std::size_t>(from) <= before.size()
                           ? before[static_cast<std::size_t>(from - 1)]
                           : ' ';
    const char landed = board_.PieceOn(to);
    if (IsPawn(moved) && !IsPawn(landed))
        promotion = static_cast<char>(QChar::toLower(static_cast<char32_t>(landed)));
    const net::TMoveRequest request = session_->Move(from, to, promotion);
    if (!request.problem.isEmpty()) {
        ShowGame();
        SetNotice(request.problem);
        return;
    }
    notice_.clear();
    UpdateBoardControl();
    ShowStatus();
}

void TOnlineTable::ShowGame()
{
    following_ = true;
    const QString problem = ShowFollowedGame(board_, session_->Game());
    following_ = false;
    if (!problem.isEmpty())
        notice_ = problem;
    UpdateBoardControl();
    TickClocks();
    ShowStatus();
}

void TOnlineTable::UpdateBoardControl()
{
    const net::TFollowedGame& game = session_->Game();
    const std::optional<net::TSeat> mover = game.BoardMover();
    bool held = false;
    if (mover)
        for (const net::TSeat seat : session_->HeldSeats())
            held = held || seat == *mover;
    // A team given to the computer is not dragged as well.
    const bool computerMoves = mover && (mover->white ? computerWhite_ : computerBlack_);
    const bool may = held && !computerMoves && game.State() == net::TGameState::Running &&
                     board_.LastMove == board_.HistoryEnd() &&
                     session_->Connection().State() != net::TConnectionState::Failed;
    board_.SetPaintBoardCurrentTeamPlayer(game.State() == net::TGameState::Running);
    board_.setEnabled(may);
    ApplyComputerTeams();
}

bool TOnlineTable::HoldsTeam(bool white) const
{
    const net::TFollowedGame& game = session_->Game();
    if (!game.HasGame())
        return false;
    const QList<net::TSeat> held = session_->HeldSeats();
    for (int player = 1; player <= game.Settings().playersPerTeam; ++player)
        if (!held.contains(net::TSeat{white, player}))
            return false;
    return true;
}

void TOnlineTable::ApplyComputerTeams()
{
    // The board's computer thinks whenever its side is to move on a board in
    // play; online that must wait for the server's running game, the last
    // record and a line that has not failed. Its move then goes the way of a
    // dragged one (OnLegalMove, OnTurnSettled, SendDroppedMove).
    const net::TFollowedGame& game = session_->Game();
    const bool free = game.State() == net::TGameState::Running && board_.LastMove == board_.HistoryEnd() &&
                      session_->Connection().State() != net::TConnectionState::Failed;
    const bool white = free && computerWhite_ && HoldsTeam(true);
    const bool black = free && computerBlack_ && HoldsTeam(false);
    if (board_.ComputerPlaysWhite() != white)
        board_.SetComputerPlaysWhite(white);
    if (board_.ComputerPlaysBlack() != black)
        board_.SetComputerPlaysBlack(black);
}

void TOnlineTable::ShowStatus()
{
    UpdateBoardControl();
    const std::optional<qint64> since = session_->Connection().ReconnectingSinceMs();
    QString text =
        since ? ReconnectingText(net::MonotonicNowMs() - *since) : StatusText(session_->Game(), board_);
    if (!notice_.isEmpty())
        text = notice_;
    if (text != status_) {
        status_ = text;
        window_.SetStatusText(text.isEmpty() ? QStringLiteral(" ") : text);
    }
    // Seats taken or given up change which teams the computer may play here.
    window_.AuthorityChanged();
    emit Changed();
}

void TOnlineTable::TickClocks()
{
    const net::TFollowedGame& game = session_->Game();
    if (!game.HasGame())
        return;
    const qint64 now = net::MonotonicNowMs();
    board_.SetTimeLeftWhite(static_cast<double>(game.Clocks().LeftMs(true, now)) / MillisecondsPerDay);
    board_.SetTimeLeftBlack(static_cast<double>(game.Clocks().LeftMs(false, now)) / MillisecondsPerDay);
    window_.ShowClocks();
    // The time away grows while the line is down.
    if (session_->Connection().ReconnectingSinceMs())
        ShowStatus();
}

void TOnlineTable::SetNotice(const QString& text)
{
    notice_ = text;
    ShowStatus();
}

void TOnlineTable::SetLocalCommandsEnabled(bool enabled)
{
    if (localCommands_.isEmpty()) {
        for (const char* name : LocalCommandNames)
            if (auto* const action = window_.findChild<QAction*>(QString::fromLatin1(name)))
                localCommands_.append(action);
    }
    for (const QPointer<QAction>& action : localCommands_)
        if (action)
            action->setEnabled(enabled);
}

} // namespace online
